#!/usr/bin/env bash
# Checks the Windows programs with the mingw binutils: tvc_fwdl.dll exports
# exactly its thirteen functions by name, and neither the DLL nor the
# programs import from a DLL that a bare Windows lacks (no compiler runtime,
# no image or compression libraries beside them).
#   check_binaries.sh BIN_DIR
set -euo pipefail
bin=$1
objdump=x86_64-w64-mingw32-objdump
status=0

expected_exports="TVCFWDL_CheckDownload
TVCFWDL_CloseDevice
TVCFWDL_EnableLogging
TVCFWDL_EnumerateDevices
TVCFWDL_GetDeviceInfo
TVCFWDL_GetDownloadStatus
TVCFWDL_GetTvdFileInfo
TVCFWDL_GetVersion
TVCFWDL_IsUserAdmin
TVCFWDL_OpenDevice
TVCFWDL_Reboot
TVCFWDL_SetTimeout
TVCFWDL_StartDownload"

# The name column of the export table's "[Ordinal/Name Pointer] Table".
exports=$("$objdump" -p "$bin/tvc_fwdl.dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] *\(\S*\)$/\1/p' | sort)
if [ "$exports" != "$expected_exports" ]; then
  echo "check_binaries: tvc_fwdl.dll exports differ:" >&2
  diff <(echo "$expected_exports") <(echo "$exports") >&2 || true
  status=1
fi

# DLLs every Windows since 7 carries in its system folder.
system_dlls=(advapi32.dll comctl32.dll comdlg32.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll
  msvcrt.dll ole32.dll oleaut32.dll rpcrt4.dll setupapi.dll shell32.dll shlwapi.dll user32.dll
  version.dll winmm.dll wininet.dll ws2_32.dll wsock32.dll)
for program in lumora_panel.exe lumora_update.exe lumoractl.exe tvc_fwdl.dll tvcupdate.exe; do
  imports=$("$objdump" -p "$bin/$program" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
  if [ -z "$imports" ]; then
    echo "check_binaries: $program imports nothing, which no Windows program does" >&2
    status=1
  fi
  for dll in $imports; do
    if ! printf '%s\n' "${system_dlls[@]}" | grep -qx "$dll"; then
      echo "check_binaries: $program imports $dll, which a bare Windows lacks" >&2
      status=1
    fi
  done
done
exit $status
