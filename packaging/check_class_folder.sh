#!/usr/bin/env bash
# Checks the launcher's class folder: with ProgramFolderRoot and TeacherGroup in the system-wide
# settings file each account works in its own folder under the class folder, readable by the
# teacher's group and nobody else; without them it works in the home as before; a folder that is
# a link, or a class folder that is not there, is refused. The launcher is taken from the .deb
# given, or is the script given; MEVROLIN_SYSTEM_CONFIG points it at a settings file of the check.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ "${1:?usage: check_class_folder.sh PACKAGE.deb | LAUNCHER}" == *.deb ]]; then
  dpkg-deb -x "$1" "$work/deb"
  launcher="$work/deb/usr/bin/mevrolin-start"
else
  launcher=$1
fi
mkdir -p "$work/bin" "$work/share/mevrolin/DATA" "$work/class" "$work/home"
cp "$launcher" "$work/bin/mevrolin-start"
printf 'unit\r\n' >"$work/share/mevrolin/DATA/a.tst"
touch "$work/share/mevrolin/Mevrolin.hlp"
# In place of the program: where it was started and with which umask.
printf '#!/bin/sh\n{ pwd; umask; } >"%s/started"\n' "$work" >"$work/bin/mevrolin"
chmod +x "$work/bin/mevrolin" "$work/bin/mevrolin-start"
fail() {
  echo "class folder check: $*" >&2
  exit 1
}
start() {
  rm -f "$work/started"
  MEVROLIN_SYSTEM_CONFIG="$work/Mevrolin.conf" XDG_DATA_HOME="$work/home" \
    "$work/bin/mevrolin-start" 2>"$work/errors"
}
refused() { ! start && [ ! -e "$work/started" ]; }
user=$(id -un)
group=$(id -gn)

# Without the settings file: the home, as before.
start || fail "refused without settings: $(cat "$work/errors")"
[ "$(head -n 1 "$work/started")" = "$work/home/Kelvado/Mevrolin" ] || fail "not started in the home"

printf '[General]\nProgramFolderRoot = "%s/class/%%u"\nTeacherGroup=%s\n' "$work" "$group" \
  >"$work/Mevrolin.conf"
start || fail "refused with a class folder: $(cat "$work/errors")"
pupil="$work/class/$user"
[ "$(cat "$work/started")" = "$pupil"$'\n'"0027" ] || fail "started as: $(cat "$work/started")"
[ "$(stat -c '%A %G' "$pupil")" = "drwxr-s--- $group" ] || fail "folder is $(stat -c '%A %G' "$pupil")"
[ -f "$pupil/DATA/a.tst" ] || fail "units not seeded"
[ "$(stat -c '%A %G' "$pupil/DATA")" = "drwxr-s--- $group" ] || fail "DATA is $(stat -c '%A' "$pupil/DATA")"

# Without %u: one folder the whole class shares, used as it stands.
chmod 0775 "$work/class"
printf 'ProgramFolderRoot=%s/class\n' "$work" >"$work/Mevrolin.conf"
start || fail "refused a shared folder: $(cat "$work/errors")"
[ "$(head -n 1 "$work/started")" = "$work/class" ] || fail "not started in the shared folder"
[ "$(stat -c %a "$work/class")" = 775 ] || fail "the shared folder's rights were changed"
printf 'ProgramFolderRoot=%s/class/%%u\n' "$work" >"$work/Mevrolin.conf"

# A link in the account's place, or no class folder: refused, the program not started.
rm -rf "$pupil"
ln -s "$work/home" "$pupil"
refused || fail "a link was used as the program folder"
rm "$pupil"
printf 'ProgramFolderRoot=%s/gone/%%u\n' "$work" >"$work/Mevrolin.conf"
refused || fail "a missing class folder was not refused"
printf 'ProgramFolderRoot=class/%%u\n' >"$work/Mevrolin.conf"
refused || fail "a relative class folder was not refused"
echo "class folder check passed"
