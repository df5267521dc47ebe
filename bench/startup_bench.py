#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark: time from process start to the main window's first expose, and to the
first frame drawn (the expose handled, which paints the window), for the game and for a bare
Qt Widgets window, alternating in the same run under Xvfb. A bare window with one label is
timed alongside: any window showing text pays the font set-up, which a bare window never
does. Also checks that neither FFmpeg, Qt Multimedia nor Qt WebEngine is mapped into the game
once its window shows.

Usage: startup_bench.py [PINDREL [BARE_WINDOW [RUNS]]]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from xvfb_server import start_xvfb

LAZY = ["libavcodec", "libQt6Multimedia", "libQt6WebEngineCore"]

here = os.path.dirname(os.path.abspath(__file__))
build = os.path.join(os.path.dirname(here), "build-bench")
game = sys.argv[1] if len(sys.argv) > 1 else os.path.join(build, "src/app/pindrel")
bare = sys.argv[2] if len(sys.argv) > 2 else os.path.join(build, "bench/bare_window")
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15


def read_mark(process, name, program):
    line = process.stdout.readline().split()
    if len(line) != 2 or line[0] != name:
        sys.exit(f"{program} did not report its window {name}")
    return int(line[1])


def time_to_shown(command, env):
    """Milliseconds from just before the process starts to its first expose and to its first
    frame drawn, and the libraries of LAZY mapped into it at the expose."""
    started = time.monotonic_ns()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    try:
        shown = read_mark(process, "shown", command[0])
        with open(f"/proc/{process.pid}/maps") as maps:
            mapped = maps.read()
        drawn = read_mark(process, "drawn", command[0])
        return ((shown - started) / 1e6, (drawn - started) / 1e6,
                {name for name in LAZY if name in mapped})
    finally:
        process.terminate()
        process.wait()


def main():
    programs = {"bare Qt window": [bare], "bare Qt window with a label": [bare, "--label"],
                "Pindrel": [game]}
    shown = {name: [] for name in programs}
    drawn = {name: [] for name in programs}
    mapped = set()
    with tempfile.TemporaryDirectory() as work:
        server, display = start_xvfb()
        try:
            env = dict(os.environ, DISPLAY=display, PINDREL_REPORT_SHOWN="1",
                       HOME=work, XDG_CONFIG_DIRS=os.path.join(work, "etc"),
                       XDG_RUNTIME_DIR=work)
            env.pop("QT_QPA_PLATFORM", None)
            # One of each first, unmeasured: the page cache is warm for all.
            for command in programs.values():
                time_to_shown(command, env)
            for _ in range(runs):
                for name, command in programs.items():
                    first_expose, first_frame, found = time_to_shown(command, env)
                    shown[name].append(first_expose)
                    drawn[name].append(first_frame)
                    if name == "Pindrel":
                        mapped |= found
        finally:
            server.terminate()
            server.wait()
    median = {name: (statistics.median(shown[name]), statistics.median(drawn[name]))
              for name in programs}
    print(f"medians of {runs} runs, ms                 first expose   first frame drawn")
    for name in programs:
        print(f"{name:42} {median[name][0]:12.1f} {median[name][1]:19.1f}")
    for baseline in programs:
        if baseline != "Pindrel":
            game_median, base_median = median["Pindrel"], median[baseline]
            print(f"{'ratio to the ' + baseline:42} {game_median[0] / base_median[0]:12.2f} "
                  f"{game_median[1] / base_median[1]:19.2f}")
    print("target: ratio to the bare Qt window at the first expose <= 1.5")
    print(f"mapped at start-up of {', '.join(LAZY)}: {', '.join(sorted(mapped)) or 'none'}")


main()
