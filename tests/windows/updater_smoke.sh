#!/usr/bin/env bash
# Smoke run of lumora_update.exe under wine on the X server in $DISPLAY: the
# window (wine has no 1394 driver, so it lists no unit), its screenshot
# checked, and a clean close, which asks nothing while no update runs, once
# after the screenshot and once right after a second start.
#   updater_smoke.sh BIN_DIR OUT_DIR    (WINEPREFIX set by the caller)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
wine=/usr/lib/wine/wine64
limit=90
caption="LUMORA Firmware Update"
rm -f "$out/updater.png" "$out/updater.log"
# shellcheck source=tests/windows/smoke_common.sh
source "$here/smoke_common.sh"

window_shown() {
  test -n "$(window_geometry "$caption")"
}

# Waits, within the limit and while the process runs, until the condition holds.
wait_until() {
  local waited=0
  until "$@"; do
    if [ $waited -ge $((limit * 10)) ] || ! kill -0 "$updater" 2>/dev/null; then
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

cd "$bin"
"$wine" lumora_update.exe >"$out/updater.log" 2>&1 &
updater=$!
trap 'kill $updater 2>/dev/null || true' EXIT
if ! wait_until window_shown; then
  echo "updater_smoke: no \"$caption\" window within $limit s" >&2
  cat "$out/updater.log" >&2
  exit 1
fi
# The first paint and the first look for units.
sleep 2
geometry=$(window_geometry "$caption")
import -window root -crop "$geometry" +repage "$out/updater.png"
/usr/bin/python3 "$here/updater_check.py" "$out/updater.png"

# Asked to close its windows, the updater ends on its own with success. The
# request reaches JUCE's hidden message window too, which must survive it.
close_program lumora_update.exe "$updater" "after the screenshot"

# Again, asked as soon as its window shows.
"$wine" lumora_update.exe >>"$out/updater.log" 2>&1 &
updater=$!
if ! wait_until window_shown; then
  echo "updater_smoke: no \"$caption\" window within $limit s at the second start" >&2
  exit 1
fi
close_program lumora_update.exe "$updater" "as soon as its window showed"
trap - EXIT
echo "updater_smoke: window $geometry and close passed ($out/updater.png)"
