#!/usr/bin/env bash
# A long fuzzing campaign (not part of CI). Builds the libFuzzer targets
# (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and runs each target
# in turn on one core at the lowest priority, until it has run the given
# number of inputs or the given time, whichever comes first.
#
#   scripts/fuzz-long.sh [target...]          (default: every target)
#
#   KD_FUZZ_LONG_RUNS     inputs per target             (default 10000000)
#   KD_FUZZ_LONG_SECONDS  seconds per target            (default 3600)
#   KD_FUZZ_WORK          work folder, outside the repo (default /tmp/kavorodeck-fuzz)
#
# The corpus grows in $KD_FUZZ_WORK/corpus/<target> (the seeds in
# fuzz/corpus/<target> and fuzz/regressions/<target> are read, never
# written); an input that crashes, leaks, times out or runs out of memory is
# saved in $KD_FUZZ_WORK/findings/<target>/ and ends that target's run. Keep
# each finding, once fixed, in fuzz/regressions/<target>/: scripts/run-fuzz.sh
# replays that folder on every CI run.
# Do not stop a run (SIGSTOP, a suspended laptop): libFuzzer times its inputs
# by the wall clock, so the input running at the pause is saved as a timeout.
# Every timeout and slow input is therefore run once more at the end; one that
# now finishes within the limit is listed as "stalled", not as a finding.
# Exit status 1 when any target has a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

runs=${KD_FUZZ_LONG_RUNS:-10000000}
seconds=${KD_FUZZ_LONG_SECONDS:-3600}
work=${KD_FUZZ_WORK:-/tmp/kavorodeck-fuzz}
case "$(realpath -m "$work")/" in
  "$repo"/*)
    echo "KD_FUZZ_WORK must lie outside the repository" >&2
    exit 2
    ;;
esac

scripts/build.sh fuzz -j1 >/dev/null
bin=build/fuzz/fuzz/bin
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for path in "$bin"/*; do [ -x "$path" ] && targets+=("$(basename "$path")"); done
fi

# The value of "stat::NAME:" in a libFuzzer log, or "?".
final_stat() { grep -m1 "^stat::$2:" "$1" | awk '{print $2}' || echo "?"; }
# Moves the timeouts and slow inputs of folder $2 that target $1 now runs
# within the time limit into $2/stalled/; prints how many it moved.
set_aside_stalled() {
  local moved=0 input
  for input in "$2"/timeout-* "$2"/slow-unit-*; do
    [ -f "$input" ] || continue
    if timeout 20 "$bin/$1" -timeout=10 "$input" >/dev/null 2>&1; then
      mkdir -p "$2/stalled" && mv "$input" "$2/stalled/" && moved=$((moved + 1))
    fi
  done
  echo "$moved"
}
# cov and ft of the last status line, as "cov ft".
coverage() {
  grep -E '^#[0-9]+.*cov: ' "$1" | tail -1 |
    sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/\1 \2/' || true
}

mkdir -p "$work/logs"
table=$work/summary.txt
printf '%-20s %12s %8s %7s %8s %9s %8s %8s\n' target executions exec/s cov ft "peak MB" findings stalled \
  >"$table"
status=0
for target in "${targets[@]}"; do
  [ -x "$bin/$target" ] || { echo "no fuzz target $target" >&2; exit 2; }
  corpus=$work/corpus/$target
  findings=$work/findings/$target
  log=$work/logs/$target.log
  mkdir -p "$corpus" "$findings"
  seeds=()
  for folder in "fuzz/corpus/$target" "fuzz/regressions/$target"; do
    [ -d "$folder" ] && seeds+=("$folder")
  done
  echo "fuzz-long: $target (at most $runs inputs or $seconds s) -> $log"
  # libFuzzer runs on one thread; new inputs go to the first folder only.
  nice -n 19 "$bin/$target" -runs="$runs" -max_total_time="$seconds" -print_final_stats=1 \
    -max_len=65536 -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$findings/" \
    "$corpus" "${seeds[@]}" >"$log" 2>&1 || true
  stalled=$(set_aside_stalled "$target" "$findings")
  found=$(find "$findings" -maxdepth 1 -type f | wc -l)
  [ "$found" -eq 0 ] || status=1
  read -r cov ft <<<"$(coverage "$log")"
  printf '%-20s %12s %8s %7s %8s %9s %8s %8s\n' "$target" \
    "$(final_stat "$log" number_of_executed_units)" "$(final_stat "$log" average_exec_per_sec)" \
    "${cov:-?}" "${ft:-?}" "$(final_stat "$log" peak_rss_mb)" "$found" "$stalled" >>"$table"
done
cat "$table"
[ $status -eq 0 ] || echo "findings are in $work/findings" >&2
exit $status
