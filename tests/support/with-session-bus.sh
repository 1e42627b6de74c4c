#!/usr/bin/env bash
# Runs a command with a private D-Bus bus that has the test notification,
# screen-saver and logind service on it (notification-server.py), and stops
# both afterwards. The bus stands in for the session bus and the system bus
# alike, so a test never reaches the machine's own services.
#
# Exported to the command: DBUS_SESSION_BUS_ADDRESS, DBUS_SYSTEM_BUS_ADDRESS
# and TESSALY_NOTIFY_LOG.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-bus.XXXXXX")
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

fail() { echo "with-session-bus: $*" >&2; exit 1; }
wait_for() { # wait_for <seconds> <command...>
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/bus" || fail "the bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS

export TESSALY_NOTIFY_LOG=${TESSALY_NOTIFY_LOG:-$work/notifications.log}
/usr/bin/python3 "$here/notification-server.py" --log "$TESSALY_NOTIFY_LOG" --ready "$work/notify-ready" &
pids+=($!)
wait_for 10 test -s "$work/notify-ready" || fail "the notification service did not start"

"$@" &
command_pid=$!
pids+=($command_pid)
wait "$command_pid"
exit $?
