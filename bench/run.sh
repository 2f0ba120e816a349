#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them on freshly generated archives in a temporary folder.
# Extra arguments go to telvara-bench (--clients N, --calls N, --repeat N).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARA_BENCH_BUILD:-$root/build/bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELVARA_BUILD_TESTS=OFF \
  -DTELVARA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target telvara-bench -j 2 >"$build/build.log" || { cat "$build/build.log"; exit 1; }
folder="$(mktemp -d "${TMPDIR:-/tmp}/telvara-bench.XXXXXX")"
trap 'rm -rf "$folder"' EXIT
echo "$(date -u '+%Y-%m-%d %H:%M UTC'); $(nproc) CPU $(lscpu | sed -n 's/^Model name: *//p');" \
  "$(free -h | awk '/^Mem:/ {print $2}') RAM; Linux $(uname -r); $(findmnt -n -o FSTYPE -T "$folder") in $folder;" \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/telvara-bench" --folder "$folder" "$@"
