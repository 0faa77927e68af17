# Shared by scripts/play and scripts/test: installs the Debian packages that are missing and
# configures and builds the project.

TEVRA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# What building and running needs.
TEVRA_BUILD_PACKAGES=(build-essential cmake pkg-config libsdl2-dev libfreetype-dev
    libfontconfig-dev libx11-dev libxrandr-dev libjpeg-dev libpng-dev libgtest-dev libgmock-dev
    libbenchmark-dev fonts-dejavu-core fonts-lato libgl1-mesa-dri)
# What the real-window checks need on top (a virtual X display and tools to drive and read it).
TEVRA_WINDOW_TEST_PACKAGES=(xvfb xdotool imagemagick python3-xlib x11-utils x11-xserver-utils
    tesseract-ocr openbox)
# What the fuzz runs need on top (clang and its fuzzer runtime).
TEVRA_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# What scripts/package needs on top (dpkg-buildflags, and dpkg-shlibdeps reads files with `file`).
TEVRA_PACKAGE_PACKAGES=(dpkg-dev file)
# What CI's check of the Debian package needs on top.
TEVRA_PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream strace)
# What bench/measure_process.sh needs on top: a window manager to start the game under.
TEVRA_MEASURE_PACKAGES=(openbox)

tevra_missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$pkg"
    done
}

# Installs the given packages that are not installed yet, non-interactively.
tevra_ensure_packages() {
    local missing
    missing=$(tevra_missing_packages "$@" | tr '\n' ' ')
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "tevra: missing Debian packages: $missing; run as root or install them with apt-get" >&2
        return 1
    fi
    echo "tevra: installing $missing" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# Configures and builds into the given folder; extra arguments go to CMake.
tevra_build() {
    local dir=$1
    shift
    local werror=OFF
    [ -n "${TEVRA_WERROR:-}" ] && werror=ON
    cmake -S "$TEVRA_ROOT" -B "$dir" -DTEVRA_WERROR=$werror "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
