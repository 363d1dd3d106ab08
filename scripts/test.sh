#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs every test:
#   native (g++), native with ASan+UBSan and the fuzzer (clang), Windows (mingw-w64, under Wine).
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${MENETKALK_FUZZ_SECONDS:-60}

echo "== native build (g++)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMENETKALK_BENCHMARKS=ON
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== native build with sanitizers and fuzzer (clang)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DMENETKALK_SANITIZE=ON -DMENETKALK_FUZZ=ON -DMENETKALK_FUZZ_SECONDS="$fuzz_seconds"
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Windows build (mingw-w64), tests under Wine"
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build/windows -j "$jobs"
# One virtual display for the whole run; windows appear only there.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build/windows --output-on-failure --timeout 600

echo "== all tests passed"
