#!/usr/bin/env bash
# A fuzzing campaign: every fuzzer in turn, each for MINUTES minutes (5 when
# not given), from its seed corpus in the repository plus what earlier
# campaigns found (build/fuzz/fuzz-work/NAME, never the repository). Shows
# each fuzzer's progress once a minute, then one line per fuzzer with its
# executions, coverage (edges, features), corpus and crashes, and the totals.
# Exits 1 when any fuzzer crashed or found a breach of the host contract;
# the input that did it is left as build/fuzz/fuzz-work/NAME-crash-...
#
#   tools/fuzz.sh              5 minutes per fuzzer
#   tools/fuzz.sh 30           30 minutes per fuzzer
#   FUZZERS="session_fuzzer" tools/fuzz.sh 10    only these fuzzers
set -euo pipefail
cd "$(dirname "$0")/.."

minutes="${1:-5}"
if ! [[ $minutes =~ ^[0-9]+$ ]] || ((minutes < 1)); then
  echo "usage: tools/fuzz.sh [MINUTES]   (whole minutes per fuzzer, at least 1)" >&2
  exit 2
fi
fuzzers=(${FUZZERS:-event_lists_fuzzer widget_lists_fuzzer settings_texts_fuzzer session_fuzzer obj_files_fuzzer})

echo "building the fuzzers (preset fuzz)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=build/fuzz/fuzz-work
logs=build/fuzz/campaign
mkdir -p "$logs"
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
started=$(date -u +%Y-%m-%dT%H:%MZ)
echo "campaign of $commit, $minutes min per fuzzer, ${#fuzzers[@]} fuzzers, from $started"

# The last status line libFuzzer wrote ("#N ... cov: E ft: F corp: C/... exec/s: R").
last_status() { grep -E '^#[0-9]+' "$1" | tail -n 1 || true; }

total_execs=0
total_crashes=0
summary=()
for fuzzer in "${fuzzers[@]}"; do
  mkdir -p "$work/$fuzzer"
  log="$logs/$fuzzer.log"
  echo "== $fuzzer: $minutes min"
  before=$(ls "$work" | grep -c "^$fuzzer-crash-" || true)
  # Under the same sanitizers and limits as the short runs of CI.
  ASAN_OPTIONS=detect_leaks=1 build/fuzz/bin/$fuzzer -max_total_time=$((minutes * 60)) \
    -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$work/$fuzzer-" \
    "$work/$fuzzer" "tests/fuzz/corpus/$fuzzer" >"$log" 2>&1 &
  pid=$!
  elapsed=0
  while kill -0 "$pid" 2>/dev/null; do
    sleep 5
    elapsed=$((elapsed + 5))
    if ((elapsed % 60 == 0)); then
      echo "   $((elapsed / 60)) min: $(last_status "$log")"
    fi
  done
  status=0
  wait "$pid" || status=$?
  after=$(ls "$work" | grep -c "^$fuzzer-crash-" || true)
  crashes=$((after - before))
  if ((status != 0 && crashes == 0)); then crashes=1; fi
  execs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
  line=$(last_status "$log")
  cov=$(grep -oE 'cov: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  ft=$(grep -oE 'ft: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  corp=$(grep -oE 'corp: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  total_execs=$((total_execs + ${execs:-0}))
  total_crashes=$((total_crashes + crashes))
  summary+=("$(printf '%-22s %12s execs  cov %6s  ft %7s  corpus %6s  crashes %s' \
    "$fuzzer" "$execs" "$cov" "$ft" "$corp" "$crashes")")
  if ((crashes > 0)); then
    echo "   CRASH: see $log and $work/$fuzzer-crash-*"
    grep -m 5 -E 'ERROR|breach|SUMMARY' "$log" | sed 's/^/   /' || true
  fi
done

echo
echo "campaign of $commit from $started to $(date -u +%Y-%m-%dT%H:%MZ), $minutes min per fuzzer"
printf '%s\n' "${summary[@]}"
echo "total: $total_execs executions, $total_crashes crashes"
((total_crashes == 0))
