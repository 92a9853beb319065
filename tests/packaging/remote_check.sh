#!/usr/bin/env bash
# The installed panel under remote control: started with --osc-port on the
# simulated bus in TVC_SIM_BUS, it takes `lumoractl set main.mute 1` and the
# unit's main mute on the bus follows; asked to end, it ends with success.
#   remote_check.sh PANEL LUMORACTL LOG    (on an X server; TVC_SIM_BUS set)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
panel=$1 ctl=$2 log=$3
limit=60

fail() {
  echo "remote_check: $*" >&2
  [ -f "$log" ] && cat "$log" >&2
  exit 1
}

# The value of the key in the first unit's section of the bus file.
unit_key() {
  awk -F= -v key="$1" '/^\[/ {section = $0} section == "[Unit1]" && $1 == key {print $2}' "$TVC_SIM_BUS"
}

port=$("$here/free_port.py")
"$panel" --osc-port "$port" >"$log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# The panel refuses a control until it has found the unit: retried, bounded.
status=1 waited=0
until [ $status -eq 0 ]; do
  if [ $waited -ge $((limit * 2)) ] || ! kill -0 $pid 2>/dev/null; then
    fail "no panel took the mute within $limit s"
  fi
  status=0
  "$ctl" --port "$port" set main.mute 1 2>/dev/null || status=$?
  [ $status -eq 0 ] || sleep 0.5
  waited=$((waited + 1))
done
waited=0
until [ "$(unit_key Mute6.0)" = 0x0070 ]; do
  [ $waited -lt $((limit * 10)) ] || fail "the bus shows Mute6.0=$(unit_key Mute6.0), not 0x0070"
  sleep 0.1
  waited=$((waited + 1))
done
[ "$("$ctl" --port "$port" get main.mute)" = 1 ] || fail "lumoractl get main.mute does not read 1"

kill -TERM $pid
trap - EXIT
wait $pid || fail "the panel ended with $? when asked to"
echo "remote_check: lumoractl muted the panel's unit on port $port"
