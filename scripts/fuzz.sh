#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a while.
#   scripts/fuzz.sh [seconds per target, default 180]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-180}
"$root/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DORVANE_FUZZ=ON -DORVANE_BUILD_GUI=OFF \
  -DORVANE_BUILD_BENCH=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" -j"$(nproc)"
for target in "$root"/build-fuzz/bin/fuzz_*; do
  corpus="$root/build-fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  echo "== $(basename "$target") for ${seconds}s"
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
done
