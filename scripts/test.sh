#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless); then
# builds the tests again with AddressSanitizer and UBSan into build-asan/ and
# runs them there, where any sanitizer report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# The system's own texts, which the tests compare, whatever the locale.
export LANGUAGE= LC_ALL=C.UTF-8
ctest --test-dir build -j2 --output-on-failure

# clang: it builds these Debug tests in about two thirds of the time g++ takes.
cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DZEDA_SANITIZE=ON -DZEDA_BENCH=OFF
cmake --build build-asan -j2
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks are reported except inside the third-party libraries listed there.
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan -j2 --output-on-failure
