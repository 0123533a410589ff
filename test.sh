#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds the test
# configuration (AddressSanitizer + UndefinedBehaviorSanitizer) and runs every
# test through CTest, then runs each fuzz target over a fixed number of inputs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/check-format.sh
scripts/build.sh test
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
(cd build/test && ctest --output-on-failure -j"$(nproc)" --timeout 600)
scripts/run-fuzz.sh
