#!/usr/bin/env bash
# Starts the desktop program under a virtual X server on a private D-Bus session with the
# accessibility bus, lists a small folder, opens the rename parameters window and the settings
# dialog through their ribbon buttons' AT-SPI actions, and reads every window the way a
# screen reader does (scripts/atspi-check.py); fails on an interactive element without a name.
# Usage: check-accessibility.sh [BUILD_DIR] (default build-test). Exit status: 0 passed,
# 1 unnamed elements found, 2 the check could not run (with the reason).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build-test}}
program=$build/desktop/shell/quirewell
limit=${ACCESSIBILITY_TIMEOUT:-90}

fail() {
  echo "check-accessibility: $*" >&2
  exit 2
}
[ -x "$program" ] || fail "no program at $program (build it first)"
for tool in Xvfb dbus-run-session timeout; do
  command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/setup.sh)"
done
# Debian's own Python, which python3-pyatspi installs into.
python=/usr/bin/python3
[ -x "$python" ] || fail "/usr/bin/python3 is missing"
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing (run scripts/setup.sh)"
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate
done
[ -n "$launcher" ] || fail "at-spi2-core's at-spi-bus-launcher is missing (run scripts/setup.sh)"

work=$(mktemp -d)
xvfb=
display=
ready=0
trap 'ready=1' USR1
cleanup() {
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/folder" "$work/config" "$work/state" "$work/runtime"
chmod 700 "$work/runtime"
for name in alpha.txt beta.txt gamma.jpg; do printf 'x' >"$work/folder/$name"; done

# The session: the accessibility bus, the program, then the reader; the program ends with it.
cat >"$work/session.sh" <<EOF
set -u
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus=\$!
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  "$program" "$work/folder" >"$work/program.log" 2>&1 &
pid=\$!
status=0
"$python" "$root/scripts/atspi-check.py" "\$pid" --press "Rename Parameters" --press "Software Settings" \
  --timeout "$limit" || status=\$?
kill "\$pid" 2>/dev/null
wait "\$pid" 2>/dev/null
kill "\$bus" 2>/dev/null
exit \$status
EOF

# A display of our own, far from the numbers xvfb-run and -displayfd start from, so that
# another server going away cannot take our socket with it.
start_xvfb() {
  local n
  for _ in $(seq 1 20); do
    n=$((200 + RANDOM % 700))
    [ -e "/tmp/.X$n-lock" ] && continue
    # An X server that inherits SIGUSR1 ignored sends it to its parent once it takes
    # connections (as xvfb-run relies on). Without -noreset it would also start over, and
    # refuse connections meanwhile, whenever its last client leaves.
    ready=0
    (
      trap '' USR1
      exec Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1
    ) &
    xvfb=$!
    for _ in $(seq 1 150); do
      [ "$ready" = 1 ] && break
      kill -0 "$xvfb" 2>/dev/null || break
      sleep 0.1
    done
    if [ "$ready" = 1 ]; then
      display=:$n
      return 0
    fi
    stop_xvfb
  done
  return 1
}
stop_xvfb() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=
  fi
}

# The program may fail to reach a display that vanished under it: try again, twice at most.
status=2
for attempt in 1 2 3; do
  start_xvfb || fail "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
  status=0
  DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state \
    XDG_RUNTIME_DIR=$work/runtime \
    timeout --kill-after=10 $((limit + 60)) dbus-run-session -- bash "$work/session.sh" ||
    status=$?
  stop_xvfb
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "check-accessibility: timed out after $((limit + 60)) s" >&2
    status=2
  fi
  if [ "$status" -eq 2 ] && grep -q "could not connect to display" "$work/program.log" 2>/dev/null; then
    echo "check-accessibility: the program lost its display (attempt $attempt), trying again" >&2
    tail -n 5 "$work/xvfb.log" >&2
    continue
  fi
  break
done
if [ "$status" -ne 0 ]; then
  for log in program bus xvfb; do
    if [ -s "$work/$log.log" ]; then
      echo "--- $log output:" >&2
      tail -n 30 "$work/$log.log" >&2
    fi
  done
fi
exit "$status"
