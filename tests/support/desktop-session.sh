#!/usr/bin/env bash
# Runs a command inside a private desktop session and tears the session down
# afterwards, whatever happens: a private X server (Xvfb), a tray host
# (trayer), a private D-Bus bus and a notification / screen-saver / logind
# service that logs every notification to $TESSALY_NOTIFY_LOG. The private bus
# serves as the system bus too, so the machine's logind never answers.
#
# Exported to the command: DISPLAY, DBUS_SESSION_BUS_ADDRESS,
# DBUS_SYSTEM_BUS_ADDRESS, TESSALY_NOTIFY_LOG, TESSALY_TRAYER_PID and
# TESSALY_TRAYER_COMMAND (to stop and restart the tray host; a host the command
# starts is the command's to stop). Screen size: TESSALY_TEST_SCREEN (default
# 1280x1024x24). HOME and the XDG folders are left as the caller set them.
#
# desktop-session.sh --no-notification-server <command...> leaves the
# notification / screen-saver service out: the bus then has no owner for
# org.freedesktop.Notifications, and TESSALY_NOTIFY_LOG is not set.
set -u
notification_server=yes
if [ "${1:-}" = --no-notification-server ]; then
  notification_server=no
  shift
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
screen=${TESSALY_TEST_SCREEN:-1280x1024x24}
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-desktop.XXXXXX")
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

fail() { echo "desktop-session: $*" >&2; exit 1; }
wait_for() { # wait_for <seconds> <command...>
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/bus" || fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS

if [ "$notification_server" = yes ]; then
  export TESSALY_NOTIFY_LOG=${TESSALY_NOTIFY_LOG:-$work/notifications.log}
  /usr/bin/python3 "$here/notification-server.py" --log "$TESSALY_NOTIFY_LOG" --ready "$work/notify-ready" &
  pids+=($!)
  wait_for 10 test -s "$work/notify-ready" || fail "the notification service did not start"
else
  unset TESSALY_NOTIFY_LOG
fi

export TESSALY_TRAYER_COMMAND="trayer --edge top --align right --widthtype request --height 32 --SetDockType false --transparent false --tint 0x303030"
$TESSALY_TRAYER_COMMAND 2>/dev/null &
export TESSALY_TRAYER_PID=$!
pids+=($TESSALY_TRAYER_PID)
wait_for 10 xdotool search --classname trayer || fail "the tray host did not start"

"$@" &
command_pid=$!
pids+=($command_pid)
wait "$command_pid"
exit $?
