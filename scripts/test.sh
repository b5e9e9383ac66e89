#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine when needed, checks that every C++ file is laid out as
# .clang-format says, builds everything with warnings as errors under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
# A file laid out otherwise fails the run; `clang-format -i FILE` lays it out.
find src tests bench -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNENCHO_WERROR=ON -DNENCHO_SANITIZE=ON
cmake --build build/test
# Qt and fontconfig keep caches for the life of the process; leaks are not what these runs look for.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
source scripts/test-printer.sh
source scripts/test-display.sh
trap 'stop_test_printer; stop_test_display' EXIT
start_test_printer
# The tests of where windows stand run on a display of their own; the rest stay offscreen.
start_test_display
# A run that finds no test fails; CTest alone would pass it.
ctest --test-dir build/test --output-on-failure --no-tests=error -j "$(nproc)"
