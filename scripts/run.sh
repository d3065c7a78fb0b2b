#!/usr/bin/env bash
# Installs what is missing, builds Quandrel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANDREL_BUILD_TESTS=OFF -DQUANDREL_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)" --target quandrel
exec ./build/src/quandrel "$@"
