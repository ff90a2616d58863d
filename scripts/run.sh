#!/usr/bin/env bash
# Installs what is missing, builds, lays out the demo program folder and starts the program there.
source "$(dirname "$0")/common.sh"
install_missing
build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on; the program is built at $BUILD/programa/etiquetas."
  exit 0
fi
cd "$BUILD/programa"
exec ./etiquetas
