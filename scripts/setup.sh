# Sourced by run.sh and test.sh: installs what is missing (as root), then configures and builds
# in the directory given as $1 with the extra CMake arguments that follow.
set -euo pipefail

VELMORIA_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev liberfa-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-dejavu-core
    dpkg-dev file appstream desktop-file-utils
)

velmoria_install() {
    local missing=()
    for p in "${VELMORIA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages. Run as root:"
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
}

velmoria_build() {
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" -j"$(nproc)"
}
