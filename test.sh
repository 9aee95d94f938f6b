#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build, whose
# installation and Debian package are then checked, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, and then each fuzz target
# for a short fixed number of runs in an engine-only clang build.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh --fuzz

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -Wno-dev "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite build/release -DCMAKE_BUILD_TYPE=Release
./scripts/check-package.sh build/release
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVIK_SANITIZE=ON
run_suite build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DDRAVIK_FUZZ=ON
