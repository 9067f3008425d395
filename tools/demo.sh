#!/usr/bin/env bash
# Builds the plug-in and runs it in the simulated host.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target tackpin-host Tackpin
build/linux-release/bin/tackpin-host "$@"
