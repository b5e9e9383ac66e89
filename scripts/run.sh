#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine when needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNENCHO_TESTS=OFF
cmake --build build/release --target nencho
exec build/release/nencho "$@"
