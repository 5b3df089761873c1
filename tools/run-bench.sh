#!/bin/sh
# Builds the benchmarks (the `bench` preset, a Release build) and prints
# their table, preceded by the machine it was measured on. Arguments go to
# both benchmark programs (e.g. --benchmark_filter=Estimate).
set -eu
cd "$(dirname "$0")/.."
build=${BENCH_BUILD:-build/bench}

cmake --preset bench -B "$build" >/dev/null
cmake --build "$build" --target benchmarks -j 2 >/dev/null
echo "machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p')"
"$build/bin/module_bench" "$@"
"$build/bin/sim_bench" "$@"
