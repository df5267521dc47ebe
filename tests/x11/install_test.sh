#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: installs the build into a throwaway prefix, or takes what a package
# installed, and runs that copy under Xvfb and openbox, as a desktop would start it from its
# menu entry or file manager.
# Usage: install_test.sh BUILD_DIR              (installs into a throwaway prefix first)
#        install_test.sh --installed PREFIX     (e.g. /usr after installing the package)
set -euo pipefail

shot_prefix=install-
source "$(dirname "$0")/x11_session.sh"
if [ "$1" = --installed ]; then
  prefix=$2
else
  prefix="$work/prefix"
  cmake --install "$1" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
fi

require_tools Xvfb openbox xdotool xprop convert import ffmpeg desktop-file-validate appstreamcli

# The layout a desktop expects, and nothing taken from the build or source tree.
id=io.github.pindrel.Pindrel
for file in bin/pindrel lib/pindrel/libpindrel_media.so lib/pindrel/libpindrel_webengine.so \
  share/pindrel/site/pindrel_v2.htm share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done
for size in 48 64 128 256; do
  [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x${size}" ] ||
    fail "the ${size}x${size} icon has another size"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "the AppStream metadata is not valid"; }
grep -qx 'Exec=pindrel %U' "$prefix/share/applications/$id.desktop" || fail "Exec is not 'pindrel %U'"
# In the system's folders the desktop's caches must know the entry's file types.
if [ "$prefix" = /usr ]; then
  for type in image/png video/mp4; do
    grep -q "^$type=.*$id.desktop" /usr/share/applications/mimeinfo.cache ||
      fail "the desktop's MIME cache does not offer the game for $type"
  done
fi

# --help and --version need no display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pindrel" --version) ||
  fail "--version failed"
[[ $version =~ ^Pindrel\ [0-9]+\.[0-9]+ ]] || fail "--version printed '$version'"
env -u DISPLAY "$prefix/bin/pindrel" --help | grep -q '\[FILE-OR-ADDRESS\]' || fail "--help lacks the usage"

start_x11_session

mkdir -p "$work/pictures"
convert -seed 7 -size 320x240 plasma:fractal "$work/pictures/my photo.png"
ffmpeg -v error -nostdin -f lavfi -i testsrc2=size=320x240:rate=25:duration=2 -c:v mpeg4 \
  "$work/pictures/clip.mp4" || fail "ffmpeg could not make the test video"

# Starts the installed game with the arguments and waits for a title.
window=""
start() {
  local expected=$1
  shift
  "$prefix/bin/pindrel" "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Pindrel' | head -1) ||
    fail "the main window did not appear for $*"
  wait_for 30 "the title '$expected'" sh -c "xprop -id $window _NET_WM_NAME | grep -qF '\"$expected\"'"
}
# The game's window; the web engine joining it gives it a new X window.
visible_window() {
  window=$(xdotool search --onlyvisible --pid "$game_pid" --name '^Pindrel' | head -1) && [ -n "$window" ]
}
# Exit, and the process ends cleanly.
quit() {
  visible_window || fail "the game's window went away"
  xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+x
  wait_for 20 "the game to end" sh -c "! kill -0 $game_pid"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || { tail -40 "$work/game.log" >&2; fail "the game ended with status $status"; }
  game_pid=""
}
uses_installed() { grep -q "$prefix/lib/pindrel/$1" "/proc/$game_pid/maps"; }

# A path, then the file: URL a file manager passes.
start "Pindrel - my photo.png" "$work/pictures/my photo.png"
screenshot installed-picture
# A shell matches the window to its menu entry by the entry's StartupWMClass.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
[ -n "$wm_class" ] && grep -qx "StartupWMClass=$wm_class" "$prefix/share/applications/$id.desktop" ||
  fail "the desktop entry's StartupWMClass does not match the window's class '$wm_class'"
quit
start "Pindrel - my photo.png" "file://$work/pictures/my%20photo.png"
quit

# A phone's kind of video: the media module loads from the prefix.
start "Pindrel - clip.mp4" "$work/pictures/clip.mp4"
wait_for 20 "the installed media module" uses_installed libpindrel_media.so
screenshot installed-video
quit

# The web pane shows the installed pages: in a throwaway prefix the installed start page is
# marked green, so that the source tree's copy cannot pass; the system's shows its own colour.
page_colour='#fdfaf3'
if [ "$prefix" = "$work/prefix" ]; then
  page_colour='#00ff00'
  sed -i "s/background: #fdfaf3/background: $page_colour/" "$prefix/share/pindrel/site/pindrel_v2.htm"
fi
start "Pindrel"
xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+w
wait_for 60 "the installed browser module" uses_installed libpindrel_webengine.so
page_shown() {
  visible_window && timeout 10 import -window "$window" "$work/pane.png" &&
    [ "$(convert "$work/pane.png" -fill black +opaque "$page_colour" -fill white -opaque "$page_colour" \
      -format '%[fx:mean>0.3]' info:)" = 1 ]
}
wait_for 60 "the installed start page" page_shown
screenshot installed-web
quit

# Without the browser module (as when Qt WebEngine is missing) the pane cannot open: the
# game says so in its usual message box, each time, and plays on. A copy of the install
# without the module, outside the build tree, so nothing else can stand in for it.
hidden="$work/hidden"
mkdir -p "$hidden/bin" "$hidden/lib/pindrel" "$hidden/share/pindrel"
cp "$prefix/bin/pindrel" "$hidden/bin/"
cp "$prefix/lib/pindrel/libpindrel_media.so" "$hidden/lib/pindrel/"
cp -r "$prefix/share/pindrel/site" "$hidden/share/pindrel/"
prefix=$hidden
# The game's message box for a page it cannot show: a dialog titled "Error" ("Unable to
# navigate to the website."); its window id on standard output.
message_box() {
  local box
  for box in $(xdotool search --onlyvisible --pid "$game_pid" --name '^Error$'); do
    xprop -id "$box" _NET_WM_NAME _NET_WM_WINDOW_TYPE | grep -qzE '= "Error".*_NET_WM_WINDOW_TYPE_DIALOG' &&
      echo "$box" && return 0
  done
  return 1
}
no_message_box() { ! message_box; }
start "Pindrel - my photo.png" "$work/pictures/my photo.png"
main_window=$window
for attempt in 1 2; do
  xdotool windowactivate --sync "$main_window" key --clearmodifiers ctrl+w
  wait_for 30 "the message that the pane cannot open (attempt $attempt)" message_box
  screenshot "installed-no-webengine-$attempt"
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended without its browser module"
  ! grep -qE 'libpindrel_webengine|libQt6WebEngine' "/proc/$game_pid/maps" ||
    fail "a browser module was loaded from elsewhere"
  xdotool windowactivate --sync "$(message_box)" key --clearmodifiers Return
  wait_for 10 "the message to close" no_message_box
done
quit
echo "PASS"
