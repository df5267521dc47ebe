#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 30): first every
# input that once crashed the game, then fresh fuzzing from the media corpus and a few small
# generated files. Inputs found are kept in build-fuzz/found/TARGET; a crash fails the run.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(jpeg_fuzzer bmp_fuzzer picture_fuzzer download_fuzzer media_fuzzer)

corpus=${PINDREL_CORPUS:-$PWD/../shared/corpus}
finds=${PINDREL_FUZZ_FINDS:-$corpus/../fuzz}
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPINDREL_FUZZ=ON -DPINDREL_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzzers

# A handful of tiny videos with sound, so the media fuzzer starts from every codec path.
seeds=$build/seeds
if [ ! -d "$seeds" ]; then
  mkdir -p "$seeds.tmp"
  make_seed() { ffmpeg -v error -y -f lavfi -i testsrc2=size=32x24:rate=5 \
    -f lavfi -i sine=frequency=440:sample_rate=8000 -t 0.6 "$@"; }
  make_seed -c:v mjpeg -c:a pcm_u8 -ac 1 "$seeds.tmp/mjpeg_pcm.avi"
  make_seed -c:v mpeg4 -bf 2 -c:a libmp3lame -ar 22050 "$seeds.tmp/mpeg4_mp3.avi" ||
    make_seed -c:v mpeg4 -bf 2 -c:a mp2 -ar 22050 "$seeds.tmp/mpeg4_mp3.avi"
  make_seed -c:v msvideo1 -pix_fmt rgb555le -c:a mp2 -ar 22050 "$seeds.tmp/msvideo1_mp2.avi"
  make_seed -c:v rawvideo -pix_fmt bgr24 -c:a adpcm_ima_wav "$seeds.tmp/raw_adpcm.avi"
  mv "$seeds.tmp" "$seeds"
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
for target in "${targets[@]}"; do
  case $target in
    jpeg_fuzzer | download_fuzzer) sources=("$corpus/jpeg") ;;
    bmp_fuzzer) sources=("$corpus/bmp") ;;
    picture_fuzzer) sources=("$corpus/png" "$corpus/gif" "$corpus/webp" "$corpus/tiff") ;;
    media_fuzzer) sources=("$corpus/avi" "$corpus/video" "$corpus/gif" "$seeds" "$finds/avi") ;;
    *) echo "unknown target $target" >&2; exit 2 ;;
  esac
  found=$build/found/$target
  mkdir -p "$found"
  # Folders that are missing (a clone without the shared corpus beside it) are left out:
  # libFuzzer stops at the first corpus folder it cannot open.
  regressions=()
  present=()
  for dir in "${sources[@]}"; do
    [ -d "$dir" ] && regressions+=("$dir"/*) && present+=("$dir")
  done
  [ "$target" = media_fuzzer ] && options=(-dict=fuzz/avi.dict -max_len=262144) || options=()
  echo "== $target: ${#regressions[@]} known inputs, then ${seconds}s of fuzzing"
  if [ ${#regressions[@]} -gt 0 ]; then
    "$build/fuzz/$target" -timeout=60 "${regressions[@]}" >"$build/$target.known.log" 2>&1 ||
      { tail -40 "$build/$target.known.log"; exit 1; }
  fi
  "$build/fuzz/$target" "${options[@]}" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$found/crash-" "$found" ${present[@]+"${present[@]}"} \
    >"$build/$target.log" 2>&1 || { tail -60 "$build/$target.log"; exit 1; }
  grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" | tr '\n' ' '
  echo
done
