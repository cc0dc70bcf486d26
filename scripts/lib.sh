# Shared by the scripts: install what the build needs, once, from Debian's packages.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev googletest
                libjpeg62-turbo-dev libturbojpeg0-dev libxcb1-dev fonts-liberation fonts-liberation2
                fonts-dejavu-core libiso9660-dev)
RUN_PACKAGES=(xvfb xauth xdotool imagemagick x11-utils)
TEST_PACKAGES=(poppler-utils genisoimage dpkg-dev appstream desktop-file-utils groff-base)
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
