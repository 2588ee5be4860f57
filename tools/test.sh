#!/bin/sh
# Builds and runs every test: the Release build, then the same suite built
# with the address and undefined-behaviour sanitizers.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKMD_SANITIZE=ON
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2
