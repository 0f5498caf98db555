#!/usr/bin/env bash
# Builds everything and runs every test: the full build, then the headless
# core again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTABRINO_QT=OFF -DTABRINO_SANITIZE=ON >/dev/null
cmake --build build-asan -j2
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
