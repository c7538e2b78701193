#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer, builds and checks the Debian package, fuzzes the file parsers for a
# bounded time and runs every test (unit tests and window tests).
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
# The Debian package a school installs, from a release build, checked without installing it.
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target mevrolin_package
rm -f build/release/mevrolin_*.deb
(cd build/release && cpack >/dev/null)
bash packaging/check_package.sh build/release/mevrolin_*.deb
# The launcher of that package with a class folder set by the administrator.
bash packaging/check_class_folder.sh build/release/mevrolin_*.deb
# The work-file readers are fuzzed for a bounded time first, so that the test summary closes
# the run.
if command -v clang++ >/dev/null 2>&1; then bash scripts/fuzz.sh; fi
ctest --preset asan
