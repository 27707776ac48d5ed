# Shared by scripts/run and scripts/test: install missing Debian packages, configure and build.
# shellcheck shell=bash

CANDELOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages to build, run and test the calculator on Debian 12 or Ubuntu.
CANDELOR_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev
  fonts-liberation2 libxtst-dev libwayland-dev pkgconf)
CANDELOR_TEST_PACKAGES=(xvfb xauth x11-utils xdotool xclip openbox libx11-dev locales clang
  desktop-file-utils appstream dpkg-dev lintian
  at-spi2-core python3-pyatspi dbus-daemon orca speech-dispatcher espeak-ng
  libclang-rt-14-dev weston qt6-wayland wl-clipboard sway)

# Installs whichever of the given packages are not installed yet; quick when all are there.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "These packages are needed but this system has no apt-get: ${missing[*]}" >&2
    echo "Install their equivalents with your package manager, then run this script again." >&2
    exit 1
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "Installing ${missing[*]} needs root or sudo." >&2; exit 1; }
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# Configures (once) and builds one preset.
build_preset() {
  local preset=$1
  shift
  cd "$CANDELOR_ROOT" || exit 1
  if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" "$@" >/dev/null || exit 1
  fi
  cmake --build --preset "$preset" || exit 1
}
