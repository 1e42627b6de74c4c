#!/usr/bin/env bash
# Runs a test with HOME and the XDG folders in a fresh temporary folder, so no
# test ever touches the real home folder; removes the folder afterwards.
#
# Both D-Bus addresses point at a socket that does not exist: with no address
# at all, libdbus would start a session bus of its own (and whatever
# notification service is installed would answer), and the machine's system
# bus (logind) would decide whether the session counts as locked. A test that
# needs a bus starts a private one (desktop-session.sh, with-session-bus.sh).
#
# The machine's proxy variables go too: downloads follow the system's proxy
# settings, and the tests' servers are on 127.0.0.1. A test of the proxy
# settings sets its own.
#
# The program speaks English, whatever the machine's language: the tests find
# controls and messages by their English texts. A test of a translation sets
# its own language variables.
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-test.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime"
chmod 700 "$root/runtime"
export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" \
  XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$root/no-session-bus" \
  DBUS_SYSTEM_BUS_ADDRESS="unix:path=$root/no-system-bus"
unset http_proxy https_proxy ftp_proxy all_proxy no_proxy \
  HTTP_PROXY HTTPS_PROXY FTP_PROXY ALL_PROXY NO_PROXY
export LANGUAGE=en
"$@"
