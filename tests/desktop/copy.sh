#!/usr/bin/env bash
# A close request by the window manager while the ads are copied to the hard disk: whatever the program
# does with it (holds it until the copy ends, refuses it), what stays on the disk is a copy the next start
# can trust: every ad of the catalog whole, or none at all.
source "$(dirname "$0")/desktop.sh"
catalog
# Ads of a megabyte each (a JPEG ends at its end marker; what follows is never read), so that the copy
# lasts long enough to be interrupted.
for ad in "$WORK"/cd/ads/*.jpg; do
    truncate -s 1000000 "$ad"
done
COPY="$XDG_DATA_HOME/VantorAds/ads"

desktop 800x600
start_viewer
click_menu_bar_item "$MAIN" 1 # File
xdotool key Down Return       # "Copy CD-ROM Ads to Hard Drive"
# "Copy Ads" on the progress panel, which is centred on the screen below the menu bar: the panel is
# 486 x 345 pixels at (157, 128) of the window's inside, the button 217 x 33 at (24, 288) of the panel.
sleep 1
xdotool mousemove --window "$MAIN" 289 452 click 1
wait_until 20 eval "ls '$COPY'/*.jpg" || fail "the copy did not start"
close_by_window_manager "$MAIN"

# The program may end at once, or finish the copy first and report it: a report is answered, and a
# close refused while the copy ran is asked again once every ad has arrived.
reports='^(VantorAds|Vantor Ads - The Marketing of Roadmark)$'
deadline=$((SECONDS + 90))
while kill -0 "$VIEWER_PID" 2>/dev/null && ((SECONDS < deadline)); do
    report=$(xdotool search --onlyvisible --name "$reports" 2>/dev/null | head -n 1) || true
    if [ -n "$report" ]; then
        xdotool windowactivate "$report" key Return 2>/dev/null || true
    elif [ "$(ls "$COPY" | wc -l)" -ge "$(ls "$WORK/cd/ads" | wc -l)" ]; then
        wmctrl -i -c "$MAIN" 2>/dev/null || true
    fi
    sleep 0.5
done
kill -0 "$VIEWER_PID" 2>/dev/null && fail "the program did not end after the close request"
VIEWER_PID=""

if ls "$COPY"/*.jpg >/dev/null 2>&1; then
    for ad in "$WORK"/cd/ads/*.jpg; do
        cmp -s "$ad" "$COPY/$(basename "$ad")" ||
            fail "the close left an incomplete copy: $(basename "$ad") is missing or not whole"
    done
fi
# The next start comes up on whatever was left.
start_viewer
echo "PASS"
