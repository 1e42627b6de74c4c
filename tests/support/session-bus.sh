# Sourced by the session scripts (desktop-session.sh, desktop-program.sh,
# with-session-bus.sh, with-xvfb.sh, sway-session.sh): a work folder and helper
# processes that go away when the script exits, a private X server and the
# private D-Bus buses.
# The sourcing script sets `me` (its name in messages) first.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-$me.XXXXXX")
pids=()

cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do wait "${pids[i]}" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

fail() { echo "$me: $*" >&2; exit 1; }
wait_for() { # wait_for <seconds> <command...>
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# start_xvfb: a private X server on a display number it picks itself; exports
# DISPLAY. Screen size: TESSALY_TEST_SCREEN (default 1280x1024x24).
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${TESSALY_TEST_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
    3>"$work/display" 2>/dev/null &
  pids+=($!)
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# start_bus <folder>: a private bus listening in <folder>, its address in
# <folder>/address. Its configuration names no service folders: nothing
# installed on the machine is started on demand.
start_bus() {
  mkdir -p "$1"
  cat >"$1/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:dir=$1</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/>
<allow own="*"/></policy></busconfig>
CONF
  dbus-daemon --config-file="$1/bus.conf" --nofork --nopidfile --print-address=3 \
    3>"$1/address" 2>/dev/null &
  pids+=($!)
  wait_for 10 test -s "$1/address" || fail "a private bus did not start"
}

# start_session_bus [--no-notification-server]: a bus that serves as session
# and system bus, so a test never reaches the machine's own services (any
# other argument is passed over). Unless told otherwise, notification-server.py (the notification, screen-saver and
# logind service) runs on it and logs every notification to
# $TESSALY_NOTIFY_LOG.
start_session_bus() {
  start_bus "$work"
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/address")
  export DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
  if [ "${1:-}" = --no-notification-server ]; then
    unset TESSALY_NOTIFY_LOG
    return
  fi
  export TESSALY_NOTIFY_LOG=${TESSALY_NOTIFY_LOG:-$work/notifications.log}
  /usr/bin/python3 "$here/notification-server.py" "$TESSALY_NOTIFY_LOG" "$work/notify-ready" &
  pids+=($!)
  wait_for 10 test -s "$work/notify-ready" || fail "the notification service did not start"
}

# run_command <command...>: runs it, stopped with the rest; exits with its status.
run_command() {
  "$@" &
  pids+=($!)
  wait "$!"
  exit $?
}
