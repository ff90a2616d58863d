#!/usr/bin/env bash
# The install step of the quick-start scripts against a package lock that another process holds.
# The lock is a real fcntl lock, taken by holdlock; apt-get is a stand-in on PATH that records how
# it was called and behaves as apt 2.6 does: without DPkg::Lock::Timeout it fails at once with
# 100, "update" fails at once on a held lock whatever the option, "install" waits up to the
# option's seconds. No real package is installed.
set -euo pipefail
HOLDLOCK=$1
ROOT=$2
[ "$(id -u)" -eq 0 ] || { echo "skipped: install_missing calls apt-get through sudo when not root"; exit 77; }

work=$(mktemp -d)
holder=
cleanup() {
  [ -z "$holder" ] || kill "$holder" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/bin"
cat >"$work/bin/apt-get" <<EOF
#!/usr/bin/env bash
echo "\$*" >>"$work/calls"
timeout=
for a in "\$@"; do case \$a in DPkg::Lock::Timeout=*) timeout=\${a#*=} ;; esac; done
[ -n "\$timeout" ] || exit 100
case " \$* " in
  *" update "*) "$HOLDLOCK" --wait "$work/lock" 0 || exit 100 ;;
  *) "$HOLDLOCK" --wait "$work/lock" "\$timeout" || exit 100 ;;
esac
EOF
chmod +x "$work/bin/apt-get"

fail() { echo "FAILED: $*"; echo "--- output"; cat "$work/out" 2>/dev/null; echo "--- apt-get calls"; cat "$work/calls" 2>/dev/null; exit 1; }

hold() {  # holds the lock for $1 seconds from when it says so, in the background
  "$HOLDLOCK" "$work/lock" "$1" >"$work/held" &
  holder=$!
  until grep -q locked "$work/held" 2>/dev/null; do
    kill -0 "$holder" 2>/dev/null || fail "holdlock did not take the lock"
    sleep 0.05
  done
}

# Whether the lock is held at this moment.
held() { ! "$HOLDLOCK" --wait "$work/lock" 0; }

# install_missing with one package that is surely missing; its exit code, output in $work/out.
install_step() {
  rm -f "$work/calls"
  local rc=0
  (
    PATH="$work/bin:$PATH" APT_LOCKS="$work/lock" APT_LOCK_TIMEOUT=$1
    source "$ROOT/scripts/common.sh"
    PACKAGES=(etiquetas-test-package-that-is-not-there)
    install_missing
  ) >"$work/out" 2>&1 || rc=$?
  return $rc
}

waits() { grep -c '^Waiting up to .* for the package lock, held by process [0-9]* (holdlock)' "$work/out" || true; }

# Every apt-get call carries the lock time-out, at most the configured one and above 0.
check_calls() {
  [ "$(grep -c ' update ' "$work/calls")" -eq 1 ] || fail "apt-get update not called once"
  [ "$(grep -c ' install ' "$work/calls")" -eq 1 ] || fail "apt-get install not called once"
  while read -r call; do
    [[ $call =~ ^-o\ DPkg::Lock::Timeout=([0-9]+)\  ]] || fail "no lock time-out in: $call"
    [ "${BASH_REMATCH[1]}" -gt 0 ] && [ "${BASH_REMATCH[1]}" -le "$1" ] || fail "time-out out of range in: $call"
  done <"$work/calls"
}

# 1. No lock held: installs without a word about waiting.
install_step 30 || fail "install without a held lock failed"
[ "$(waits)" -eq 0 ] || fail "said it waits while nothing holds the lock"
check_calls 30

# 2. The lock is held until the step says that it waits, then let go: the step installs, having
# said so once. The stand-in installs only on a free lock, so it has waited for the release.
hold 60
install_step 30 &
step=$!
until grep -q '^Waiting up to' "$work/out" 2>/dev/null; do
  kill -0 "$step" 2>/dev/null || fail "ended without waiting for the held lock"
  sleep 0.05
done
kill "$holder"
wait "$holder" || true
holder=
wait "$step" || fail "install after the lock was released failed"
[ "$(waits)" -eq 1 ] || fail "expected exactly one line saying that it waits"
check_calls 30

# 3. The lock outlives the time-out by far: it gives up while the lock is still held, saying
# why, and no apt-get call was given more than the time-out to wait.
hold 60
if install_step 2; then fail "installed: it waited for the lock past its 2 s time-out"; fi
held || fail "gave up only after the lock was released, with a 2 s time-out"
# A machine busy enough to spend the whole time-out finding the holder leaves no time to wait,
# and so no word of waiting; case 2 checks that word.
[ "$(waits)" -le 1 ] || fail "said more than once that it waits"
grep -q 'still held by process [0-9]* (holdlock) after 2 s' "$work/out" || fail "no word on the lock still held"
while read -r call; do
  [[ $call =~ ^-o\ DPkg::Lock::Timeout=([0-9]+)\  ]] && [ "${BASH_REMATCH[1]}" -le 2 ] || fail "time-out out of range in: $call"
done <"$work/calls"
echo "ok"
