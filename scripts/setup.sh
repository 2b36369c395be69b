# Sourced by the other scripts: installs the Debian packages the program needs to build, run and be
# tested, when any is missing, and configures and builds one preset.

TOVIRA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TOVIRA_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-translations-l10n
    fonts-arphic-uming
    xvfb dbus-daemon at-spi2-core python3-pyatspi
)

tovira_install_packages() {
    local missing=() p
    for p in "${TOVIRA_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tovira_build() { # tovira_build PRESET [TARGET...]: all targets when none is named
    local preset="$1"
    shift
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cd "$TOVIRA_ROOT"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "${targets[@]}"
}
