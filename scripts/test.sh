#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and
# runs every test twice: in the normal build and under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen

echo "== build (RelWithDebInfo, warnings as errors)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
cmake --build "$root/build" -j"$jobs"
echo "== tests"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

echo "== build (sanitizers)"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_WERROR=ON \
  -DORVANE_BUILD_GUI=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
echo "== tests (sanitizers)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"
