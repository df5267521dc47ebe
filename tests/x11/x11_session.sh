# Shared by the X11 tests: a private Xvfb display with openbox, a throwaway home, and helpers.
# Sourced with the game's path as $1; sets $work, $DISPLAY and the cleanup of what it started.
game=$1
work=$(mktemp -d)
xvfb_pid="" wm_pid="" game_pid=""
cleanup() {
  for pid in $game_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Polls a command until it succeeds, for at most the given seconds.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

for tool in Xvfb openbox xdotool xprop convert import compare; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh)"
done

# A free display number, chosen by the server itself and written to a pipe held open on fd 3.
exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
exec 3<&-
export DISPLAY=":$display"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CONFIG_DIRS="$work/etc"
export XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
poll 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "no window manager"
