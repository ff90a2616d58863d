#!/usr/bin/env bash
# Installs what is missing, builds only what the program needs (the executable, the demo program
# folder and the QR generator; the tests and benchmarks are left to test.sh) and starts the
# program in its folder.
source "$(dirname "$0")/common.sh"
install_missing
build etiquetas programa qrlumo
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on; the program is built at $BUILD/programa/etiquetas."
  exit 0
fi
cd "$BUILD/programa"
exec ./etiquetas
