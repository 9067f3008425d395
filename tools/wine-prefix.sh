#!/usr/bin/env bash
# Makes the private Wine prefix ($WINEPREFIX) that the Windows build runs
# in, once. Its first start takes a while, and Wine's loader says things
# there that mean nothing to a user of this project (a 32-bit part Debian's
# wine64 leaves out, the configuration it wrote): they go to a log beside
# the prefix, shown only when the making fails.
set -euo pipefail
prefix=${WINEPREFIX:?WINEPREFIX names the prefix to make}
[[ -f $prefix/system.reg ]] && exit 0

echo "preparing the Wine prefix $prefix (the first run only; about half a minute)"
mkdir -p "$(dirname "$prefix")"
log=$prefix.log
if ! { wineboot --init && wineserver --wait; } >"$log" 2>&1; then
  echo "tools/wine-prefix.sh: Wine could not make the prefix; its messages:" >&2
  cat "$log" >&2
  exit 1
fi
