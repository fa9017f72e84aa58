#!/usr/bin/env bash
# test_all.sh -- builds the native, i686 and x86_64 builds and runs every test through ctest, then the
# unit suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup_debian.sh"
build=${KVRN_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KVRN_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest --output-on-failure -j"${KVRN_TEST_JOBS:-2}" ${KVRN_CTEST_ARGS:-})

# Only the unit test program, in one process; any sanitizer report fails the run. OSMesa keeps
# allocations of its own until exit: those alone are not leaks. This build names its score
# server by a dotted address, as a builder may.
sanitized=$build/sanitized
cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DKVRN_SANITIZE=ON -DKVRN_WINDOWS_BUILDS=OFF \
      -DKVRN_SCORE_HOST=127.0.0.1
cmake --build "$sanitized" --target kvrn_tests -j"$(nproc)"
cd "$sanitized"
KVRN_TEST_OUTPUT="$sanitized/test-output" LP_NUM_THREADS=2 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan_suppressions.txt" ./kvrn_tests
