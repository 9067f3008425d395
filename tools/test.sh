#!/usr/bin/env bash
# Builds and runs every test on both legs: natively on Linux under
# AddressSanitizer and UndefinedBehaviorSanitizer, and as the Windows DLL
# under Wine. Between them, the fuzzers (clang's libFuzzer, native only)
# run for a bounded time each over their seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

export WINEDEBUG=-all
# No .NET or HTML runtime is needed; skipping them keeps the first start of a
# new prefix from asking to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A private Wine prefix, so the run does not depend on the user's own.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine-prefix}"

status=0
for leg in linux fuzz windows; do
  echo "=== $leg ==="
  cmake --preset "$leg" >/dev/null
  cmake --build --preset "$leg"
  ctest --preset "$leg" || status=1
done
exit $status
