#!/usr/bin/env bash
# Builds optimised and measures each operation against its floor. Prints one
# table: per operation and grid size, the paired time ratio (operation and
# floor alternately in one loop; median, quartiles, pairs) beside the ratio
# of the instructions the two execute, counted first under callgrind. Fails
# (exit 1) when the two ratios differ by more than 0.35 at a million faces.
#
#   --ten-million     adds the ten-million-face grid (minutes more, about
#                     4.2 GiB of memory; the count under callgrind is long)
#   --sizes=LIST      only these grid sizes, e.g. --sizes=10000,100000
#   --no-count        no callgrind run: the instruction column stays empty
#   --classic         Google Benchmark's runs and summary instead; the other
#                     arguments go to Google Benchmark. Any --benchmark_...
#                     argument (--benchmark_filter=...) implies it.
# Other arguments go to the paired runner: --min-time=SECONDS (3),
# --min-pairs=N (135), --rounds=N (9: each size's cases measured in turn N
# times over, each time for its share of the pairs and time),
# --agree-within=RATIO (0.35), --cold (no untimed execution of each body right
# before its timed side of a pair), --only=NAME,... (these operations alone,
# e.g. --only=SelectMarker,DrawPass).
set -euo pipefail
cd "$(dirname "$0")/.."

classic=false
count=true
args=()
for arg in "$@"; do
  case $arg in
    --ten-million) export TACKPIN_BENCH_TEN_MILLION=1 ;;
    --sizes=*) export TACKPIN_BENCH_SIZES=${arg#--sizes=} ;;
    --classic) classic=true ;;
    --benchmark_*) classic=true; args+=("$arg") ;;
    --no-count) count=false ;;
    *) args+=("$arg") ;;
  esac
done

tools/install-deps.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target tackpin_bench
program=build/linux-release/bin/tackpin_bench

if $classic; then
  exec "$program" ${args[@]+"${args[@]}"}
fi

counts=$(mktemp -d)
trap 'rm -rf "$counts"' EXIT
if $count; then
  # One warm execution of each body counted; the grids are built without
  # instrumentation, but still several times slower than natively.
  echo "counting instructions under callgrind (a minute or more per million faces)..."
  start=$SECONDS
  valgrind --tool=callgrind --collect-atstart=no --instr-atstart=no \
    --callgrind-out-file="$counts/callgrind.out" "$program" --count 2>"$counts/valgrind.log" || {
    cat "$counts/valgrind.log" >&2
    exit 2
  }
  grep '^counted' "$counts/valgrind.log" || true
  echo "callgrind run: $((SECONDS - start)) s"
  awk -f tools/callgrind-counts.awk "$counts"/callgrind.out.* >"$counts/instructions.txt"
fi

start=$SECONDS
status=0
"$program" --paired --instructions="$counts/instructions.txt" ${args[@]+"${args[@]}"} || status=$?
echo "paired run: $((SECONDS - start)) s"
exit "$status"
