#!/usr/bin/env bash
# Installs what is missing, builds and starts the program with its demonstration
# instrument: it reads the instrument and shows the first block with its limits.
# Without a display it runs under a virtual one, waits until that block is on
# screen, saves a screenshot of the screen, prints the screenshot's path and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/builddir.sh"
"$root/scripts/build.sh"

if [ -n "${DISPLAY:-}" ]; then
  exec "$build/app/ormeda" --demo
fi

shot=${ORMEDA_SCREENSHOT:-$build/ormeda-screenshot.png}
log=$build/ormeda-run.log
# The block is on screen once its limit lines, pure red and drawn only with a
# block, are there and two frames half a second apart are the same. At most a minute.
xvfb-run -a -s "-screen 0 1920x1200x24" bash -c '
  "$1" --demo >"$3" 2>&1 & app=$!
  frames=$(mktemp -d)
  shown=0
  for i in $(seq 1 120); do
    sleep 0.5
    kill -0 $app 2>/dev/null || break
    import -window root "ppm:$frames/new" 2>/dev/null || continue
    red=$(convert "$frames/new" -fill black +opaque "#ff0000" -format "%[fx:maxima]" info:)
    if [ "$red" != 0 ] && cmp -s "$frames/new" "$frames/last"; then shown=1; break; fi
    mv "$frames/new" "$frames/last"
  done
  last=$frames/new; [ -f "$last" ] || last=$frames/last
  [ -f "$last" ] && convert "$last" "$2"
  rm -rf "$frames"
  kill $app 2>/dev/null; wait $app 2>/dev/null || true
  [ $shown = 1 ]
' _ "$build/app/ormeda" "$shot" "$log" || {
  echo "The demonstration block did not appear within a minute; last screen: $shot, program output: $log" >&2
  exit 1
}
echo "Screenshot of the demonstration block: $shot"
