# Shared by the quick-start scripts: the Debian packages the program and its tests need, installed
# only when missing, and the build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}

PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libzxing-dev libzxing-core-java default-jdk-headless
  poppler-utils fonts-liberation fonts-crosextra-carlito
  cups libcups2-dev printer-driver-cups-pdf
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -- -j"$(nproc)"
}
