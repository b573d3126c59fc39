#!/usr/bin/env bash
# Builds the Linux program and its tests with each CMake preset named, and
# runs the tests: test.sh's Linux suites, on this machine and in the
# Debian 13 system alike.
# usage: tests/linux-suites.sh PRESET...
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
for preset in "$@"; do
    echo "=== ${preset} build ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
