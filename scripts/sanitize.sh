#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (float-to-integer
# overflow included) in its own folder, build-sanitize, and runs the whole test suite under them;
# the hat-file robustness test (thousands of generated and mutated hat files) is part of it. Any
# finding ends the process that made it, so its test fails: a clean run has no findings.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
sanitizers="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-O1 -g $sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
cmake --build build-sanitize -j2
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j2 "$@"
