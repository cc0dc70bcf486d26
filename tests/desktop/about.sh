#!/usr/bin/env bash
# The About window under a window manager: it stays above the main window when the main window is
# clicked, the main window takes no input meanwhile, and closing About by the window manager (not OK)
# gives the main window back. Input is tried by clicking the menu bar's "File": a menu opens or not.
source "$(dirname "$0")/desktop.sh"
catalog
desktop 800x600
start_viewer

# "File" opens its menu, which Escape closes again. (A disabled menu bar shows no caption to be found.)
file_middle=$(menu_bar_item_middle "$MAIN" 1)
menu_opens() {
    local before
    before=$(shown_windows)
    xdotool mousemove --window "$MAIN" "$file_middle" 9 click 1
    wait_until 4 eval "[ \$(shown_windows) -gt $before ]" || return 1
    xdotool key Escape
    wait_until 10 eval "[ \$(shown_windows) -le $before ]"
}
menu_opens || fail "the main window takes no input before About"

click_menu_bar_item "$MAIN" 4 # Help
xdotool key Down Down Down Down Down Down Return # "About"
ABOUT=$(wait_for_window "$ABOUT_TITLE" 10 "$VIEWER_PID") || fail "About did not open"
wait_until 10 stacked_above "$ABOUT" "$MAIN" || fail "About opened beneath the main window"

# A click on the main window beside About; the window manager raises what is clicked.
xdotool mousemove --window "$MAIN" 20 300 click 1
sleep 0.5
stacked_above "$ABOUT" "$MAIN" || fail "a click on the main window put it above About"
! menu_opens || fail "the main window took input while About was open"

close_by_window_manager "$ABOUT"
wait_until 10 eval "! xdotool search --onlyvisible --name '^$ABOUT_TITLE\$'" || fail "About did not close"
menu_opens || fail "after About was closed by the window manager the main window takes no input"
echo "PASS"
