#!/usr/bin/env bash
# Builds the program and its tests (Debug, warnings as errors) and runs the whole suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
build="${TELVARA_TEST_BUILD:-$root/build/test}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTELVARA_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
