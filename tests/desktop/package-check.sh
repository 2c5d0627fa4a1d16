#!/usr/bin/env bash
# The Debian package as a user meets it, on this machine (run as root; it
# installs and removes the package, and adds a user "fiscova-check"):
# built by CPack, installed with apt, started from its menu entry by an
# ordinary user on an X screen of its own, work typed and kept at the exit
# screen found again at the next start, and the user's work left in place
# when the package is removed.
#
#   tests/desktop/package-check.sh <build folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
user=fiscova-check
entry=/usr/share/applications/com.fiscova.Fiscova.desktop

# --- The user's part: two runs of the program from its menu entry. ----------
if [ "${1:-}" = "--as-user" ]; then
    source "$here/xsession.sh"
    trap stop_screen EXIT
    start_screen 1024x768
    saved="$HOME/.local/share/fiscova/findata.zem"
    exec_line="$(sed -n 's/^Exec=//p' "$entry")"
    # The first quick asset ("Cash on hand") as the file keeps it.
    cash() { od -An -td4 -j28 -N4 "$saved" 2>/dev/null | tr -d ' '; }
    # Starts the program as the menu does and goes to the quick assets
    # worksheet; then `after` runs, and the work is kept at the exit screen.
    session() {
        local after="$1"
        eval "$exec_line" >"$HOME/fiscova.log" 2>&1 &
        local pid=$!
        local window X Y WIDTH HEIGHT SCREEN
        window="$(find_window)"
        [ -n "$window" ] || { echo "the menu entry started no window" >&2; cat "$HOME/fiscova.log" >&2; exit 1; }
        window="$(pass_splash "$window")" || { echo "the splash screen did not go" >&2; exit 1; }
        eval "$(xdotool getwindowgeometry --shell "$window")"
        click() { click_at $((X + $1)) $((Y + $2)); }
        click 200 297 # money management
        sleep 1
        click 64 184  # net worth
        click 270 371 # quick net worth analysis
        "$after"
        click 581 466 # next: the assets are saved
        click 64 409  # exit
        click 350 309 # save my work and quit
        wait_for_end "$pid" || { echo "the program did not end at the exit screen" >&2; kill "$pid"; exit 1; }
    }
    type_cash() {
        click 334 219 # the cash field
        type_text 4321
    }
    session type_cash
    [ "$(cash)" = 4321 ] || { echo "the typed amount was not saved in $saved (found: $(cash))" >&2; exit 1; }
    # The next start shows the amount again: the page saves what it shows.
    session true
    [ "$(cash)" = 4321 ] || { echo "the amount did not come back at the next start (found: $(cash))" >&2; exit 1; }
    echo "work typed, kept, and found again at the next start in $saved"
    exit 0
fi

# --- As root: build, install, run as the user, remove. -----------------------
build="$(cd "$1" && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "run as root: it installs the package" >&2; exit 1; }
cmake --build "$build" --target package >"$build/package.log"
deb="$(ls "$build"/fiscova_*.deb | head -1)"
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
# Afterwards the machine is as before: the package purged with its
# registry file, the user gone.
# The user runs copies of these scripts: the checkout may be closed to
# anyone but root.
scripts="$(mktemp -d)"
trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y fiscova >/dev/null 2>&1 || true; userdel -r "$user" 2>/dev/null || true; rm -rf "$scripts"' EXIT
cp "$here/package-check.sh" "$here/xsession.sh" "$scripts/"
chmod 755 "$scripts"
chmod 644 "$scripts"/*

command -v fiscova >/dev/null || { echo "fiscova is not on the path" >&2; exit 1; }
desktop-file-validate "$entry"
appstreamcli validate --no-net /usr/share/metainfo/com.fiscova.Fiscova.metainfo.xml
grep -qxF '@="/usr/share/fiscova/disc"' /etc/xdg/ZEM/Fiscova.reg
[ -f /usr/share/fiscova/disc/fileid.txt ]
[ -f /usr/share/icons/hicolor/256x256/apps/com.fiscova.Fiscova.png ]

# An ordinary user's X server puts its socket where a desktop system's
# start-up makes room for it.
[ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
userdel -r "$user" 2>/dev/null || true
useradd --create-home --shell /bin/bash "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
(cd "$home" && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
    bash "$scripts/package-check.sh" --as-user)
[ ! -e /usr/lib/fiscova/findata.zem ] || { echo "the user's work went into the program folder" >&2; exit 1; }

DEBIAN_FRONTEND=noninteractive apt-get remove -y fiscova
[ ! -e /usr/lib/fiscova/fiscova ] || { echo "the program is still there" >&2; exit 1; }
[ -s "$home/.local/share/fiscova/findata.zem" ] || { echo "removing the package took the user's work" >&2; exit 1; }
echo "package built, installed, used from its menu entry and removed; the user's work stays"
