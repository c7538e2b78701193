#!/usr/bin/env bash
# Installs what is missing, builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test (unit tests and offscreen widget tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check_format.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
cmake --preset asan >/dev/null
cmake --build --preset asan -j2
# The work-file readers are fuzzed for a bounded time first, so that the test summary closes
# the run.
if command -v clang++ >/dev/null 2>&1; then bash scripts/fuzz.sh; fi
ctest --preset asan
