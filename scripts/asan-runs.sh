#!/usr/bin/env bash
# Builds the print-run tests with AddressSanitizer in build-asan and runs them beside a private
# cupsd: a window or dialog freed while a run still uses it shows as an ASan report. Leak
# reports are off: the system's D-Bus library keeps a buffer to the end.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build-asan}
JOBS=${JOBS:-4}
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address >/dev/null
cmake --build "$BUILD" --target test_runs -- -j"$JOBS"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 "$ROOT/tests/cups/with-cupsd.sh" "$BUILD/tests/runs/test_runs"
