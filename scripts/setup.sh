# Shared by run.sh and test.sh: makes sure the Debian packages are there and
# configures and builds the program into build/ (or $VELOTRA_BUILD_DIR).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VELOTRA_BUILD_DIR:-$ROOT/build}"
JOBS="${VELOTRA_JOBS:-$(nproc)}"

PACKAGES=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev libimagequant-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation2 fonts-dseg
  xvfb xauth
  dpkg-dev file appstream
  dbus at-spi2-core python3-pyatspi xdotool
)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing Debian packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$BUILD_DIR" -j "$JOBS"
}
