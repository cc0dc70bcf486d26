#!/usr/bin/env bash
# The framed main window: it fills an 800 x 600 screen at every start, a close and a start leave it as it
# was, and on 1024 x 768 it has the size fitted to the ad image.
source "$(dirname "$0")/desktop.sh"
catalog

desktop 800x600
for start in 1 2 3; do
    start_viewer
    expect_outer_geometry "$MAIN" "0 0 800 600" "800 x 600, start $start"
    close_by_window_manager "$MAIN"
    wait_for_end 20
done
settings="$XDG_CONFIG_HOME/VantorAds/VantorAds.ini"
grep -qx "MainWidth=12000" "$settings" && grep -qx "MainHeight=9000" "$settings" ||
    fail "the stored size is not the screen's: $(tr '\n' ' ' <"$settings")"

# A smaller window, moved and closed, comes back as it was, twice.
start_viewer
xdotool windowsize "$MAIN" 598 455 windowmove "$MAIN" 60 60
wait_until 10 eval "outer_geometry $MAIN | grep -q ' 600 480\$'" || fail "xdotool could not resize the window"
moved=$(outer_geometry "$MAIN")
close_by_window_manager "$MAIN"
wait_for_end 20
for start in 1 2; do
    start_viewer
    expect_outer_geometry "$MAIN" "$moved" "start $start after a close at $moved"
    close_by_window_manager "$MAIN"
    wait_for_end 20
done

desktop 1024x768
rm -rf "$XDG_CONFIG_HOME"
start_viewer
# 12085 x 9195 twips.
expect_outer_geometry "$MAIN" "0 0 806 613" "1024 x 768"
echo "PASS"
