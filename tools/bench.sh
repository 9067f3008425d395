#!/usr/bin/env bash
# Builds optimised and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target tackpin_bench
build/linux-release/bin/tackpin_bench "$@"
