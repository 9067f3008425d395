#!/usr/bin/env bash
# Builds the release package Tackpin-VERSION-win64.zip (Tackpin.dll, the
# install note, the licence) into build/windows/package/. The Windows leg
# runs first: the module is built and every test runs under Wine, and only
# when all pass is that same module packed and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/test.sh windows
ls build/windows/package/Tackpin-*-win64.zip
