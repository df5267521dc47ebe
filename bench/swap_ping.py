#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whether the window's thread stays free while a swap's red frame shows: the game runs under
Xvfb with openbox, a tile is clicked twice (a swap onto itself, which shows the red frame all
the same), and the window manager's ping (_NET_WM_PING) is sent every few milliseconds, from a thread of its
own, from just before the second click until well after the frame. Prints the slowest reply during that
time and the median reply of an idle window, the baseline, with their ratio.

Needs Debian's python3-xlib, xdotool and openbox (hence /usr/bin/python3).
Usage: swap_ping.py [PINDREL [ROUNDS]]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, display as xdisplay, protocol

from xvfb_server import start_xvfb

here = os.path.dirname(os.path.abspath(__file__))
game = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(here),
                                                          "build-bench/src/app/pindrel")
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5


class Pinger:
    def __init__(self, name, window_id):
        self.conn = xdisplay.Display(name)
        self.root = self.conn.screen().root
        # The client answers by sending the ping back to the root window.
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        self.window = self.conn.create_resource_object("window", window_id)
        self.protocols = self.conn.intern_atom("WM_PROTOCOLS")
        self.ping = self.conn.intern_atom("_NET_WM_PING")
        self.sent = {}
        self.replies = {}
        self.serial = 1

    def send(self):
        stamp = self.serial
        self.serial += 1
        event = protocol.event.ClientMessage(
            window=self.window, client_type=self.protocols,
            data=(32, [self.ping, stamp, self.window.id, 0, 0]))
        self.sent[stamp] = time.monotonic()
        self.window.send_event(event, event_mask=0)
        self.conn.flush()

    def collect(self):
        while self.conn.pending_events():
            event = self.conn.next_event()
            if (event.type == X.ClientMessage and event.client_type == self.protocols and
                    event.data[1][0] == self.ping):
                stamp = event.data[1][1]
                if stamp in self.sent and stamp not in self.replies:
                    self.replies[stamp] = time.monotonic() - self.sent[stamp]

    def pings(self, seconds, interval=0.004):
        """Pings for the given time and waits for every reply; the replies in milliseconds."""
        first = self.serial
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self.send()
            time.sleep(interval)
            self.collect()
        deadline = time.monotonic() + 2
        while len(self.replies) < len(self.sent) and time.monotonic() < deadline:
            self.collect()
            time.sleep(0.001)
        return [self.replies.get(s, float("inf")) * 1000 for s in range(first, self.serial)]


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, check=True, capture_output=True,
                          text=True).stdout.strip()


def main():
    with tempfile.TemporaryDirectory() as work:
        server, name = start_xvfb()
        env = dict(os.environ, DISPLAY=name, HOME=work, XDG_RUNTIME_DIR=work,
                   XDG_CONFIG_DIRS=os.path.join(work, "etc"),
                   XDG_DATA_HOME=os.path.join(work, "data"), QT_QPA_PLATFORM="xcb")
        wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        time.sleep(0.5)
        game_process = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        try:
            window = int(xdotool(env, "search", "--sync", "--onlyvisible", "--name",
                                 "^Pindrel$").split()[0])
            xdotool(env, "windowactivate", "--sync", str(window))
            time.sleep(0.5)
            xdotool(env, "key", "--window", str(window), "F5")
            time.sleep(0.5)
            geometry = dict(line.split("=") for line in
                            xdotool(env, "getwindowgeometry", "--shell", str(window)).split())
            # The middle of the window lies on the board, whatever its grid.
            x = int(geometry["X"]) + int(geometry["WIDTH"]) // 2
            y = int(geometry["Y"]) + int(geometry["HEIGHT"]) * 3 // 5
            pinger = Pinger(name, window)
            idle = pinger.pings(0.3)
            during = []
            # Moved once: --sync would wait for ever for a pointer already there.
            xdotool(env, "mousemove", "--sync", str(x), str(y))
            for _ in range(rounds):
                xdotool(env, "click", "1")
                time.sleep(0.6)  # no double click
                # The pings start before the second click, so the whole frame is covered.
                pinging = threading.Thread(
                    target=lambda: during.append(max(pinger.pings(0.5))))
                pinging.start()
                time.sleep(0.05)
                xdotool(env, "click", "1")
                pinging.join()
                time.sleep(0.6)
        finally:
            game_process.terminate()
            game_process.wait()
            wm.terminate()
            server.terminate()
    baseline = statistics.median(idle)
    slowest = statistics.median(during)
    print(f"idle window: median ping reply {baseline:.1f} ms (baseline)")
    print(f"during a swap's red frame: slowest reply {slowest:.1f} ms, median of {rounds} "
          f"swaps (each: {', '.join(f'{d:.1f}' for d in during)})")
    print(f"ratio {slowest / baseline:.1f}x")


if __name__ == "__main__":
    main()
