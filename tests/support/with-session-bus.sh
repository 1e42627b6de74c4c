#!/usr/bin/env bash
# Runs a command with a private D-Bus bus that has the test notification,
# screen-saver and logind service on it (notification-server.py), and stops
# both afterwards. The bus stands in for the session bus and the system bus
# alike, so a test never reaches the machine's own services.
#
# Exported to the command: DBUS_SESSION_BUS_ADDRESS, DBUS_SYSTEM_BUS_ADDRESS
# and TESSALY_NOTIFY_LOG. With --no-notification-server first, the bus has no
# service on it and TESSALY_NOTIFY_LOG is not set.
set -u
me=with-session-bus
source "$(dirname "${BASH_SOURCE[0]}")/session-bus.sh"
start_session_bus "${1:-}"
[ "${1:-}" = --no-notification-server ] && shift
run_command "$@"
