#!/usr/bin/env bash
# Checks that the tree is formatted, then builds and runs every test on both
# legs: natively on Linux under AddressSanitizer and UndefinedBehaviorSanitizer,
# and as the Windows DLL under Wine.
#
#   tools/test.sh                  everything, as CI runs it
#   tools/test.sh LEG...           only these of: format linux windows
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

export WINEDEBUG=-all
# No .NET or HTML runtime is needed; skipping them keeps the first start of a
# new prefix from asking to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A private Wine prefix, so the run does not depend on the user's own.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine-prefix}"

legs=("$@")
((${#legs[@]})) || legs=(format linux windows)

status=0
for leg in "${legs[@]}"; do
  echo "=== $leg ==="
  if [[ $leg == format ]]; then
    tools/format.sh --check || status=1
    continue
  fi
  cmake --preset "$leg" >/dev/null
  cmake --build --preset "$leg"
  ctest --preset "$leg" || status=1
done
exit $status
