#!/usr/bin/env bash
# Builds telvara-bench-server in Release, starts a throwaway PostgreSQL cluster, and times the searches over
# the record files and over the server side by side. Extra arguments go to the bench (--clients N,
# --calls N, --repeat N).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARA_BENCH_BUILD:-$root/build/bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELVARA_BUILD_TESTS=OFF \
  -DTELVARA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target telvara-bench-server -j 2 >"$build/build.log" || { cat "$build/build.log"; exit 1; }
folder="$(mktemp -d "${TMPDIR:-/tmp}/telvara-bench.XXXXXX")"
server="/tmp/telvara-bench-postgres-$$"
trap 'bash "$root/scripts/throwaway-postgres.sh" stop "$server"; rm -rf "$folder"' EXIT
uri="$(bash "$root/scripts/throwaway-postgres.sh" start "$server")"
echo "$(date -u '+%Y-%m-%d %H:%M UTC'); $(nproc) CPU $(lscpu | sed -n 's/^Model name: *//p');" \
  "$(free -h | awk '/^Mem:/ {print $2}') RAM; PostgreSQL $(psql --version | awk '{print $3}') on a local socket;" \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/telvara-bench-server" --folder "$folder" --uri "$uri" "$@"
