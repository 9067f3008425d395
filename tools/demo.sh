#!/usr/bin/env bash
# The main job: builds the plug-in and the command-line host, and runs the
# demo session on the example mesh. The transcript goes to the terminal; the
# pictures and the host's settings file go to build/demo/.
#
#   tools/demo.sh              natively (Tackpin.so)
#   tools/demo.sh --windows    the Windows build under Wine (Tackpin.dll);
#                              it draws no pictures and says so
#   tools/demo.sh --browser    the same host in a web browser: tackpin-serve
#                              on 127.0.0.1, starting from the demo's
#                              pinboard with its three markers; Ctrl-C ends it
# Further arguments go to tackpin-host (tackpin-host --help lists them), or
# to tackpin-serve with --browser.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh

out=build/demo
if [[ "${1:-}" == "--browser" ]]; then
  shift
  preset=linux-release
  if [[ ! -f build/$preset/build.ninja ]]; then
    echo "configuring build/$preset (the first run only)"
  fi
  cmake --preset "$preset" >/dev/null
  echo "building the plug-in and tackpin-serve in build/$preset" \
    "(the first run takes a few minutes; see README.md)"
  cmake --build --preset "$preset" --target tackpin-serve Tackpin
  mkdir -p build/demo-browser
  # exec: Ctrl-C goes to tackpin-serve, which closes the host and writes its
  # settings file before it ends.
  exec "$root/build/$preset/bin/tackpin-serve" --settings build/demo-browser/host-settings.xml \
    --examples "$root/examples" "$@" "$root/examples/pinboard.tps"
fi
if [[ "${1:-}" == "--windows" ]]; then
  shift
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
  preset=windows
  program="build/windows/bin/tackpin-host.exe (run by wine)"
  host=(wine "$root/build/windows/bin/tackpin-host.exe")
  out=build/demo-windows
else
  preset=linux-release
  program=build/linux-release/bin/tackpin-host
  host=("$root/$program")
fi

# The first run builds everything the plug-in and tackpin-host need; later
# runs build only what changed. Ninja shows how far it is.
if [[ ! -f build/$preset/build.ninja ]]; then
  echo "configuring build/$preset (the first run only)"
fi
cmake --preset "$preset" >/dev/null
echo "building the plug-in and tackpin-host in build/$preset" \
  "(the first run takes a few minutes; see README.md)"
cmake --build --preset "$preset" --target tackpin-host tackpin-validate Tackpin
if [[ $preset == windows ]]; then tools/wine-prefix.sh; fi

echo "running examples/demo.tps"
mkdir -p "$out"
cd "$out"
"${host[@]}" --settings host-settings.xml "$@" "$root/examples/demo.tps"
echo "the pictures and the host's settings file are in $out/; tackpin-host is $program"
