#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game offscreen and fails if FFmpeg, Qt Multimedia or Qt WebEngine is mapped
into it once its window shows: those load with the first video or web page.

Usage: startup_libraries.py PINDREL
"""
import os
import subprocess
import sys
import tempfile

LAZY = ["libavcodec", "libavformat", "libavutil", "libswscale", "libswresample",
        "libQt6Multimedia", "libQt6WebEngineCore"]

with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", PINDREL_REPORT_SHOWN="1", HOME=home,
               XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_RUNTIME_DIR=home)
    game = subprocess.Popen([sys.argv[1]], env=env, stdout=subprocess.PIPE, text=True)
    try:
        if not game.stdout.readline().startswith("shown "):
            sys.exit("the game did not show its window")
        with open(f"/proc/{game.pid}/maps") as maps:
            mapped = maps.read()
    finally:
        game.terminate()
        game.wait()

# The maps are read right: the window's own library is there.
if "libQt6Widgets" not in mapped:
    sys.exit("libQt6Widgets not found in the game's maps")
found = [name for name in LAZY if name in mapped]
if found:
    sys.exit("mapped at start-up: " + ", ".join(found))
print("none of " + ", ".join(LAZY) + " mapped at start-up")
