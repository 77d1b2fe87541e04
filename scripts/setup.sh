# Shared set-up of scripts/run and scripts/test: installs the Debian packages that are missing,
# then configures and builds. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program needs.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libpng-dev fonts-liberation2)
# What the test suite needs on top: GoogleTest, a real MariaDB server, libxml2, an X server for
# the end-to-end run and the tools that drive and photograph it, and Debian's packaging tools.
TEST_PACKAGES=(libgtest-dev mariadb-server mariadb-client libxml2-dev libxml2-utils xvfb xauth
    x11-utils xdotool imagemagick python3 dpkg-dev appstream desktop-file-utils file)

install_missing_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build BUILD_DIR [CMAKE_ARGS...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}
