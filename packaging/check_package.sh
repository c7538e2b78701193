#!/usr/bin/env bash
# Checks the Debian package without installing it: lintian finds nothing to warn of, the files it
# holds, its licence, its version told alike in the control file, the changelog and the AppStream
# metadata, its manual pages, its dependencies, its desktop entry and metadata, and that the menu
# launcher seeds a per-user program folder and starts the program there — then again after an
# upgrade that ships a new unit, without touching what the user changed, deleted or wrote.
# Usage: packaging/check_package.sh PACKAGE.deb
set -euo pipefail
deb=$(readlink -f "$1")
project=$(dirname "$(readlink -f "$0")")/..
work=$(mktemp -d)
trap 'kill ${program:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

# Overrides, when one is ever needed, live in packaging/ with a one-line reason each.
complaints=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$complaints" ] || fail "lintian:
$complaints"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/mevrolin ./usr/bin/mevrolin-start ./usr/share/mevrolin/Mevrolin.hlp \
         ./usr/share/doc/mevrolin/copyright ./usr/share/doc/mevrolin/changelog.gz \
         ./usr/share/man/man1/mevrolin.1.gz ./usr/share/man/man1/mevrolin-start.1.gz \
         ./usr/share/man/ja/man1/mevrolin.1.gz ./usr/share/man/ja/man1/mevrolin-start.1.gz \
         ./usr/share/doc/mevrolin/screenshots/main.png \
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
metainfo="$root/usr/share/metainfo/jp.kelvado.Mevrolin.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null
grep -qx 'License: GPL-3+' "$root/usr/share/doc/mevrolin/copyright" || fail "the copyright file names no GPL-3+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "AppStream names another licence"
# One version everywhere: a release the changelog or the software centre does not know is a slip.
version=$(dpkg-deb -f "$deb" Version)
logged=$(zcat "$root/usr/share/doc/mevrolin/changelog.gz" | sed -n '1s/^mevrolin (\([^)]*\)).*/\1/p')
[ "$logged" = "$version" ] || fail "the changelog's last entry is $logged, the package $version"
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$released" = "$version" ] || fail "AppStream's last release is $released, the package $version"
grep -q "<image type=\"source\">https://.*/$version/main.png</image>" "$metainfo" ||
  fail "AppStream shows no screenshot of $version"
file -b "$root/usr/share/doc/mevrolin/screenshots/main.png" | grep -q '^PNG image data' ||
  fail "the screenshot is no PNG picture"
# `man` finds the manual pages by name; both languages read as they should, with the section
# the class-folder work fills.
man_dir="$root/usr/share/man"
for page in mevrolin mevrolin-start; do
  [ "$(man -w -M "$man_dir" "$page")" = "$man_dir/man1/$page.1.gz" ] || fail "man finds no $page"
  LANG=C.UTF-8 man -l "$man_dir/man1/$page.1.gz" 2>/dev/null | grep -q '^CLASS FOLDERS' ||
    fail "the English $page(1) does not read as it should"
  LANG=C.UTF-8 man -l "$man_dir/ja/man1/$page.1.gz" 2>/dev/null | grep -q '^クラスのフォルダー' ||
    fail "the Japanese $page(1) does not read as it should"
done

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
# The teacher changes one unit, deletes another, saves a work and practises; then a newer package
# ships both units anew and two new ones, one of which has the name of the teacher's own work.
share="$root/usr/share/mevrolin/DATA"
changed=$(ls "$folder/DATA" | head -n 1)
deleted=$(ls "$folder/DATA" | sed -n 2p)
[ -n "$changed" ] && [ -n "$deleted" ] || fail "the package ships fewer than two units"
printf 'changed\r\n' >"$folder/DATA/$changed"
rm "$folder/DATA/$deleted"
printf 'own work\r\n' >"$folder/DATA/90_own.mvr"
printf '[unit]\r\nrecord=1\r\n' >"$folder/Record.ini"
cp -p "$folder/DATA/90_own.mvr" "$folder/Record.ini" "$work/"
for unit in "$changed" "$deleted" 90_new.mvr 90_own.mvr; do printf 'newer %s\r\n' "$unit" >"$share/$unit"; done
start
cmp -s "$share/90_new.mvr" "$folder/DATA/90_new.mvr" || fail "the new unit 90_new.mvr was not added"
[ "$(cat "$folder/DATA/$changed")" = $'changed\r' ] || fail "$changed was overwritten"
[ ! -e "$folder/DATA/$deleted" ] || fail "$deleted came back"
cmp -s "$work/90_own.mvr" "$folder/DATA/90_own.mvr" || fail "the teacher's own 90_own.mvr was overwritten"
cmp -s "$work/Record.ini" "$folder/Record.ini" || fail "Record.ini was touched"
echo "Package checked: $(basename "$deb") ($units sample units)."
