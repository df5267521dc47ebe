# SPDX-License-Identifier: GPL-3.0-or-later
"""An Xvfb server of the benchmarks' own, on a display it picks itself."""
import os
import subprocess
import sys


def start_xvfb():
    """The server process and its display name (":N")."""
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
