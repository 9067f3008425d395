#!/usr/bin/env bash
# Builds optimised and runs the benchmarks. Arguments go to Google Benchmark,
# except --ten-million, which adds the ten-million-face grid to the sizes
# (several minutes more, and about 4.2 GiB of memory).
set -euo pipefail
cd "$(dirname "$0")/.."

args=()
for arg in "$@"; do
  if [[ $arg == --ten-million ]]; then
    export TACKPIN_BENCH_TEN_MILLION=1
  else
    args+=("$arg")
  fi
done

tools/install-deps.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target tackpin_bench
build/linux-release/bin/tackpin_bench ${args[@]+"${args[@]}"}
