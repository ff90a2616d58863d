#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
source "$(dirname "$0")/common.sh"
install_missing
build
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300
