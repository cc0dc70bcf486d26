#!/usr/bin/env bash
# A Wayland session, headless weston: with XWayland the program runs on X11 (no Wayland connection of its
# own, its main window on the X server), without it natively on Wayland (its main window a toplevel of the
# compositor's). The platform shows in the program's Wayland traffic (WAYLAND_DEBUG) and on the X server.
source "$(dirname "$0")/desktop.sh"
catalog
# Where XWayland makes its socket; Xvfb would make it, weston expects it.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
SOCKET="${VANTORADS_WAYLAND_PREFIX:-wl-vantorads-}$$"
WESTON_PID=""
stop_weston() {
    end_process "$WESTON_PID"
    WESTON_PID=""
}
trap 'stop_viewer; stop_weston; rm -rf "$WORK"' EXIT

# weston [--xwayland]: a headless 800 x 600 compositor on a socket of its own.
weston_session() {
    stop_weston
    : >"$WORK/weston.log"
    weston --backend=headless-backend.so --width=800 --height=600 --idle-time=0 --socket="$SOCKET" \
        --log="$WORK/weston.log" "$@" >>"$LOG" 2>&1 &
    WESTON_PID=$!
    wait_until 10 test -S "$XDG_RUNTIME_DIR/$SOCKET" || fail "weston did not start: $(tail -n 5 "$WORK/weston.log")"
    export WAYLAND_DISPLAY="$SOCKET" XDG_SESSION_TYPE=wayland
    unset DISPLAY
}

# The viewer with its Wayland traffic in its own log.
start_traced_viewer() {
    : >"$WORK/wayland.log"
    WAYLAND_DEBUG=1 "$VIEWER" >>"$WORK/wayland.log" 2>&1 &
    VIEWER_PID=$!
}

weston_session --xwayland
wait_until 10 grep -q "xserver listening on display" "$WORK/weston.log" || fail "weston offers no XWayland"
DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n 1)
export DISPLAY
start_traced_viewer
wait_for_window "$MAIN_TITLE" 40 "$VIEWER_PID" >/dev/null ||
    fail "with XWayland the main window did not appear on its X server $DISPLAY: $(tail -n 5 "$WORK/wayland.log")"
! grep -q "wl_display@" "$WORK/wayland.log" || fail "with XWayland the program spoke Wayland itself"
stop_viewer

weston_session
start_traced_viewer
title="xdg_toplevel@[0-9]*.set_title(\"$MAIN_TITLE\")"
wait_until 40 grep -q "$title" "$WORK/wayland.log" ||
    fail "without XWayland no Wayland toplevel for the main window: $(tail -n 5 "$WORK/wayland.log")"
# The compositor's configure of the main window, and the program's answer.
wait_until 10 eval "sed -n '/$title/,\$p' '$WORK/wayland.log' | grep -q 'ack_configure'" ||
    fail "the compositor never configured the main window"
kill -0 "$VIEWER_PID" 2>/dev/null || fail "the program ended on Wayland"
echo "PASS"
