#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine. Idempotent:
# packages already present are left alone.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  # the benchmarks' instruction counts (callgrind and its client requests)
  valgrind
  googletest libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
  # tackpin-host: pictures, line editing, options; a font for the pictures' text
  libcairo2-dev libedit-dev libcli11-dev fonts-dejavu-core
  # the fuzzers: clang and its libFuzzer
  clang libclang-rt-14-dev
  # the formatter and its check (tools/format.sh)
  clang-format-14
  # tackpin-serve: its HTTP server and JSON; the browser its page is tested in
  libcpp-httplib-dev nlohmann-json3-dev chromium
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ((${#missing[@]})); then
  # The first run on a fresh machine installs most of these: that takes a
  # few minutes, and apt-get shows each package as it goes.
  echo "installing ${#missing[@]} packages with apt-get: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The page's libraries and its test driver, pinned in package-lock.json:
# three.js for the 3D view, puppeteer-core for the tests (it drives the
# system's Chromium and downloads no browser of its own).
if ! command -v npm >/dev/null; then
  echo "installing nodejs and npm with apt-get"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends nodejs npm
fi
if [ ! -f node_modules/.package-lock.json ] || ! cmp -s package-lock.json node_modules/.tackpin-installed-lock; then
  echo "installing the page's packages with npm ci"
  npm ci --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.tackpin-installed-lock
fi
