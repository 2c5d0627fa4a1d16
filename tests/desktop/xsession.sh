# Shared by the desktop checks: an X screen of their own and the pointer
# and keys of a user at it. Source it; it needs Xvfb and xdotool.
#
#   start_screen WIDTHxHEIGHT      starts Xvfb and exports DISPLAY
#   find_window                    prints the id of the visible "Fiscova" window
#   pass_splash WINDOW             clicks the splash screen away; prints the
#                                  id of the main window then on screen
#   click_at X Y                   clicks at the screen's pixel (X, Y)
#   type_text TEXT                 types into the focused window

x_session_dir="$(mktemp -d)"
x_session_pid=""
stop_screen() {
    [ -n "$x_session_pid" ] && kill "$x_session_pid" 2>/dev/null || true
    rm -rf "$x_session_dir"
}

start_screen() {
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages xvfb, xdotool)" >&2; exit 1; }
    done
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$x_session_dir/display" >"$x_session_dir/xvfb.log" 2>&1 &
    x_session_pid=$!
    for _ in $(seq 100); do
        [ -s "$x_session_dir/display" ] && break
        sleep 0.1
    done
    [ -s "$x_session_dir/display" ] || { echo "Xvfb did not start" >&2; cat "$x_session_dir/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(head -1 "$x_session_dir/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # The screen counts as started once a client can talk to it.
    for _ in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb on $DISPLAY takes no connections" >&2
    cat "$x_session_dir/xvfb.log" >&2
    exit 1
}

find_window() {
    local window=""
    for _ in $(seq 150); do
        window="$(xdotool search --onlyvisible --name '^Fiscova$' 2>/dev/null | head -1 || true)"
        [ -n "$window" ] && break
        sleep 0.1
    done
    echo "$window"
}

# The main window: the visible window titled exactly "Fiscova" (the splash
# screen before it is titled in lower case, which a search's pattern does not
# tell apart).
main_window() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Fiscova$' 2>/dev/null || true); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Fiscova ] && { echo "$w"; return 0; }
    done
    return 1
}

# Clicks the middle of the splash screen, window $1, until the main window
# is up (a machine under load may show the splash late or take the click
# late); never clicks once the main window is there.
pass_splash() {
    local X Y WIDTH HEIGHT SCREEN main
    eval "$(xdotool getwindowgeometry --shell "$1")"
    for _ in $(seq 10); do
        for _ in $(seq 20); do
            if main="$(main_window)"; then
                # The main menu comes up in the window a moment later.
                sleep 1.5
                echo "$main"
                return 0
            fi
            sleep 0.1
        done
        xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    done
    main_window
}

click_at() {
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.7
}

type_text() {
    xdotool type --delay 80 "$1"
    sleep 0.5
}

# Waits up to 10 s for process $1 to end; false when it is still running.
wait_for_end() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
