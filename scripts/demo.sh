#!/usr/bin/env bash
# A short demonstration of Tessaly for a machine without a display: runs it on
# a private desktop (tests/support/desktop-session.sh: Xvfb, a tray host, a
# session bus with a notification service) with HOME in a temporary folder,
# and writes a screenshot of the whole screen after each step to demo/.
# Nothing is really opened: the desktop's opener (xdg-open) is the tests'
# stand-in, which records in demo/opened.txt what would have opened (the help,
# at the first start), so no browser or editor of this machine shows up.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$top/demo"
mkdir -p "$out"
rm -f "$out"/step-*.png "$out"/opened.txt

home=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-demo.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/home" "$home/config" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home/home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime"
export TESSALY="$build/tessaly" DEMO_OUT="$out" CATALOGUE="$top/scripts/tessaly-catalogue"
export PATH="$top/tests/support/stand-ins:$PATH" TESSALY_OPENED_LOG="$out/opened.txt"

"$top/tests/support/desktop-session.sh" bash -euo pipefail -c '
  shot() { import -window root "$DEMO_OUT/step-$1.png"; echo "$DEMO_OUT/step-$1.png"; }
  wait_icon() {
    for _ in $(seq 1 100); do
      xdotool search --classname "^tessaly$" >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    echo "demo: the tray icon did not appear" >&2
  }
  stop() { "$TESSALY" --quit >/dev/null; wait "$1" 2>/dev/null || true; }

  echo "1. First start: the sample picture becomes the wallpaper (and the help would open)." >&2
  "$TESSALY" 2>/dev/null & pid=$!
  wait_icon; sleep 2
  shot 1-first-start
  stop "$pid"
  if [ -s "$TESSALY_OPENED_LOG" ]; then
    sed "s/^/   would have opened: /" "$TESSALY_OPENED_LOG" >&2
  else
    echo "demo: the first start did not ask to open the help" >&2
  fi

  echo "2. A folder of pictures as the source, changed in sequence." >&2
  pics="$HOME/Pictures/demo"; mkdir -p "$pics"
  for n in 1 2 3; do
    colours=(x "#1f4e79-#9dc3e6" "#7b2c2c-#f4b183" "#2e5e2e-#a9d18e")
    convert -size 1280x1024 "gradient:${colours[$n]}" -gravity center -pointsize 96 \
      -fill white -annotate 0 "Demo picture $n" "$pics/demo-$n.png"
  done
  printf "\001\r\n%s\r\n" "$pics" > "$XDG_DATA_HOME/Orvane Tessaly/WallPapersList.tsy"
  conf="$XDG_CONFIG_HOME/tessaly/tessaly.conf"
  sed -i -e "s/^WPSource=.*/WPSource=1/" -e "s/^TechniqueTimer=.*/TechniqueTimer=1/" \
    -e "s/^CurWallPaper=.*/CurWallPaper=0/" "$conf"
  "$TESSALY" /y 2>/dev/null & pid=$!
  wait_icon; sleep 2
  shot 2-log-on-start

  echo "3. The tray menu (right click on the icon)." >&2
  icon=$(xdotool search --classname "^tessaly$" | head -n1)
  xdotool mousemove --window "$icon" 10 10 click 3; sleep 1
  shot 3-tray-menu
  xdotool key Escape; sleep 0.5

  for n in 4 5; do
    echo "$n. tessaly --next" >&2
    "$TESSALY" --next; sleep 2
    shot "$n-next"
  done
  stop "$pid"

  echo "6. Internet pictures: a catalogue served on 127.0.0.1, one picture per change." >&2
  web="$HOME/Pictures/web"; mkdir -p "$web/Skies"
  for n in 1 2; do
    colours=(x "#203a74-#f7c873" "#5b2a86-#f0a6ca")
    convert -size 1280x1024 "gradient:${colours[$n]}" -gravity center -pointsize 96 \
      -fill white -annotate 0 "Internet picture $n" "$web/Skies/sky-$n.jpg"
  done
  port=$(python3 -c "import socket; s=socket.socket(); s.bind((\"127.0.0.1\", 0)); print(s.getsockname()[1])")
  python3 "$CATALOGUE" "$web" "$HOME/served" --serve "$port" >/dev/null 2>&1 & server=$!
  sleep 1
  sed -i -e "s/^WPSource=.*/WPSource=2/" -e "s|^IntServer=.*|IntServer=http://127.0.0.1:$port|" "$conf"
  printf "[Internet]\n1=1\n" >> "$conf"
  "$TESSALY" /y 2>/dev/null & pid=$!
  wait_icon; sleep 3
  "$TESSALY" --next; sleep 3
  shot 6-internet-picture
  stop "$pid"
  kill "$server" 2>/dev/null || true
'
