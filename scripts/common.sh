# Shared by run.sh and test.sh: installs what is missing and builds.
# Sourced, not run.

VEXORIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VEXORIN_BUILD=${VEXORIN_BUILD:-$VEXORIN_ROOT/build}

# Every Debian 12 package the build, the program and the tests need.
VEXORIN_PACKAGES=(
    cmake ninja-build g++ pkg-config git
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev sqlite3
    mdbtools mdbtools-dev libglib2.0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation
    xvfb xauth
)

vexorin_install_missing() {
    local missing=()
    local package
    for package in "${VEXORIN_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Cannot install packages without root. Run as root:" >&2
            echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    if ! { "${sudo[@]}" apt-get update -qq && "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "Installing packages failed. Run this, then try again:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
}

vexorin_build() {
    cmake -S "$VEXORIN_ROOT" -B "$VEXORIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" &&
        cmake --build "$VEXORIN_BUILD" -j "$(nproc)"
}
