#!/usr/bin/env bash
# Builds the work-file fuzz target with clang (build/fuzz) and runs it for a bounded time.
# Usage: scripts/fuzz.sh [seconds]   (default 60; MEVROLIN_FUZZ_SECONDS works too)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${MEVROLIN_FUZZ_SECONDS:-60}}"

export CC=clang CXX=clang++
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

# New inputs the fuzzer finds go to the build folder; the seeds in fuzz/corpus stay as they are.
work_corpus=build/fuzz/corpus
mkdir -p "$work_corpus" build/fuzz/artifacts
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
./build/fuzz/fuzz/work_file_fuzz "$work_corpus" fuzz/corpus \
  -dict=fuzz/work_file.dict -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
