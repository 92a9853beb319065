#!/usr/bin/env bash
# The Windows installer under wine, used as a person would: a quiet install
# puts every file under Program Files, the Start-menu shortcut to the panel
# and the entry of the installed programs in place; the installed panel
# starts and draws its window, checked as in the smoke run; a newer installer
# replaces the first, leaving one copy; the uninstall removes every file the
# installer put there.
#   check_msi.sh MSI NEWER_MSI OUT_DIR
# Run on an X server, with WINEPREFIX naming a prefix of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
msi=$1 newer=$2
out=$(mkdir -p "$3" && cd "$3" && pwd)
wine=/usr/lib/wine/wine64
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Brantel/Lumora"
shortcut="LUMORA 1394 Control Panel.lnk"
files="README.txt
SDK/tvc_fwdl.def
SDK/tvc_fwdl.h
lumora_panel.exe
lumora_update.exe
lumoractl.exe
tvc_fwdl.cfg
tvc_fwdl.dll
tvcupdate.exe"

fail() {
  echo "check_msi: $*" >&2
  exit 1
}

msiexec() {
  timeout 300 "$wine" msiexec "$@" /qn || fail "msiexec $* ended with $?"
  /usr/lib/wine/wineserver -w
}

installed_files() {
  (cd "$folder" 2>/dev/null && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
}

# The shortcuts with the panel's name in the common and the user's Start menu.
shortcuts() {
  find "$drive/ProgramData/Microsoft/Windows/Start Menu" "$drive/users" -name "$shortcut" 2>/dev/null
}

# "DisplayName|DisplayVersion|Publisher" of each installed program named LUMORA 1394.
entries() {
  "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
    awk '/^HKEY/ {if (name == "LUMORA 1394") print name "|" version "|" publisher; name = version = publisher = ""}
         $1 == "DisplayName" {name = $0; sub(/^ *DisplayName +REG_SZ +/, "", name)}
         $1 == "DisplayVersion" {version = $3}
         $1 == "Publisher" {publisher = $3}
         END {if (name == "LUMORA 1394") print name "|" version "|" publisher}'
}

version_of() {
  basename "$1" | sed 's/^lumora-\(.*\)-windows-x64\.msi$/\1/'
}

check_installed() {
  local version=$1 link
  [ "$(installed_files)" = "$files" ] || fail "installed files differ:
$(diff <(echo "$files") <(installed_files))"
  link=$(shortcuts)
  [ "$(echo "$link" | grep -c .)" = 1 ] || fail "not one shortcut \"$shortcut\": ${link:-none}"
  # The shortcut's target, as its link information holds it.
  strings "$link" | grep -qx 'C:\\Program Files\\Brantel\\Lumora\\lumora_panel.exe' ||
    fail "the shortcut does not start the installed panel"
  [ "$(entries)" = "LUMORA 1394|$version|Brantel" ] ||
    fail "installed programs list: $(entries | tr '\n' ' ') instead of one LUMORA 1394 $version"
}

msiexec /i "$msi"
check_installed "$(version_of "$msi")"
echo "check_msi: $(basename "$msi") installed its $(echo "$files" | wc -l) files and the shortcut"
# The installed panel pictures its window (the "No Device" veil: wine has no
# 1394 driver) and ends by itself.
rm -f "$out"/*.png
(cd "$folder" && timeout 180 "$wine" lumora_panel.exe --screenshots "Z:${out//\//\\}") >"$out/panel.log" 2>&1 ||
  fail "the installed panel ended with $?: $(cat "$out/panel.log")"
/usr/bin/python3 "$here/screenshot_check.py" "$out/panel.png"
echo "check_msi: the installed panel started and drew its window ($out/panel.png)"

msiexec /i "$newer"
check_installed "$(version_of "$newer")"
echo "check_msi: $(basename "$newer") replaced it, one copy left"

msiexec /x "$newer"
left=$(find "$drive/Program Files/Brantel" 2>/dev/null; shortcuts)
[ -z "$left" ] || fail "left after the uninstall: $left"
[ -z "$(entries)" ] || fail "still in the installed programs list after the uninstall"
echo "check_msi: the uninstall removed every file, the shortcut and the entry"
