#!/usr/bin/env bash
# Checks that the tree is formatted, then builds and runs every test on both
# legs: natively on Linux under AddressSanitizer and UndefinedBehaviorSanitizer,
# and as the Windows DLL under Wine. Between them, the fuzzers (clang's
# libFuzzer, native only) run for a bounded time each over their seed corpus.
# When the Windows leg has passed, the release package is made from that very
# build and checked.
#
#   tools/test.sh                  everything, as CI runs it
#   tools/test.sh LEG...           only these of: format linux fuzz windows
#   tools/test.sh quick            the native leg without its long tests (the
#                                  sweeps, the load cycles, the random
#                                  sessions, the browser, the validator runs)
#   tools/test.sh only REGEX       the native tests whose names match, e.g.
#                                  "e2e_tests.NestedEvents" or "session_demo"
#
# The native leg runs its tests on every core, each GoogleTest case a test
# of its own; the Windows leg runs one Wine process per area, one at a time.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cores=$(nproc 2>/dev/null || echo 2)

# The native tests that take longest; `quick` leaves them out.
long_tests='AllocationSweep|FaultSweep|LoadCycles|RandomSessions|memory_limit_store|browser_|validate|fuzzer'

if [[ ${1:-} == quick || ${1:-} == only ]]; then
  mode=$1
  if [[ $mode == only && -z ${2:-} ]]; then
    echo "usage: tools/test.sh only REGEX   (a part of a test's name; ctest -N --preset linux lists them)" >&2
    exit 2
  fi
  cmake --preset linux >/dev/null
  cmake --build --preset linux
  if [[ $mode == quick ]]; then
    exec ctest --preset linux -j "$cores" -E "$long_tests"
  fi
  exec ctest --preset linux -j "$cores" -R "$2"
fi

export WINEDEBUG=-all
# No .NET or HTML runtime is needed; skipping them keeps the first start of a
# new prefix from asking to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A private Wine prefix, so the run does not depend on the user's own.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine-prefix}"

# Packs the Windows build whose tests have just passed. The module's hash is
# recorded first; CPack builds nothing, and its check after packing refuses
# a module whose hash differs (tests/check_package.cmake).
package_tested_build() {
  rm -rf build/windows/package
  cmake -E sha256sum build/windows/bin/Tackpin.dll >build/windows/tested-module.sha256
  cpack --preset windows
}

legs=("$@")
((${#legs[@]})) || legs=(format linux fuzz windows)

status=0
for leg in "${legs[@]}"; do
  echo "=== $leg ==="
  if [[ $leg == format ]]; then
    tools/format.sh --check || status=1
    continue
  fi
  cmake --preset "$leg" >/dev/null
  cmake --build --preset "$leg"
  if [[ $leg == windows ]]; then tools/wine-prefix.sh || { status=1; continue; }; fi
  jobs=1
  [[ $leg == linux ]] && jobs=$cores
  if ctest --preset "$leg" -j "$jobs"; then
    if [[ $leg == windows ]]; then package_tested_build || status=1; fi
  else
    status=1
  fi
done
exit $status
