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
me=desktop-session
source "$(dirname "${BASH_SOURCE[0]}")/session-bus.sh"
start_xvfb
start_session_bus "${1:-}"
[ "${1:-}" = --no-notification-server ] && shift

export TESSALY_TRAYER_COMMAND="trayer --edge top --align right --widthtype request --height 32 --SetDockType false --transparent false --tint 0x303030"
$TESSALY_TRAYER_COMMAND 2>/dev/null &
export TESSALY_TRAYER_PID=$!
pids+=($TESSALY_TRAYER_PID)
wait_for 10 xdotool search --classname trayer || fail "the tray host did not start"

run_command "$@"
