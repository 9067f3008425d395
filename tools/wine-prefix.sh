#!/usr/bin/env bash
# Makes the private Wine prefix ($WINEPREFIX) that the Windows build runs
# in, once, and starts a Wine session in it for the runs that follow.
# Wine's messages while it makes the prefix and boots the session (a 32-bit
# part Debian's wine64 leaves out, the configuration it wrote, its own
# background programs) mean nothing to a user of this project: they go to a
# log beside the prefix, shown only when the making fails.
set -euo pipefail
prefix=${WINEPREFIX:?WINEPREFIX names the prefix to make}
log=$prefix.log

# One try at making the prefix; its messages go to the log.
make_prefix() {
  { wineboot --init && wineserver --wait; } >>"$log" 2>&1
}

# Wine has once failed to make a fresh prefix (its first program could not
# load kernel32.dll from the half-made prefix) where the same machine had
# just made another. So a failed try ends its session and goes, and the
# prefix is made once more; the log keeps both tries.
if [[ ! -f $prefix/system.reg ]]; then
  echo "preparing the Wine prefix $prefix (the first run only; about half a minute)"
  mkdir -p "$(dirname "$prefix")"
  : >"$log"
  if ! make_prefix; then
    echo "--- the first try failed; making the prefix again" >>"$log"
    wineserver --kill >>"$log" 2>&1 || true
    rm -rf "$prefix"
    if ! make_prefix; then
      echo "tools/wine-prefix.sh: Wine could not make the prefix, twice; its messages:" >&2
      cat "$log" >&2
      exit 1
    fi
  fi
fi

# The first program of a Wine session starts Wine's background programs
# (services, the desktop), and they write to that program's error output.
# A short program that ends while they still start up ends the session
# under them, and on a busy machine one of them can fault on its way down,
# in front of the user. So the session starts here, into the log, and
# stays ten seconds after its last program, long enough for the next run
# to join it. A session already running is joined as it is.
if wineserver --persistent=10 >>"$log" 2>&1; then
  wineboot >>"$log" 2>&1 || true
fi
