#!/usr/bin/env bash
# The main job: builds the plug-in and the command-line host, and runs the
# demo session on the example mesh. The transcript goes to the terminal; the
# pictures and the host's settings file go to build/demo/.
#
#   tools/demo.sh              natively (Tackpin.so)
#   tools/demo.sh --windows    the Windows build under Wine (Tackpin.dll);
#                              it draws no pictures and says so
# Further arguments go to tackpin-host (tackpin-host --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh

out=build/demo
if [[ "${1:-}" == "--windows" ]]; then
  shift
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tackpin-host Tackpin >/dev/null
  host=(wine "$root/build/windows/bin/tackpin-host.exe")
  out=build/demo-windows
else
  cmake --preset linux-release >/dev/null
  cmake --build --preset linux-release --target tackpin-host Tackpin >/dev/null
  host=("$root/build/linux-release/bin/tackpin-host")
fi

mkdir -p "$out"
cd "$out"
"${host[@]}" --settings host-settings.xml "$@" "$root/examples/demo.tps"
echo "the pictures and the host's settings file are in $out/"
