#!/usr/bin/env bash
# A fuzzing campaign: every fuzzer in turn, each for MINUTES minutes (5 when
# not given), from its seed corpus in the repository plus what earlier
# campaigns found (build/fuzz/fuzz-work/NAME, never the repository). Shows
# each fuzzer's progress once a minute, then one line per fuzzer with its
# executions, coverage (edges, features), corpus and crashes, and the totals.
# Exits 1 when any fuzzer crashed or found a breach of the host contract;
# the input that did it is left as build/fuzz/fuzz-work/NAME-crash-... A
# fuzzer stopped by its 10-second timeout leaves NAME-timeout-...; the input
# is run again at once, and a timeout that does not come again (the machine
# was busy) is shown as such, not counted as a crash.
#
#   tools/fuzz.sh                  5 minutes per fuzzer, one at a time
#   tools/fuzz.sh 30               30 minutes per fuzzer
#   FUZZ_JOBS=2 tools/fuzz.sh 30   two fuzzers at a time (one per core)
#   FUZZERS="session_fuzzer" tools/fuzz.sh 10    only these fuzzers
#
# The checks are those of the short runs in CI (AddressSanitizer with leak
# detection, UndefinedBehaviorSanitizer, the host's contract), except that
# allocation stacks are not recorded (malloc_context_size=0), which makes a
# run about a third faster; replay a crash input with the fuzzer alone to
# see them.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes="${1:-5}"
if ! [[ $minutes =~ ^[0-9]+$ ]] || ((minutes < 1)); then
  echo "usage: tools/fuzz.sh [MINUTES]   (whole minutes per fuzzer, at least 1)" >&2
  exit 2
fi
jobs="${FUZZ_JOBS:-1}"
read -r -a fuzzers <<<"${FUZZERS:-event_lists_fuzzer widget_lists_fuzzer settings_texts_fuzzer session_fuzzer obj_files_fuzzer}"

echo "building the fuzzers (preset fuzz)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=build/fuzz/fuzz-work
logs=build/fuzz/campaign
rm -rf "$logs"
mkdir -p "$logs"
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
started=$(date -u +%Y-%m-%dT%H:%MZ)
start_seconds=$SECONDS
echo "campaign of $commit: ${#fuzzers[@]} fuzzers, $minutes min each, $jobs at a time, from $started"

# The last status line libFuzzer wrote ("#N ... cov: E ft: F corp: C/... exec/s: R").
last_status() { grep -E '^#[0-9]+' "$1" | tail -n 1 || true; }

# Runs one fuzzer for the campaign's time, shows its progress, and leaves its
# summary line in $logs/NAME.summary.
run_fuzzer() {
  local fuzzer=$1 log="$logs/$1.log" before after status=0 crashes
  mkdir -p "$work/$fuzzer"
  before=$(find "$work" -maxdepth 1 -name "$fuzzer-crash-*" | wc -l)
  touch "$log.started"
  echo "== $fuzzer: $minutes min"
  ASAN_OPTIONS=detect_leaks=1:malloc_context_size=0 build/fuzz/bin/$fuzzer \
    -max_total_time=$((minutes * 60)) -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$work/$fuzzer-" "$work/$fuzzer" "tests/fuzz/corpus/$fuzzer" >"$log" 2>&1 &
  local pid=$! elapsed=0
  while kill -0 "$pid" 2>/dev/null; do
    sleep 5
    elapsed=$((elapsed + 5))
    if ((elapsed % 60 == 0)); then echo "   $fuzzer, $((elapsed / 60)) min: $(last_status "$log")"; fi
  done
  wait "$pid" || status=$?
  after=$(find "$work" -maxdepth 1 -name "$fuzzer-crash-*" | wc -l)
  crashes=$((after - before))
  local timeout
  timeout=$(find "$work" -maxdepth 1 -name "$fuzzer-timeout-*" -newer "$log.started" | head -n 1)
  if ((status != 0 && crashes == 0)) && [[ -n $timeout ]]; then
    if ASAN_OPTIONS=detect_leaks=1 build/fuzz/bin/$fuzzer -timeout=10 "$timeout" >"$log.replay" 2>&1; then
      echo "   $fuzzer stopped at a timeout that the input does not repeat ($(grep -oE 'in [0-9]+ ms' "$log.replay")): the machine was busy"
      status=0
    fi
  fi
  if ((status != 0 && crashes == 0)); then crashes=1; fi
  local execs line cov ft corp
  execs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
  line=$(last_status "$log")
  cov=$(grep -oE 'cov: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  ft=$(grep -oE 'ft: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  corp=$(grep -oE 'corp: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  printf '%s %s %s %s %s %s\n' "$fuzzer" "${execs:-0}" "$cov" "$ft" "$corp" "$crashes" \
    >"$logs/$fuzzer.summary"
  echo "== $fuzzer done: ${execs:-0} executions, $crashes crashes"
  if ((crashes > 0)); then
    echo "   CRASH: see $log and $work/$fuzzer-crash-*"
    grep -m 5 -E 'ERROR|breach|SUMMARY' "$log" | sed 's/^/   /' || true
  fi
}

running=0
for fuzzer in "${fuzzers[@]}"; do
  if ((running >= jobs)); then
    wait -n || true
    running=$((running - 1))
  fi
  run_fuzzer "$fuzzer" &
  running=$((running + 1))
done
wait

total_execs=0
total_crashes=0
echo
echo "campaign of $commit from $started to $(date -u +%Y-%m-%dT%H:%MZ)" \
  "($(((SECONDS - start_seconds) / 60)) min, $minutes min per fuzzer, $jobs at a time)"
printf '%-22s %12s %7s %8s %7s %8s\n' fuzzer executions cov ft corpus crashes
for fuzzer in "${fuzzers[@]}"; do
  read -r name execs cov ft corp crashes <"$logs/$fuzzer.summary"
  printf '%-22s %12s %7s %8s %7s %8s\n' "$name" "$execs" "$cov" "$ft" "$corp" "$crashes"
  total_execs=$((total_execs + execs))
  total_crashes=$((total_crashes + crashes))
done
echo "total: $total_execs executions, $total_crashes crashes"
((total_crashes == 0))
