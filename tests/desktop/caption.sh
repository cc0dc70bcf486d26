#!/usr/bin/env bash
# The task-bar command's caption: a web link while the task bar is hidden (the window in the full-screen
# state) gives the screen back and leaves "ShowStatusBar"; only the user's own change of size resets it.
# The caption is read from pictures of the menu bar.
source "$(dirname "$0")/desktop.sh"
catalog
# The desktop's browser, as the program's web links find it.
mkdir "$WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$WORK/opened" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

desktop 800x600
start_viewer
away() { xdotool mousemove --window "$MAIN" 500 300; }
# Smaller than the screen, so that leaving the full-screen state changes the window's size.
xdotool windowsize "$MAIN" 598 455
expect_outer_geometry "$MAIN" "0 0 600 480" "made smaller"
away
menu_bar_picture "$MAIN" "$WORK/hide.png"

click_menu_bar_item "$MAIN" 3 # HideStatusBar
wait_until 10 eval "xprop -id $MAIN _NET_WM_STATE | grep -q FULLSCREEN" || fail "HideStatusBar: no full screen"
expect_outer_geometry "$MAIN" "0 0 800 600" "HideStatusBar"
away
wait_until 10 eval "! menu_bar_shows $MAIN $WORK/hide.png" || fail "HideStatusBar: the menu bar did not change"
menu_bar_picture "$MAIN" "$WORK/show.png"

click_menu_bar_item "$MAIN" 4 # Help
xdotool key Down Down Down Return # "Visit the Kestrel Software website "
wait_until 10 grep -q kestrelsoft "$WORK/opened" || fail "the web link opened no page"
wait_until 10 eval "! xprop -id $MAIN _NET_WM_STATE | grep -q FULLSCREEN" || fail "the web link kept the full screen"
expect_outer_geometry "$MAIN" "0 0 600 480" "after the web link"
away
# Time for resize events that come late.
sleep 1
menu_bar_shows "$MAIN" "$WORK/show.png" ||
    fail "after the web link the command no longer reads ShowStatusBar (see the menu bar pictures)"

xdotool windowsize "$MAIN" 498 400
wait_until 10 menu_bar_shows "$MAIN" "$WORK/hide.png" ||
    fail "the user's change of size did not bring HideStatusBar back"
echo "PASS"
