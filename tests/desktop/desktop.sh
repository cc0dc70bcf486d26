# Shared by the desktop tests: the program under Xvfb with the openbox window manager, in a home of its
# own with the sample catalog in drive D:, watched and driven from outside with the X tools.
#   source desktop.sh VIEWER MAKECATALOG
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
VIEWER=$1
MAKECATALOG=$2
MAIN_TITLE="Vantor Ads: The Marketing of Roadmark"
ABOUT_TITLE="About Vantor Ads"

WORK=$(mktemp -d /tmp/vantorads-desktop.XXXXXX)
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"
export XDG_RUNTIME_DIR="$WORK/run" ASAN_OPTIONS=detect_leaks=0
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The program chooses its platform itself, as on a user's desktop.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
LOG="$WORK/desktop.log"
VIEWER_PID=""

fail() {
    echo "FAIL: $*" >&2
    echo "--- what the program and the desktop said:" >&2
    tail -n 30 "$LOG" >&2
    exit 1
}

finish() {
    stop_viewer
    stop_desktop
    rm -rf "$WORK"
}
trap finish EXIT

stop_viewer() {
    end_process "$VIEWER_PID"
    VIEWER_PID=""
}

# desktop WIDTHxHEIGHT: a fresh X server of that size with openbox on it.
desktop() {
    stop_desktop
    start_xvfb "$1" "$LOG" || fail "no X server"
    start_window_manager "$LOG" || fail "no window manager"
}

# catalog: the sample catalog in drive D:, made once.
catalog() {
    [ -d "$WORK/cd" ] || "$MAKECATALOG" "$WORK/cd" >>"$LOG" 2>&1 || fail "the sample catalog could not be made"
    export VANTORADS_DRIVES="D=$WORK/cd"
}

# start_viewer: starts the program and sets MAIN to its main window once that is framed and shown.
start_viewer() {
    "$VIEWER" "$@" >>"$LOG" 2>&1 &
    VIEWER_PID=$!
    MAIN=$(wait_for_window "$MAIN_TITLE" 40 "$VIEWER_PID") || fail "the main window did not appear"
    wait_until 10 eval "xprop -id $MAIN _NET_FRAME_EXTENTS | grep -q =" || fail "openbox did not frame the main window"
}

# close_by_window_manager ID: the window manager's close request, as the close box makes it.
close_by_window_manager() {
    wmctrl -i -c "$1" || fail "wmctrl could not ask window $1 to close"
}

# wait_for_end SECONDS: the program has ended by itself.
wait_for_end() {
    wait_until "$1" eval "! kill -0 $VIEWER_PID" || fail "the program did not end within $1 s"
    wait "$VIEWER_PID" 2>/dev/null || true
    VIEWER_PID=""
}

# outer_geometry ID: "LEFT TOP WIDTH HEIGHT" of the window with the frame the window manager put around it.
outer_geometry() {
    local info extents x y w h l r t b
    info=$(xwininfo -id "$1") || return 1
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    read -r l r t b <<<"${extents:-0 0 0 0}"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# expect_outer_geometry ID "LEFT TOP WIDTH HEIGHT" WHAT: waits a little for the window to settle there.
expect_outer_geometry() {
    wait_until 10 eval "[ \"\$(outer_geometry $1)\" = '$2' ]" ||
        fail "$3: the framed window is at $(outer_geometry "$1") (left top width height), not $2"
}

# menu_bar_picture ID FILE: the captions of the main window's menu bar, as a picture.
menu_bar_picture() {
    import -window "$1" -crop 320x14+0+2 +repage "$2"
}

# menu_bar_shows ID PICTURE: the menu bar looks exactly as in the picture.
menu_bar_shows() {
    menu_bar_picture "$1" "$WORK/menu-bar-now.png" &&
        [ "$(compare -metric AE "$2" "$WORK/menu-bar-now.png" null: 2>&1)" = 0 ]
}

# menu_bar_items ID: "FIRST LAST" pixel columns of each caption on the menu bar, in order, found in a
# picture of it (dark text on the light bar, the items further apart than the words of one caption).
menu_bar_items() {
    import -window "$1" png:- | convert - -crop 600x14+0+2 +repage -colorspace gray -threshold 40% -negate \
        -scale 600x1! -depth 8 txt:- | awk -F, 'NR > 1 && !/gray\(0\)/ { print $1 }' |
        awk 'NR == 1 { s = $1; p = $1; next } $1 - p > 8 { print s, p; s = $1 } { p = $1 } END { print s, p }'
}

# menu_bar_item_middle ID N: the pixel column in the middle of the Nth caption of the menu bar.
menu_bar_item_middle() {
    local first="" last=""
    # A window is laid out and painted again once it is framed: its captions are read once the bar shows
    # all four of them.
    wait_until 10 eval "[ \$(menu_bar_items $1 | wc -l) -ge 4 ]" || true
    read -r first last < <(menu_bar_items "$1" | sed -n "${2}p") || true
    [ -n "$last" ] || fail "the menu bar has no item $2: $(menu_bar_items "$1" | tr '\n' ' ')"
    echo $(((first + last) / 2))
}

# click_menu_bar_item ID N: a click on the Nth caption of the menu bar.
click_menu_bar_item() {
    local middle
    middle=$(menu_bar_item_middle "$1" "$2")
    xdotool mousemove --window "$1" "$middle" 9 click 1
}

# stacked_above UPPER LOWER: the window manager stacks window UPPER above window LOWER.
stacked_above() {
    local id place=0 upper=0 lower=0
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*'); do
        place=$((place + 1))
        (( id == $1 )) && upper=$place
        (( id == $2 )) && lower=$place
    done
    ((lower && upper > lower))
}

# shown_windows: how many windows of the program are on the screen (menus included).
shown_windows() {
    xdotool search --onlyvisible --pid "$VIEWER_PID" 2>/dev/null | wc -l
}
