#!/usr/bin/env bash
# test_all.sh -- builds the native, i686 and x86_64 builds and runs every test through ctest.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup_debian.sh"
build=${KVRN_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KVRN_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"${KVRN_TEST_JOBS:-2}" ${KVRN_CTEST_ARGS:-}
