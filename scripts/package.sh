#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this tree, checks it with lintian and leaves it in OUTDIR.
# Usage: scripts/package.sh [OUTDIR]   (default build-package/ in the project folder, where
# earlier results are removed first, so the one .deb there is the one just built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-package}")
cd "$root"
[ $# -gt 0 ] || rm -f "$out"/pindrel*.deb "$out"/pindrel_*.changes "$out"/pindrel_*.buildinfo
scripts/install-deps.sh --package

version=$(dpkg-parsechangelog -SVersion)
arch=$(dpkg --print-architecture)
# A copy of the tree, since dpkg-buildpackage writes its results beside the source folder and
# leaves its build folders inside it; the copy goes when the package is made.
stage="$root/build-package/stage"
rm -rf "$stage"
mkdir -p "$stage/pindrel-$version" "$out"
trap 'rm -rf "$stage"' EXIT
tar -c --exclude='./build*' --exclude=./.git --exclude=./.cache --exclude='./obj-*' . |
  tar -x -C "$stage/pindrel-$version"

# debhelper gives the build a home of its own; a compiler cache must stay where it is.
if [ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null; then
  export CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir)}"
fi
(cd "$stage/pindrel-$version" && dpkg-buildpackage -b -us -uc)

changes="pindrel_${version}_${arch}.changes"
for file in $(sed -n '/^Files:/,/^[^ ]/s/^ .* \([^ ]*\)$/\1/p' "$stage/$changes") "$changes"; do
  mv -f "$stage/$file" "$out/"
done
lintian --fail-on error,warning --display-info "$out/$changes"
echo "Package: $out/pindrel_${version}_${arch}.deb"
