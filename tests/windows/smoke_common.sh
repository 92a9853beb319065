# shellcheck shell=bash
# Shared by the wine smoke runs; sourced, with $wine and $limit set.
: "${wine:?}" "${limit:?}"

# The geometry "WxH+X+Y" of the top-level X window with the name.
window_geometry() {
  xwininfo -root -tree | sed -n "s/^ *0x[0-9a-f]* \"$1\": ([^)]*)  *\([0-9]*x[0-9]*+[0-9-]*+[0-9-]*\).*/\1/p" | head -1
}

# Asks the program's windows to close, as installers and taskkill do, and
# waits within the limit for the process to end with success.
#   close_program EXE PID WHAT
close_program() {
  local exe=$1 pid=$2 what=$3 waited=0 status=0
  "$wine" taskkill /im "$exe" >/dev/null 2>&1
  while kill -0 "$pid" 2>/dev/null; do
    if [ $waited -ge $((limit * 10)) ]; then
      echo "$exe did not close within $limit s ($what)" >&2
      exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$pid" || status=$?
  if [ $status -ne 0 ]; then
    echo "$exe ended with $status ($what)" >&2
    exit 1
  fi
}
