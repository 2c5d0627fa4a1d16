#!/usr/bin/env bash
# The program installed under a prefix (one with a blank in it): the
# program folder, the launcher, the disc and the registry file naming it,
# the menu entry and the description as the desktop's validators accept
# them, and the icon in the sizes the icon theme keeps.
#
#   tests/desktop/install-check.sh <build folder>
set -euo pipefail
build="$1"
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages desktop-file-utils, appstream)" >&2; exit 1; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/Fiscova Prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
present() {
    for path in "$@"; do
        [ -e "$prefix/$path" ] || fail "missing: $path"
    done
}

present bin/fiscova lib/fiscova/fiscova lib/fiscova/handelgb.ttf lib/fiscova/manym.rcc \
    lib/fiscova/data/agency.txt lib/fiscova/facts lib/fiscova/top10 lib/fiscova/locsounds/buzz.wav \
    lib/fiscova/launchzem.htm share/fiscova/disc/fileid.txt share/fiscova/disc/sounds \
    share/fiscova/disc/video etc/xdg/ZEM/Fiscova.reg
[ -x "$prefix/bin/fiscova" ] || fail "the launcher cannot be run"
# Nobody's work goes with the program.
for path in lib/fiscova/findata.zem lib/fiscova/data/plan.txt; do
    [ ! -e "$prefix/$path" ] || fail "installed: $path"
done

reg="$(cat "$prefix/etc/xdg/ZEM/Fiscova.reg" 2>/dev/null || true)"
grep -qxF '[HKEY_LOCAL_MACHINE\SOFTWARE\ZEM\Fiscova\cd]' <<<"$reg" || fail "registry file without the content key"
grep -qxF "@=\"$prefix/share/fiscova/disc\"" <<<"$reg" || fail "registry file does not name the disc: $reg"

entry="$prefix/share/applications/com.fiscova.Fiscova.desktop"
if out="$(desktop-file-validate "$entry" 2>&1)"; then
    grep -q "error:" <<<"$out" && fail "menu entry: $out"
else
    fail "menu entry: $out"
fi
grep -qxF "Exec=\"$prefix/bin/fiscova\"" "$entry" || fail "the menu entry does not start the launcher: $(grep Exec= "$entry")"
grep -qxF "Categories=Education;Finance;" "$entry" || fail "menu entry categories"
metainfo="$prefix/share/metainfo/com.fiscova.Fiscova.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 || fail "metainfo: $(cat "$work/metainfo.log")"

# PNG width and height are the big-endian words at bytes 16 and 20.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'
}
for size in 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/com.fiscova.Fiscova.png"
    if [ -f "$icon" ]; then
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "icon of $size pixels is $(png_size "$icon")"
    else
        fail "missing: icon of $size pixels"
    fi
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/com.fiscova.Fiscova.svg" 2>/dev/null || fail "no scalable icon"

[ "$failures" -eq 0 ] || exit 1
echo "installed layout, menu entry, description and icon are right"
