#!/usr/bin/env bash
# The program on a real X screen of 1920x1080, driven by real pointer
# clicks at screen pixels: shown at twice its size by itself, a click at
# twice a place's coordinates lands on the same button as a click at the
# place itself when the program is shown at its own size.
#
#   tests/desktop/clicks-at-scale.sh <program folder> <disc folder>
#
# Each run clicks the main menu's exit item and then "erase and quit" on the
# exit screen, so the program ends having saved a record of defaults.
set -euo pipefail
program_dir="$1"
disc_dir="$2"
source "$(dirname "$0")/xsession.sh"
work="$(mktemp -d)"
trap 'stop_screen; rm -rf "$work"' EXIT
start_screen 1920x1080
unset FISCOVA_SCALE

# Its own user folders, with the disc registered, as the set-up does.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/ZEM" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd]\n@="%s"\n' \
    "$disc_dir" >"$XDG_CONFIG_HOME/ZEM/Fiscova.reg"

# Runs the program with `args`, expecting a window of `width`x`height`, and
# clicks the exit item and "erase and quit" at `scale` times their places.
run() {
    local scale="$1" width="$2" height="$3"
    shift 3
    local folder="$work/program-$scale"
    mkdir -p "$folder"
    # The program folder is found from the program file, so the file is a
    # copy; everything else is linked.
    for entry in "$program_dir"/*; do
        case "$(basename "$entry")" in
        fiscova) cp "$entry" "$folder/" ;;
        findata.zem) ;;
        *) ln -s "$entry" "$folder/" ;;
        esac
    done
    "$folder/fiscova" "$@" >"$work/program-$scale.log" 2>&1 &
    local pid=$!
    local window
    window="$(find_window)"
    [ -n "$window" ] || { echo "no window at scale $scale" >&2; cat "$work/program-$scale.log" >&2; exit 1; }
    # The splash screen covers the window until it is clicked away.
    window="$(pass_splash "$window")" || { echo "at scale $scale the splash screen did not go" >&2; exit 1; }
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    if [ "$WIDTH" != "$width" ] || [ "$HEIGHT" != "$height" ]; then
        echo "at scale $scale the window is ${WIDTH}x${HEIGHT}, not ${width}x${height}" >&2
        exit 1
    fi
    click() { click_at $((X + $1 * scale)) $((Y + $2 * scale)); }
    click 580 418 # the main menu's exit item
    click 350 350 # erase and quit
    if ! wait_for_end "$pid"; then
        echo "at scale $scale the clicks did not end the program" >&2
        kill "$pid"
        exit 1
    fi
    local size
    size="$(stat -c %s "$folder/findata.zem" 2>/dev/null || echo none)"
    if [ "$size" != 1512 ]; then
        echo "at scale $scale no erased record was saved (findata.zem: $size)" >&2
        exit 1
    fi
    echo "scale $scale: ${WIDTH}x${HEIGHT}, exit item and erase-and-quit reached"
}

# Asked for by the option, which wins over the environment.
export FISCOVA_SCALE=3
run 1 640 480 --scale 1
unset FISCOVA_SCALE
# Chosen by the program for this screen.
run 2 1280 960
