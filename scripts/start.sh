#!/usr/bin/env bash
# Installs what is needed, builds, and starts Tintora. Without a display it starts the program under
# Xvfb with a window manager, saves a screenshot of the screen to build/screenshot.png and closes
# the program again the normal way (so its settings file is written).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
program=build/src/tintora

if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 0.5

"$program" &
app=$!
xdotool search --sync --onlyvisible --name '^Tintora$' >/dev/null
sleep 1
import -window root build/screenshot.png
echo "screenshot: build/screenshot.png"
kill -TERM "$app"
wait "$app" || true
