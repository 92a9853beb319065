#!/usr/bin/env bash
# The Debian package as Debian's tools and a user see it: lintian finds no
# error, the dependencies come from the programs' libraries, `apt-get install`
# installs it, the menu entry's command starts the installed panel on a
# simulated bus of its own, the installed lumoractl sets a control of the
# panel started again with --osc-port, and purging the package leaves none of
# its files.
#   check_deb.sh DEB    (as root or through sudo; needs an X server or xvfb-run)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
work=$(mktemp -d)
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
purge() {
  $sudo apt-get remove --purge -y -qq lumora >/dev/null
}
trap 'purge 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
  echo "check_deb: $*" >&2
  exit 1
}

# lintian refuses to run as root without saying so; its errors fail the check.
status=0
tags=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$tags" || true
[ $status -eq 0 ] || fail "lintian reports errors"
# What dpkg-shlibdeps found the programs linked with.
depends=$(dpkg-deb -f "$deb" Depends)
packages=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libx11-6 libfreetype6 libpng16-16; do
  grep -qxF "$library" <<<"$packages" || fail "no dependency on $library: $depends"
done

if dpkg-query -W -f='${Status}' lumora 2>/dev/null | grep -q "install ok installed"; then
  echo "check_deb: removing the lumora package installed before this check"
  purge
fi
log=$($sudo apt-get install -y -qq "$deb" 2>&1) || fail "apt-get cannot install the package: $log"
dpkg-query -L lumora | sort >"$work/files"

# The command of the menu entry, on a bus, settings and runtime folder of its own.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/com.brantel.lumora.desktop)
[ "$command" = lumora_panel ] || fail "the menu entry runs \"$command\""
mkdir -m 700 "$work/runtime"
shots="$work/shots"
session=(env TVC_SIM_BUS="$work/bus.ini" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime")
if [ -z "${DISPLAY:-}" ]; then
  session=(xvfb-run -a "${session[@]}")
fi
run=("${session[@]}" "$(command -v "$command")" --screenshots "$shots")
[ "$(command -v "$command")" = /usr/bin/lumora_panel ] || fail "$command is not the installed panel"
timeout 120 "${run[@]}" >"$work/panel.log" 2>&1 || fail "the installed panel ended with $?: $(cat "$work/panel.log")"
/usr/bin/python3 -c '
import sys
from PIL import Image
size = Image.open(sys.argv[1]).size
sys.exit(0 if size == (725, 615) else "check_deb: the panel'"'"'s picture is %d x %d" % size)' "$shots/panel.png"
grep -q "^\[Unit1\]" "$work/bus.ini" || fail "the panel made no simulated bus"
TVC_SIM_BUS="$work/bus.ini" tvcupdate list | grep -qx "1 unit" || fail "the installed tvcupdate lists no unit"

# lumoractl on the PATH: its help, no panel on a free port, then the panel
# under remote control on the same bus.
[ "$(command -v lumoractl)" = /usr/bin/lumoractl ] || fail "lumoractl is not on the PATH"
help=$(lumoractl --help) || fail "the installed lumoractl --help ended with $?"
grep -qx "  main.fader \*" <<<"$help" || fail "the installed lumoractl --help lists no main.fader: $help"
status=0
lumoractl --port "$("$here/free_port.py")" get main.fader 2>/dev/null || status=$?
[ $status -eq 3 ] || fail "the installed lumoractl ended with $status, not 3, with no panel answering"
timeout 120 "${session[@]}" "$here/remote_check.sh" /usr/bin/lumora_panel /usr/bin/lumoractl "$work/remote.log"

purge
while read -r path; do
  if [ -L "$path" ] || [ -f "$path" ]; then
    fail "$path is left after the purge"
  fi
  # A folder may stay only while another package owns it.
  if [ -d "$path" ] && ! dpkg-query -S "$path" >/dev/null 2>&1; then
    fail "the folder $path is left after the purge"
  fi
done <"$work/files"
echo "check_deb: $(basename "$deb") installed, the menu entry started the panel, lumoractl set its mute, the purge left nothing"
