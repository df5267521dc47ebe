#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package on this machine: installs it with apt, runs the install test against
# /usr, then purges it and whatever it brought, and checks that no file of it stays behind.
# Usage: package_test.sh PACKAGE.deb   (as root or with sudo; the game must not be installed)
set -euo pipefail
deb=$(realpath "$1")
cd "$(dirname "$0")/../.."
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
if dpkg-query -W -f='${Status}' pindrel 2>/dev/null | grep -q "ok installed"; then
  fail "pindrel is installed on this machine already; the test would replace and purge it"
fi

work=$(mktemp -d)
installed=0 brought=()
# Whatever happens, the machine is left as it was found.
cleanup() {
  [ $installed -eq 0 ] || $sudo apt-get purge -y -qq pindrel "${brought[@]}" >/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Every file name a package can own or leave. The desktop's caches that the package's
# triggers rebuild are left out of the listing: they belong to the system, are rewritten on
# install and purge alike, and are checked for traces of the game by their contents instead.
caches=(/usr/share/applications/mimeinfo.cache /usr/share/icons/hicolor/icon-theme.cache)
list_files() {
  local prune=()
  for cache in "${caches[@]}"; do prune+=(-path "$cache" -o); done
  find /usr /etc /opt /var/lib/dpkg/info -xdev \( "${prune[@]}" -false \) -prune -o -print | sort
}
installed_packages() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }

list_files >"$work/before"
installed_packages >"$work/packages-before"
installed=1
$sudo apt-get install -y -q "$deb" >"$work/install.log" || { cat "$work/install.log" >&2; fail "apt-get install failed"; }
mapfile -t brought < <(installed_packages | comm -13 "$work/packages-before" - | grep -vx pindrel || true)
[ ${#brought[@]} -eq 0 ] || echo "The package brought: ${brought[*]}"

dpkg -L pindrel | grep -qx /usr/lib/pindrel/libpindrel_webengine.so || fail "the browser module is not in /usr/lib/pindrel"
tests/x11/install_test.sh --installed /usr

# The Recommends are optional: without them (their files hidden in a mount namespace of this
# test's own, as if never installed) the game still starts, plays and falls back to X11 in a
# Wayland session. Where namespaces are not allowed, that part cannot run here.
recommends=$(dpkg-query -W -f='${Recommends}' pindrel | tr -d ',')
without_recommends() {
  local hide=$1 dir file dirs
  shift
  mount --make-rprivate /
  dirs=$(dpkg -L $recommends | while read -r file; do [ -f "$file" ] && dirname "$file"; done | sort -u)
  for dir in $dirs; do
    mkdir -p "$hide$dir"
    cp -a "$dir/." "$hide$dir/"
  done
  for file in $(dpkg -L $recommends); do [ -d "$file" ] || rm -f "$hide$file"; done
  for dir in $dirs; do mount --bind "$hide$dir" "$dir"; done
  "$@"
}
if $sudo unshare -m true 2>/dev/null; then
  mkdir "$work/hide"
  $sudo unshare -m bash -c "$(declare -f without_recommends); recommends='$recommends'; \
    without_recommends '$work/hide' env XDG_SESSION_TYPE=wayland tests/x11/install_test.sh --installed /usr"
else
  echo "SKIP: the game without its Recommends ($recommends): no mount namespaces here"
fi

$sudo apt-get purge -y -q pindrel "${brought[@]}" >"$work/purge.log" || { cat "$work/purge.log" >&2; fail "apt-get purge failed"; }
installed=0
status=$(dpkg-query -W -f='${db:Status-Abbrev}' pindrel 2>/dev/null || true)
[[ -z $status || $status == [up]n* ]] || fail "dpkg still holds pindrel as '$status'"
list_files >"$work/after"
if ! diff "$work/before" "$work/after" >"$work/diff"; then
  cat "$work/diff" >&2
  fail "the files under /usr, /etc, /opt and dpkg's records differ after the purge (above)"
fi
for cache in "${caches[@]}"; do
  [ ! -e "$cache" ] || ! grep -q pindrel "$cache" || fail "$cache still names the game"
done
echo "PASS"
