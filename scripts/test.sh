#!/usr/bin/env bash
# Installs what is missing, builds everything (what run.sh built is reused) and runs every test.
source "$(dirname "$0")/common.sh"
install_missing
build
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS" --timeout 300
