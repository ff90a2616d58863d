# Shared by the quick-start scripts: the Debian packages the program and its tests need, installed
# only when missing, and the build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
JOBS=${JOBS:-$(nproc)}

PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libzxing-dev libzxing-core-java default-jdk-headless
  poppler-utils fonts-liberation fonts-crosextra-carlito
  cups libcups2-dev printer-driver-cups-pdf
  libxcb1-dev xvfb openbox x11-utils xdotool
)

# On a fresh machine the system's own updates often hold the package lock for a while: apt-get
# waits for it this long (seconds) instead of failing at once.
APT_LOCK_TIMEOUT=${APT_LOCK_TIMEOUT:-600}
# The locks apt-get takes: dpkg's for installing, the lists' for updating.
APT_LOCKS=${APT_LOCKS:-/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock}

SUDO=()
[ "$(id -u)" -eq 0 ] || SUDO=(sudo)

# The process holding one of the package locks, as "pid (name)"; fails when none is held.
# apt and dpkg lock with fcntl, which /proc/locks lists by device (major:minor in hex) and inode.
apt_lock_holder() {
  local lock dev file pid
  for lock in $APT_LOCKS; do
    [ -e "$lock" ] || continue
    dev=$(stat -c %d "$lock") || continue
    file=$(printf '%02x:%02x:%s' $(((dev >> 8) & 0xfff)) $(((dev & 0xff) | ((dev >> 12) & 0xfff00))) "$(stat -c %i "$lock")")
    pid=$(awk -v file="$file" '$2 != "->" && $6 == file { print $5; exit }' /proc/locks)
    if [ -n "$pid" ]; then
      echo "$pid ($(cat "/proc/$pid/comm" 2>/dev/null || echo '?'))"
      return 0
    fi
  done
  return 1
}

# apt-get with the lock time-out. apt-get install waits by itself (DPkg::Lock::Timeout), but
# apt-get update fails at once on a held lists lock, so a held lock is waited out here first and
# a failure while one is held is tried again, within the same time-out.
apt_get() {
  local deadline=$((SECONDS + APT_LOCK_TIMEOUT)) holder rc
  while :; do
    while holder=$(apt_lock_holder) && [ "$SECONDS" -lt "$deadline" ]; do
      if [ -z "${APT_SAID_WAITING:-}" ]; then
        echo "Waiting up to $APT_LOCK_TIMEOUT s for the package lock, held by process $holder..."
        APT_SAID_WAITING=1
      fi
      sleep 1
    done
    rc=0
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get -o DPkg::Lock::Timeout=$((deadline > SECONDS ? deadline - SECONDS : 0)) "$@" || rc=$?
    [ "$rc" -eq 0 ] && return 0
    if holder=$(apt_lock_holder); then
      if [ "$SECONDS" -lt "$deadline" ]; then continue; fi
      echo "The package lock is still held by process $holder after $APT_LOCK_TIMEOUT s; try again when it is done." >&2
    fi
    return "$rc"
  done
}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

configure() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}

# Builds the given targets (all when none). ninja numbers its steps [n/N]; a last line says how
# many there were.
build() {
  configure
  local targets=() count rc=0
  [ $# -eq 0 ] || targets=(--target "$@")
  count=$(mktemp)
  cmake --build "$BUILD" "${targets[@]}" -- -j"$JOBS" | awk -v count="$count" '
    { print; fflush() }
    /^\[[0-9]+\/[0-9]+\]/ && !/Re-checking globbed|Re-running CMake/ { split(substr($1, 2), n, "/"); steps = n[2] + 0 }
    END { print steps + 0 > count }' || rc=$?
  [ "$rc" -eq 0 ] && echo "Built ${*:-every target}: $(cat "$count") build steps."
  rm -f "$count"
  return "$rc"
}
