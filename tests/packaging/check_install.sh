#!/usr/bin/env bash
# `cmake --install` of the Release build into a temporary prefix: every file
# where a Debian system expects it, the menu entry and the AppStream data
# valid, the icons in their sizes, the updater finding its library through
# the link on the PATH, lumoractl telling its commands and that no panel
# answers, and a program of an updater author built and run with the
# pkg-config file.
#   check_install.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root" prefix="$work/root/usr"
cmake --install "$build" --prefix "$prefix" --strip >/dev/null
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
id=com.brantel.lumora

fail() {
  echo "check_install: $*" >&2
  exit 1
}

expected="bin/lumora_panel
bin/lumora_update
bin/lumoractl
bin/tvcbus
bin/tvcupdate
bin/tvdbuild
bin/unitwatch
include/tvc_fwdl.h
lib/$arch/lumora/libtvc_fwdl.so
lib/$arch/lumora/lumora_update
lib/$arch/lumora/tvcupdate
lib/$arch/pkgconfig/tvc_fwdl.pc
share/applications/$id.desktop
share/doc/lumora/changelog.gz
share/doc/lumora/copyright"
for size in 128 16 22 24 256 32 48 64; do
  expected+=$'\n'"share/icons/hicolor/${size}x$size/apps/$id.png"
done
expected+=$'\n'"share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml"
listed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)
[ "$listed" = "$(sort <<<"$expected")" ] || fail "installed files differ:
$(diff <(sort <<<"$expected") <(echo "$listed"))"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml")"
appstreamcli validate-tree --no-net "$root" >/dev/null || fail "$(appstreamcli validate-tree --no-net "$root")"
# Each icon is as large as its folder says, with an alpha channel.
/usr/bin/python3 - "$prefix/share/icons/hicolor" "$id" <<'PY'
import glob, sys
from PIL import Image
for path in glob.glob("%s/*x*/apps/%s.png" % (sys.argv[1], sys.argv[2])):
    size = int(path.split("/")[-3].split("x")[0])
    image = Image.open(path)
    if image.size != (size, size) or image.mode != "RGBA":
        sys.exit("check_install: %s is %s %s" % (path, image.size, image.mode))
PY

# The updater on the PATH is a link; it loads the library from beside its target.
bus="$work/bus.ini"
TVC_SIM_BUS=$bus "$prefix/bin/tvcupdate" list | grep -qx "1 unit" || fail "the installed tvcupdate lists no unit"

# The remote control's client: its help lists the controls, and with no panel
# on the port it gives up with its own exit code.
help=$("$prefix/bin/lumoractl" --help) || fail "the installed lumoractl --help ended with $?"
grep -qx "  main.fader \*" <<<"$help" || fail "the installed lumoractl --help lists no main.fader: $help"
port=$("$here/free_port.py")
status=0
"$prefix/bin/lumoractl" --port "$port" get main.fader 2>/dev/null || status=$?
[ $status -eq 3 ] || fail "the installed lumoractl ended with $status, not 3, with no panel on port $port"

export PKG_CONFIG_PATH="$prefix/lib/$arch/pkgconfig"
library=$(pkg-config --variable=library tvc_fwdl)
[ "$(realpath "$library")" = "$prefix/lib/$arch/lumora/libtvc_fwdl.so" ] || fail "tvc_fwdl.pc names $library"
# shellcheck disable=SC2046
cc -Wall -Werror -o "$work/updater_author" "$here/updater_author.c" $(pkg-config --cflags --libs tvc_fwdl) -ldl
TVC_SIM_BUS=$bus "$work/updater_author" "$library" >/dev/null || fail "an updater built with tvc_fwdl.pc fails"
echo "check_install: $(wc -l <<<"$listed") files, menu entry, AppStream data, icons, lumoractl and tvc_fwdl.pc valid"
