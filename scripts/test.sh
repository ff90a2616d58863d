#!/usr/bin/env bash
# Installs what is missing, builds everything (what run.sh built is reused) and runs every test,
# then the print-run tests once more under AddressSanitizer (a window freed during a run shows there).
source "$(dirname "$0")/common.sh"
install_missing
build
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS" --timeout 300)
rc=0
BUILD="$BUILD-asan" JOBS="$JOBS" "$ROOT/scripts/asan-runs.sh" || rc=$?
# 77: the private print server needs root, as the same tests in ctest do.
if [ "$rc" -eq 77 ]; then
  echo "The print-run tests under AddressSanitizer were skipped: they need root for their print server."
elif [ "$rc" -ne 0 ]; then
  exit "$rc"
fi
