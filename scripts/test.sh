#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# once as shipped, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
export CCACHE_BASEDIR="$PWD"
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUANDREL_SANITIZE=ON -DQUANDREL_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")
