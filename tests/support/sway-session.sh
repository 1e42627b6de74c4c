#!/usr/bin/env bash
# Runs a command inside a private Wayland session and tears it down
# afterwards: a headless sway (software rendering, no input devices, no
# X server), a private D-Bus bus with the notification service
# (session-bus.sh), all in a user namespace as uid 1000, since sway refuses to
# run as root (files of the caller's stay readable and writable there: the
# caller's uid is the one mapped).
#
# Exported to the command: WAYLAND_DISPLAY, SWAYSOCK, XDG_RUNTIME_DIR (the
# session's own), XDG_SESSION_TYPE=wayland, XDG_CURRENT_DESKTOP=sway,
# QT_QPA_PLATFORM=wayland and the bus addresses. DISPLAY is unset. The first
# output is TESSALY_TEST_OUTPUT (default 1280x720); sway's own background is
# the colour #203040 unless TESSALY_SWAY_BACKGROUND=off, which switches sway's
# background program off. HOME and the XDG folders other than the runtime
# folder are left as the caller set them.
set -u
if [ "$(id -u)" != 1000 ] && [ -z "${TESSALY_SWAY_NAMESPACE:-}" ]; then
  export TESSALY_SWAY_NAMESPACE=1
  exec unshare --user --map-user=1000 --map-group=1000 "$0" "$@"
fi
me=sway-session
source "$(dirname "${BASH_SOURCE[0]}")/session-bus.sh"

export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
size=${TESSALY_TEST_OUTPUT:-1280x720}
background="output * bg #203040 solid_color"
[ "${TESSALY_SWAY_BACKGROUND:-on}" = off ] && background="swaybg_command -"
cat >"$work/sway.conf" <<CONF
xwayland disable
default_border none
focus_follows_mouse no
output HEADLESS-1 mode $size position 0 0
$background
CONF
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway --config "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
# sway names its socket after the user and its process.
export SWAYSOCK=$XDG_RUNTIME_DIR/sway-ipc.$(id -u).$!.sock
wait_for 20 swaymsg -t get_outputs || { cat "$work/sway.log" >&2; fail "sway did not start"; }
export WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* | grep -v lock | head -n1)
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway QT_QPA_PLATFORM=wayland

start_session_bus
run_command "$@"
