#!/usr/bin/env python3
"""Start-up benchmark: time from process start to the main window's first expose, for the
game and for a bare Qt Widgets window, alternating in the same run under Xvfb. Also checks
that neither FFmpeg, Qt Multimedia nor Qt WebEngine is mapped into the game once its window
shows.

Usage: startup_bench.py [PINDREL [BARE_WINDOW [RUNS]]]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

LAZY = ["libavcodec", "libQt6Multimedia", "libQt6WebEngineCore"]

here = os.path.dirname(os.path.abspath(__file__))
build = os.path.join(os.path.dirname(here), "build-bench")
game = sys.argv[1] if len(sys.argv) > 1 else os.path.join(build, "src/app/pindrel")
bare = sys.argv[2] if len(sys.argv) > 2 else os.path.join(build, "bench/bare_window")
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15


def start_xvfb(work):
    # The server picks a free display and writes its number to the pipe.
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    if not display:
        sys.exit("Xvfb did not start")
    return server, ":" + display


def time_to_shown(program, env):
    """Milliseconds from just before the process starts to its first expose, and the
    libraries of LAZY mapped into it by then."""
    started = time.monotonic_ns()
    process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    try:
        line = process.stdout.readline().split()
        if len(line) != 2 or line[0] != "shown":
            sys.exit(f"{program} did not report its window")
        with open(f"/proc/{process.pid}/maps") as maps:
            mapped = maps.read()
        return (int(line[1]) - started) / 1e6, {name for name in LAZY if name in mapped}
    finally:
        process.terminate()
        process.wait()


def main():
    with tempfile.TemporaryDirectory() as work:
        server, display = start_xvfb(work)
        try:
            env = dict(os.environ, DISPLAY=display, PINDREL_REPORT_SHOWN="1",
                       HOME=work, XDG_CONFIG_DIRS=os.path.join(work, "etc"),
                       XDG_RUNTIME_DIR=work)
            env.pop("QT_QPA_PLATFORM", None)
            # One of each first, unmeasured: the page cache is warm for both.
            time_to_shown(bare, env)
            time_to_shown(game, env)
            bare_times, game_times, mapped = [], [], set()
            for _ in range(runs):
                bare_times.append(time_to_shown(bare, env)[0])
                elapsed, found = time_to_shown(game, env)
                game_times.append(elapsed)
                mapped |= found
        finally:
            server.terminate()
            server.wait()
    bare_median = statistics.median(bare_times)
    game_median = statistics.median(game_times)
    print(f"bare Qt window shown after   {bare_median:7.1f} ms (median of {runs})")
    print(f"Pindrel window shown after   {game_median:7.1f} ms (median of {runs})")
    print(f"ratio                        {game_median / bare_median:7.2f} (target <= 1.5)")
    print(f"mapped at start-up of {', '.join(LAZY)}: {', '.join(sorted(mapped)) or 'none'}")


main()
