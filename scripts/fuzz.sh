#!/usr/bin/env bash
# Builds the fuzz targets with clang (build/fuzz) and runs each for a bounded time: two thirds of
# the time for the work-file readers, the rest for the profile-file parser of Record.ini and the
# reader of the recovery copy.
# Usage: scripts/fuzz.sh [seconds]   (the total, default 60; MEVROLIN_FUZZ_SECONDS works too)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${MEVROLIN_FUZZ_SECONDS:-60}}"
work_seconds=$((seconds * 2 / 3))
profile_seconds=$(((seconds - work_seconds) / 2))
recovery_seconds=$((seconds - work_seconds - profile_seconds))

export CC=clang CXX=clang++
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build/fuzz/artifacts

# fuzz TARGET SECONDS SEEDS DICT: new inputs the fuzzer finds go to the build folder; the seeds
# in the source tree stay as they are.
fuzz() {
  local corpus="build/fuzz/corpus_$1"
  mkdir -p "$corpus"
  "./build/fuzz/fuzz/$1" "$corpus" "$3" \
    -dict="$4" -max_total_time="$2" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
}
fuzz work_file_fuzz "$work_seconds" fuzz/corpus fuzz/work_file.dict
fuzz profile_file_fuzz "$profile_seconds" fuzz/profile_corpus fuzz/profile_file.dict
fuzz recovery_copy_fuzz "$recovery_seconds" fuzz/recovery_corpus fuzz/work_file.dict
