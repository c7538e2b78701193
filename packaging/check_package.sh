#!/usr/bin/env bash
# Checks the Debian package without installing it: the files it holds, its dependencies, its
# desktop entry and metadata, and that the menu launcher seeds a per-user program folder and
# starts the program there — twice, without touching what the user changed.
# Usage: packaging/check_package.sh PACKAGE.deb
set -euo pipefail
deb=$(readlink -f "$1")
project=$(dirname "$(readlink -f "$0")")/..
work=$(mktemp -d)
trap 'kill ${program:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/mevrolin ./usr/bin/mevrolin-start ./usr/share/mevrolin/Mevrolin.hlp \
         ./usr/share/applications/jp.kelvado.Mevrolin.desktop \
         ./usr/share/metainfo/jp.kelvado.Mevrolin.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/mevrolin.svg \
         ./usr/share/icons/hicolor/256x256/apps/mevrolin.png; do
  grep -qxF "$f" <<<"$contents" || fail "missing $f"
done
units=$(grep -cE '^\./usr/share/mevrolin/DATA/.+\.(mvr|tst)$' <<<"$contents" || true)
[ "$(ls "$project/DATA" 2>/dev/null | grep -cE '\.(mvr|tst)$' || true)" = "$units" ] ||
  fail "the package holds $units sample units, DATA/ has others"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6svg6 fonts-ipafont-gothic fonts-urw-base35 qt6-translations-l10n; do
  grep -q "$d" <<<"$depends" || fail "no dependency on $d: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/jp.kelvado.Mevrolin.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/jp.kelvado.Mevrolin.metainfo.xml" >/dev/null

# The launcher, run as the menu runs it, on a private X server.
display=$((900 + $$ % 90))
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_DATA_HOME="$work/home/data"
folder="$XDG_DATA_HOME/Kelvado/Mevrolin"
start() {
  "$root/usr/bin/mevrolin-start" >"$work/program.log" 2>&1 &
  program=$!
  timeout 30 xdotool search --sync --name 'Kelvado 反比例（中学版） - Mevrolin.mvr' >/dev/null ||
    fail "no main window (see the program's log below)
$(cat "$work/program.log")"
  kill "$program"
  wait "$program" 2>/dev/null || true
}
start
[ -L "$folder/Mevrolin.hlp" ] || fail "no help file in the program folder"
for unit in "$root"/usr/share/mevrolin/DATA/*; do
  [ -f "$unit" ] || continue
  cmp -s "$unit" "$folder/DATA/$(basename "$unit")" || fail "$(basename "$unit") was not seeded"
done
# A unit the teacher changed and one they deleted stay as they left them.
changed=$(ls "$folder/DATA" | head -n 1)
deleted=$(ls "$folder/DATA" | sed -n 2p)
if [ -n "$changed" ]; then printf 'changed\r\n' >"$folder/DATA/$changed"; fi
if [ -n "$deleted" ]; then rm "$folder/DATA/$deleted"; fi
start
if [ -n "$changed" ]; then
  [ "$(cat "$folder/DATA/$changed")" = $'changed\r' ] || fail "$changed was overwritten"
fi
if [ -n "$deleted" ]; then
  [ ! -e "$folder/DATA/$deleted" ] || fail "$deleted came back"
fi
echo "Package checked: $(basename "$deb") ($units sample units)."
