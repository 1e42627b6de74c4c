#!/usr/bin/env bash
# desktop-program.sh DESKTOP <command...>: runs the command on a private X
# server (Xvfb) on which the program that draws DESKTOP's desktop runs, with
# a private session bus and the settings services it needs, and tears it all
# down afterwards. DESKTOP is one of:
#
#   xfce   xfdesktop (settings in xfconfd)
#   lxde   pcmanfm --desktop
#   lxqt   pcmanfm-qt --desktop
#   mate   caja --force-desktop (settings in dconf)
#   gnome  gnome-shell --x11 (software rendering, dconf, a second private bus
#          as its system bus)
#   kde    plasmashell (software rendering)
#
# Exits with 77 (skipped) when that program is not installed. Exported to the
# command: DISPLAY, XDG_CURRENT_DESKTOP and the bus addresses. Screen size:
# TESSALY_TEST_SCREEN (default 1024x768x24). With TESSALY_TEST_OUTPUTS=2 the X
# server is Xorg's dummy driver with two 800x600 outputs side by side instead
# (Xvfb has one output, and xfdesktop keeps its backdrops per output). HOME and
# the XDG folders are left as the caller set them.
set -u
desktop=${1:-}
shift
case $desktop in
xfce) program=xfdesktop current=XFCE ;;
lxde) program=pcmanfm current=LXDE ;;
lxqt) program=pcmanfm-qt current=LXQt ;;
mate) program=caja current=MATE ;;
gnome) program=gnome-shell current=GNOME ;;
kde) program=plasmashell current=KDE ;;
*)
  echo "desktop-program: no such desktop: '$desktop'" >&2
  exit 2
  ;;
esac
if ! command -v "$program" >/dev/null; then
  echo "desktop-program: skipped: $program is not installed (make test-deps installs it)"
  exit 77
fi
me=desktop-program
source "$(dirname "${BASH_SOURCE[0]}")/session-bus.sh"

if [ "${TESSALY_TEST_OUTPUTS:-1}" = 2 ]; then
  command -v Xorg >/dev/null || { echo "desktop-program: skipped: Xorg is not installed"; exit 77; }
  printf '%s\n' 'Section "Device"' 'Identifier "d"' 'Driver "dummy"' 'VideoRam 65536' EndSection \
    'Section "Screen"' 'Identifier "s"' 'Device "d"' 'DefaultDepth 24' 'SubSection "Display"' \
    'Depth 24' 'Virtual 2048 1024' EndSubSection EndSection >"$work/xorg.conf"
  Xorg -displayfd 3 -config "$work/xorg.conf" -logfile "$work/xorg.log" -noreset -nolisten tcp \
    -novtswitch -sharevts 3>"$work/display" >/dev/null 2>&1 &
  pids+=($!)
  wait_for 10 test -s "$work/display" || fail "Xorg did not start: $(tail -n3 "$work/xorg.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  # The plain xrandr probes the outputs: only then does the second one count
  # as connected for the programs started after it.
  xrandr --addmode DUMMY1 800x600 &&
    xrandr --output DUMMY0 --mode 800x600 --output DUMMY1 --mode 800x600 --right-of DUMMY0 &&
    xrandr | grep -q "DUMMY1 connected" || fail "no second output"
else
  TESSALY_TEST_SCREEN=${TESSALY_TEST_SCREEN:-1024x768x24} start_xvfb
fi
export XDG_CURRENT_DESKTOP=$current
start_session_bus --no-notification-server

# Started in the background, stopped with the rest; its output in the log.
background() {
  "$@" >>"$work/desktop.log" 2>&1 &
  pids+=($!)
}
ready() { # ready <seconds> <command...>: waits until the desktop is drawn
  wait_for "$@" || { cat "$work/desktop.log" >&2; fail "$program did not start"; }
}
overview_left() {
  local property="gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell
    --method org.freedesktop.DBus.Properties"
  $property.Set org.gnome.Shell OverviewActive '<false>' &&
    $property.Get org.gnome.Shell OverviewActive | grep -q false
}
plasma_desktops() { # Plasma has made the desktop of the screen
  dbus-send --session --dest=org.kde.plasmashell --print-reply /PlasmaShell \
    org.kde.PlasmaShell.evaluateScript 'string:print(desktops().length)' | grep -q 'string "1'
}
case $desktop in
xfce)
  background /usr/lib/*/xfce4/xfconf/xfconfd
  background xfdesktop --disable-wm-check
  ready 30 xdotool search --classname xfdesktop
  ;;
lxde | lxqt)
  background $program --desktop
  ready 30 xdotool search --classname $program
  ;;
mate)
  background /usr/libexec/dconf-service
  background caja --force-desktop --no-default-window
  ready 30 xdotool search --classname desktop_window
  ;;
gnome)
  background /usr/libexec/dconf-service
  start_bus "$work/system"
  DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$work/system/address") LIBGL_ALWAYS_SOFTWARE=1 \
    background gnome-shell --x11 --replace
  # It starts in its overview, which shows the desktop small: left as a user would.
  ready 60 overview_left
  ;;
kde)
  background /usr/lib/*/libexec/kactivitymanagerd
  LIBGL_ALWAYS_SOFTWARE=1 background plasmashell
  ready 60 plasma_desktops
  ;;
esac
desktop_pid=${pids[-1]}

# The command's status; a failure too when the desktop's program ended
# meanwhile (the root window would then show Tessaly's own picture).
"$@" &
pids+=($!)
wait $!
status=$?
kill -0 "$desktop_pid" 2>/dev/null || fail "$program ended during the test"
exit $status
