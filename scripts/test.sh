#!/usr/bin/env bash
# Installs what is needed, checks the format and the layering of the sources, builds, and runs
# every test: the unit, widget and end-to-end tests of the normal build, then the core tests and a
# short fuzzing run under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
scripts/check-layers.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"

# Sanitizer build of the core with clang, which also builds the libFuzzer targets.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTINTORA_GUI=OFF -DTINTORA_BENCH=OFF -DTINTORA_SANITIZE=ON -DTINTORA_FUZZ=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
scripts/fuzz.sh build-asan "${TINTORA_FUZZ_SECONDS:-20}"
