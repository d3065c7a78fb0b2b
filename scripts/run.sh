#!/usr/bin/env bash
# Installs what is missing, builds Quandrel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target quandrel
exec ./build/src/quandrel "$@"
