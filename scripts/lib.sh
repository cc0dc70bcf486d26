# Shared by the scripts: install what the build needs, once, from Debian's packages.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev googletest
                libjpeg62-turbo-dev libturbojpeg0-dev libxcb1-dev fonts-liberation fonts-liberation2
                fonts-dejavu-core libiso9660-dev)
RUN_PACKAGES=(xvfb xauth xdotool imagemagick x11-utils openbox)
# The desktop tests: the program under a window manager and under a Wayland compositor, driven from outside.
DESKTOP_PACKAGES=(xvfb xauth xdotool imagemagick x11-utils openbox wmctrl weston xwayland qt6-wayland)
TEST_PACKAGES=(poppler-utils genisoimage dpkg-dev appstream desktop-file-utils groff-base "${DESKTOP_PACKAGES[@]}")
BENCH_PACKAGES=(unrtf genisoimage)

ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

configure_and_build() { # folder, then extra cmake arguments
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$JOBS"
}

# The display numbers the scripts' own X servers may take, first and last: VANTORADS_DISPLAYS="70 79".
read -r DISPLAY_FIRST DISPLAY_LAST <<<"${VANTORADS_DISPLAYS:-90 99}"

# wait_until SECONDS COMMAND...: true as soon as the command succeeds, false when the time is up.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# start_xvfb WIDTHxHEIGHT LOG: an Xvfb of that size on a free display of the range. A display another
# server takes meanwhile costs one more try on the next free one. Sets DISPLAY and XVFB_PID.
start_xvfb() {
    local size=$1 log=$2 tries=0 n ready
    ready=$(mktemp)
    for ((n = DISPLAY_FIRST; n <= DISPLAY_LAST && tries < 2; n++)); do
        { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
        tries=$((tries + 1))
        : >"$ready"
        # The server writes its display number once it takes connections, and only if it is its own.
        Xvfb ":$n" -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset -displayfd 3 3>"$ready" >>"$log" 2>&1 &
        XVFB_PID=$!
        wait_until 10 eval "[ -s '$ready' ] || ! kill -0 $XVFB_PID"
        if [ -s "$ready" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
            rm -f "$ready"
            export DISPLAY=":$n"
            return 0
        fi
        echo "Xvfb could not take display :$n" >>"$log"
        end_process "$XVFB_PID"
    done
    rm -f "$ready"
    echo "No X server could be started on a display from :$DISPLAY_FIRST to :$DISPLAY_LAST (see $log)." >&2
    return 1
}

# start_window_manager LOG: openbox on $DISPLAY, once it manages the screen. Sets WM_PID.
start_window_manager() {
    openbox --sm-disable >>"$1" 2>&1 &
    WM_PID=$!
    if ! wait_until 10 eval "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"; then
        echo "openbox did not start on $DISPLAY (see $1)." >&2
        return 1
    fi
}

# end_process PID: asks a process of ours to end, and makes it when it has not within 5 seconds.
end_process() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait_until 5 eval "! kill -0 $1" || kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# stop_desktop: ends the window manager and the X server started above.
stop_desktop() {
    end_process "${WM_PID:-}"
    end_process "${XVFB_PID:-}"
    WM_PID="" XVFB_PID=""
}

# wait_for_window TITLE SECONDS PID: prints the id of the visible window of that exact title once it is
# shown; fails when the time is up or the process PID has ended.
wait_for_window() {
    local title=$1 deadline=$((SECONDS + $2)) pid=$3 id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
