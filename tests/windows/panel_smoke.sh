#!/usr/bin/env bash
# Smoke run of lumora_panel.exe under wine on the X server in $DISPLAY: the
# window with the "No Device" veil (wine has no 1394 driver), its screenshot
# checked, lumoractl.exe reading a control over the port the panel was given
# and the panel refusing to set it, a second start that hands over and ends,
# and a clean close.
#   panel_smoke.sh BIN_DIR OUT_DIR    (WINEPREFIX set by the caller)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
wine=/usr/lib/wine/wine64
limit=90
rm -f "$out"/*.png "$out"/*.log
# shellcheck source=tests/windows/smoke_common.sh
source "$here/smoke_common.sh"

# Waits, within the limit and while the first panel runs, until its log
# holds the line.
wait_for_line() {
  local line=$1 waited=0
  until tr -d '\r' <"$out/first.log" | grep -qx "$line"; do
    if [ $waited -ge $((limit * 10)) ] || ! kill -0 "$first" 2>/dev/null; then
      echo "panel_smoke: no \"$line\" from the panel within $limit s" >&2
      cat "$out/first.log" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

: >"$out/first.log"
cd "$bin"
port=$("$here/../packaging/free_port.py")
"$wine" lumora_panel.exe --report-events --osc-port "$port" >"$out/first.log" 2>&1 &
first=$!
trap 'kill $first 2>/dev/null || true' EXIT
wait_for_line "first frame"
sleep 1
geometry=$(window_geometry "LUMORA 1394 Control Panel")
if [ -z "$geometry" ]; then
  echo "panel_smoke: no panel window on the display" >&2
  xwininfo -root -tree >&2
  exit 1
fi
import -window root -crop "$geometry" +repage "$out/panel.png"
/usr/bin/python3 "$here/screenshot_check.py" "$out/panel.png"

# The panel answers lumoractl.exe across wine: it reads the mute, and refuses
# to set it while no unit is there (exit 1, where no answer would give 3).
mute=$(timeout "$limit" "$wine" lumoractl.exe --port "$port" get main.mute | tr -d '\r') || mute="(exit $?)"
if [ "$mute" != 0 ]; then
  echo "panel_smoke: lumoractl.exe get main.mute read \"$mute\", not 0" >&2
  exit 1
fi
status=0
timeout "$limit" "$wine" lumoractl.exe --port "$port" set main.mute 1 >"$out/lumoractl.log" 2>&1 || status=$?
if [ $status -ne 1 ] || ! grep -q "the panel refused main.mute 1" "$out/lumoractl.log"; then
  echo "panel_smoke: lumoractl.exe set main.mute 1 ended with $status: $(cat "$out/lumoractl.log")" >&2
  exit 1
fi

# A second start gives its command line to the first and ends by itself.
timeout "$limit" "$wine" lumora_panel.exe >"$out/second.log" 2>&1
wait_for_line "another instance started"

# Asked to close its window, the panel ends on its own with success.
close_program lumora_panel.exe "$first" "the first panel"
trap - EXIT
echo "panel_smoke: window $geometry, remote control on port $port, hand-over and close passed ($out/panel.png)"
