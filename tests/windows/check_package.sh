#!/usr/bin/env bash
# Checks the Windows zip file: its name carries the version, it holds exactly
# the programs, the library with its header and .def, the log settings and
# the read-me in one folder, the updater runs from the unpacked folder under
# wine with the library beside it, logging nothing, and lumoractl tells its
# commands and gives up with its own exit code when no panel answers.
#   check_package.sh ZIP    (WINEPREFIX set by the caller)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
zip=$1
name=$(basename "$zip" .zip)
if [[ ! "$name" =~ ^lumora-[0-9]+\.[0-9]+\.[0-9]+-windows-x64$ ]]; then
  echo "check_package: $name.zip has no version in its name" >&2
  exit 1
fi

expected="$name/
$name/README.txt
$name/lumora_panel.exe
$name/lumora_update.exe
$name/lumoractl.exe
$name/tvc_fwdl.cfg
$name/tvc_fwdl.def
$name/tvc_fwdl.dll
$name/tvc_fwdl.h
$name/tvcupdate.exe"
listed=$(unzip -Z1 "$zip" | LC_ALL=C sort)
if [ "$listed" != "$expected" ]; then
  echo "check_package: the zip file's list differs:" >&2
  diff <(echo "$expected") <(echo "$listed") >&2 || true
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
if ! head -1 "$work/$name/tvc_fwdl.cfg" | grep -q $'^\[Common\]\r$'; then
  echo "check_package: tvc_fwdl.cfg lacks Windows line ends" >&2
  exit 1
fi
cd "$work/$name"
WINEDEBUG=-all /usr/lib/wine/wine64 tvcupdate.exe list | tr -d '\r' | grep -qx "0 units"
# Logging is off: the library wrote nothing beside itself and kept its settings.
left=$(printf '%s\n' * | LC_ALL=C sort | tr '\n' ' ')
if [ "$left" != "README.txt lumora_panel.exe lumora_update.exe lumoractl.exe tvc_fwdl.cfg tvc_fwdl.def tvc_fwdl.dll tvc_fwdl.h tvcupdate.exe " ]; then
  echo "check_package: the updater left files in the folder: $left" >&2
  exit 1
fi

# A console program: its help on the console, and no panel on a free port
# ends it within the second it waits (and wine's start) with 3.
help=$(WINEDEBUG=-all timeout 30 /usr/lib/wine/wine64 lumoractl.exe --help | tr -d '\r')
if ! grep -qx "  main.fader \*" <<<"$help"; then
  echo "check_package: lumoractl.exe --help lists no main.fader: $help" >&2
  exit 1
fi
status=0
WINEDEBUG=-all timeout 30 /usr/lib/wine/wine64 lumoractl.exe --port "$("$here/../packaging/free_port.py")" list \
  >/dev/null 2>&1 || status=$?
if [ $status -ne 3 ]; then
  echo "check_package: lumoractl.exe list ended with $status, not 3, with no panel answering" >&2
  exit 1
fi
echo "check_package: $(basename "$zip") holds its ten entries, $(stat -c %s "$zip") bytes"
