#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
# Without a display it runs under a virtual one, saves a screenshot of the main
# window, prints the screenshot's path and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORMEDA_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

if [ -n "${DISPLAY:-}" ]; then
  exec "$build/ormeda"
fi

shot=${ORMEDA_SCREENSHOT:-$build/ormeda-screenshot.png}
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  "$1" & app=$!
  for i in $(seq 1 50); do
    sleep 0.2
    xwininfo -root -tree 2>/dev/null | grep -q "\"Ormeda\"" && break
  done
  sleep 1
  import -window root "$2"
  kill $app; wait $app 2>/dev/null || true
' _ "$build/ormeda" "$shot"
echo "Screenshot of the main window: $shot"
