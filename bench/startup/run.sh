#!/usr/bin/env bash
# Start-up, memory and click latency of the program beside a bare Qt window of the same binary,
# on a private X server of 1024 × 768 (or offscreen with OFFSCREEN=1). Medians of RUNS starts.
# Usage: bench/startup/run.sh BUILD_DIR [RUNS]   (a release build: build/release)
set -euo pipefail
exe=$(readlink -f "$1/bench/startup/mevrolin_startup")
runs=${2:-15}
work=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
if [ "${OFFSCREEN:-0}" = 1 ]; then
  export QT_QPA_PLATFORM=offscreen
else
  display=$((700 + $$ % 100))
  while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
fi
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
cd "$work"  # a program folder of its own
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR + 1) / 2)]}'; }
# One run, told when it was started so that it can count from the process's start.
run() { STARTED_NS=$(date +%s%N) "$exe" "$@" >>"$work/lines"; }
"$exe" bare >/dev/null; "$exe" program >/dev/null  # warm the caches
for _ in $(seq "$runs"); do
  run bare
  run program
done
run program100
run click 40
field() { grep "^$1 " "$work/lines" | sed -n "s/.*$2=\([0-9.]*\).*/\1/p"; }
bare_start=$(field bare started_ms | median)
program_start=$(field program started_ms | median)
bare_paint=$(field bare painted_ms | median)
program_paint=$(field program painted_ms | median)
bare_kib=$(field bare peak_kib | median)
program_kib=$(field program peak_kib | median)
hundred_kib=$(field program100 peak_kib | median)
click=$(field click click_median_ms)
awk -v bs="$bare_start" -v ps="$program_start" -v bp="$bare_paint" -v pp="$program_paint" \
    -v bk="$bare_kib" -v pk="$program_kib" -v hk="$hundred_kib" -v c="$click" -v n="$runs" 'BEGIN {
  printf "process start to painted window (median of %d): bare %.1f ms, program %.1f ms = %.2f x bare\n", n, bs, ps, ps / bs
  printf "main() to painted window (median of %d):        bare %.1f ms, program %.1f ms = %.2f x bare\n", n, bp, pp, pp / bp
  printf "peak memory: bare %.1f MiB, program %.1f MiB = %.2f x bare, after 100 curves %.1f MiB = %.2f x bare\n", bk / 1024, pk / 1024, pk / bk, hk / 1024, hk / bk
  printf "quick click to the curve on screen (median of 40): %.1f ms\n", c
}'
