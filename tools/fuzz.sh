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
#   FUZZ_JOBS=2 tools/fuzz.sh 30   two at a time (one per core)
#   FUZZERS="session_fuzzer" tools/fuzz.sh 10    only these fuzzers
#   FUZZ_EXECUTIONS=10000000 FUZZ_JOBS=2 tools/fuzz.sh 20
#                                  rounds of 20 minutes per fuzzer until ten
#                                  million executions in all
#
# With FUZZ_JOBS=J, each fuzzer's minutes are run as J slices one after the
# other (each slice goes on from the corpus the last one left), so that no
# core waits while the last fuzzer of a round runs alone. A campaign with
# FUZZ_EXECUTIONS starts no new slice once that many executions are done,
# and ends when the running slices end. Ctrl-C ends the running slices and
# still prints what was done.
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
target="${FUZZ_EXECUTIONS:-0}"
if ! [[ $jobs =~ ^[1-9][0-9]*$ ]] || ! [[ $target =~ ^[0-9]+$ ]]; then
  echo "FUZZ_JOBS must be a whole number of at least 1, FUZZ_EXECUTIONS a whole number" >&2
  exit 2
fi
read -r -a fuzzers <<<"${FUZZERS:-event_lists_fuzzer widget_lists_fuzzer settings_texts_fuzzer session_fuzzer obj_files_fuzzer}"
slice_seconds=$((minutes * 60 / jobs))
slice_length="$((slice_seconds / 60)) min"
((slice_seconds % 60 == 0)) || slice_length="$slice_length $((slice_seconds % 60)) s"

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
goal="$minutes min each"
((target > 0)) && goal="rounds of $minutes min each until $target executions"
echo "campaign of $commit: ${#fuzzers[@]} fuzzers, $goal, $jobs at a time" \
  "(slices of $slice_length), from $started"

# The last status line libFuzzer wrote ("#N ... cov: E ft: F corp: C/... exec/s: R").
last_status() { grep -E '^#[0-9]+' "$1" | tail -n 1 || true; }

# Runs one slice of a fuzzer, shows its progress, and leaves its summary line
# ("NAME EXECUTIONS COV FT CORPUS CRASHES") in $logs/NAME.SLICE.summary.
run_slice() {
  local fuzzer=$1 slice=$2 log="$logs/$1.$2.log" before after status=0 crashes
  mkdir -p "$work/$fuzzer"
  before=$(find "$work" -maxdepth 1 -name "$fuzzer-crash-*" | wc -l)
  touch "$log.started"
  echo "== $fuzzer, slice $slice: $slice_length"
  ASAN_OPTIONS=detect_leaks=1:malloc_context_size=0 build/fuzz/bin/$fuzzer \
    -max_total_time=$slice_seconds -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$work/$fuzzer-" "$work/$fuzzer" "tests/fuzz/corpus/$fuzzer" >"$log" 2>&1 &
  local pid=$! elapsed=0
  # The campaign's end after a Ctrl-C: libFuzzer stops and prints its figures.
  trap 'kill -INT $pid 2>/dev/null || true' TERM
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
  # Ctrl-C ends libFuzzer with its own status; what it did up to then counts.
  if ((status != 0 && crashes == 0)) && grep -q 'libFuzzer: run interrupted' "$log"; then status=0; fi
  if ((status != 0 && crashes == 0)); then crashes=1; fi
  local execs line cov ft corp
  line=$(last_status "$log")
  execs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || true)
  if [[ -z $execs ]]; then execs=$(grep -oE '^#[0-9]+' <<<"$line" | tr -d '#' || echo 0); fi
  cov=$(grep -oE 'cov: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  ft=$(grep -oE 'ft: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  corp=$(grep -oE 'corp: [0-9]+' <<<"$line" | grep -oE '[0-9]+' || echo 0)
  printf '%s %s %s %s %s %s\n' "$fuzzer" "${execs:-0}" "$cov" "$ft" "$corp" "$crashes" \
    >"$logs/$fuzzer.$slice.summary"
  echo "== $fuzzer, slice $slice done: ${execs:-0} executions, $crashes crashes"
  if ((crashes > 0)); then
    echo "   CRASH: see $log and $work/$fuzzer-crash-*"
    grep -m 5 -E 'ERROR|breach|SUMMARY' "$log" | sed 's/^/   /' || true
  fi
}

# The executions and crashes of every slice that has ended.
done_totals() {
  cat "$logs"/*.summary 2>/dev/null | awk '{e += $2; c += $6} END {print e + 0, c + 0}'
}

interrupted=0
trap 'interrupted=1' INT TERM
running=0
next=0
while ((interrupted == 0)); do
  if ((target == 0 && next >= ${#fuzzers[@]} * jobs)); then break; fi
  if ((running >= jobs)); then
    wait -n || true
    ((interrupted == 0)) || break
    running=$((running - 1))
    read -r executions _ < <(done_totals)
    echo "   campaign so far: $executions executions, $(((SECONDS - start_seconds) / 60)) min"
    if ((target > 0 && executions >= target)); then break; fi
  fi
  # Slices go round the fuzzers, so that two slices of one fuzzer never run
  # at once while there are more fuzzers than jobs.
  fuzzer=${fuzzers[next % ${#fuzzers[@]}]}
  slice=$((next / ${#fuzzers[@]} + 1))
  run_slice "$fuzzer" "$slice" &
  running=$((running + 1))
  next=$((next + 1))
done
# The running slices end on their own, or at once after a Ctrl-C.
if ((interrupted == 1)); then pkill -TERM -P $$ 2>/dev/null || true; fi
while [[ -n $(jobs -rp) ]]; do wait -n || true; done

echo
echo "campaign of $commit from $started to $(date -u +%Y-%m-%dT%H:%MZ)" \
  "($(((SECONDS - start_seconds) / 60)) min, $goal, $jobs at a time)"
((interrupted == 0)) || echo "ended early (Ctrl-C or a stop signal)"
printf '%-22s %12s %7s %8s %7s %8s %7s\n' fuzzer executions cov ft corpus crashes slices
for fuzzer in "${fuzzers[@]}"; do
  # Executions and crashes add up over the slices; coverage and corpus are
  # the last slice's, which went on from all before it.
  summaries=$(ls -v "$logs/$fuzzer".*.summary 2>/dev/null || true)
  [[ -n $summaries ]] || continue
  # shellcheck disable=SC2086
  cat $summaries | awk '{name = $1; e += $2; c += $6; cov = $3; ft = $4; corp = $5; n++}
    END {printf "%-22s %12d %7d %8d %7d %8d %7d\n", name, e, cov, ft, corp, c, n}'
done
read -r total_execs total_crashes < <(done_totals)
echo "total: $total_execs executions, $total_crashes crashes"
((total_crashes == 0))
