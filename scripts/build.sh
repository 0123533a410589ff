#!/usr/bin/env bash
# Configures and builds one build tree.
#   scripts/build.sh release   -> build/release  (Release, the program and benchmarks)
#   scripts/build.sh test      -> build/test     (ASan + UBSan, tests)
#   scripts/build.sh fuzz      -> build/fuzz     (clang + libFuzzer targets)
#   scripts/build.sh tsan      -> build/tsan     (clang + ThreadSanitizer, tests)
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-release}
shift || true
jobs=$(nproc)
case "$kind" in
  release)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKD_BUILD_TESTS=OFF -DKD_BUILD_BENCH=ON >/dev/null
    cmake --build build/release -j"$jobs" "$@"
    ;;
  test)
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKD_SANITIZE=ON \
      -DKD_BUILD_TESTS=ON -DKD_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-O1 -g" >/dev/null
    cmake --build build/test -j"$jobs" "$@"
    ;;
  fuzz)
    CXX=clang++ CC=clang cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKD_BUILD_TESTS=OFF -DKD_BUILD_BENCH=OFF -DKD_BUILD_FUZZ=ON >/dev/null
    cmake --build build/fuzz -j"$jobs" "$@"
    ;;
  tsan)
    CXX=clang++ CC=clang cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKD_TSAN=ON \
      -DKD_BUILD_TESTS=ON -DKD_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-O1 -g" >/dev/null
    cmake --build build/tsan -j"$jobs" "$@"
    ;;
  *)
    echo "usage: $0 release|test|fuzz|tsan [cmake --build args]" >&2
    exit 2
    ;;
esac
