#!/bin/sh
# Runs make_screenshot on a private X server of a school's usual screen size, from an empty program
# folder and with settings of its own, so that the builder's own settings never show in the picture.
# Usage: make_screenshot.sh MAKE_SCREENSHOT OUT.png UNIT.mvr
set -eu
tool=$1; out=$2; unit=$3
work=$(mktemp -d)
xvfb=
trap 'if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
# -displayfd: the server takes a display number no other server holds and tells it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
display=
for _ in $(seq 100); do
  display=$(head -n 1 "$work/display" 2>/dev/null || true)
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "$display" ] || { echo "make_screenshot.sh: no X server" >&2; exit 1; }
mkdir "$work/folder"
cd "$work/folder"
DISPLAY=":$display" QT_QPA_PLATFORM=xcb HOME="$work" XDG_CONFIG_HOME="$work/config" \
  "$tool" "$out" "$unit"
