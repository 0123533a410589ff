#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, replays the inputs kept in
# fuzz/regressions/<target> and runs each target over a fixed number of
# inputs, starting from the seed files in fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${KD_FUZZ_RUNS:-20000}
if ! ls fuzz/*/CMakeLists.txt >/dev/null 2>&1; then
  exit 0
fi
scripts/build.sh fuzz
for target in build/fuzz/fuzz/bin/*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  # Inputs that once failed (fuzz/regressions/<target>) are replayed one by one.
  if [ -d "fuzz/regressions/$name" ]; then
    "$target" fuzz/regressions/"$name"/* >/tmp/kd-fuzz-$name.log 2>&1 || {
      tail -50 /tmp/kd-fuzz-$name.log
      exit 1
    }
  fi
  corpus=$(mktemp -d)
  if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$corpus/"; fi
  echo "fuzz: $name ($RUNS inputs)"
  "$target" -runs="$RUNS" -max_len=65536 -rss_limit_mb=2048 -timeout=10 "$corpus" >/tmp/kd-fuzz-$name.log 2>&1 || {
    tail -50 /tmp/kd-fuzz-$name.log
    exit 1
  }
  rm -rf "$corpus"
done
