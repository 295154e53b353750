#!/usr/bin/env bash
# Starts the real program under a virtual X server, drives it with its
# start-up options and saves a PNG of the window.
#   scripts/screenshot.sh OUT.png [zentova options...]
# Examples:
#   scripts/screenshot.sh cover.png
#   scripts/screenshot.sh calc.png --page 0 --click degreesRadio --type "sin(30)+2^3" --key Enter
#   scripts/screenshot.sh set_b.png --set B
# ZENTOVA_BIN picks the program (default build/release/window/zentova, then
# build/dev/window/zentova); QT_SCALE_FACTOR=2 gives a 2x picture.
# ZENTOVA_SHOT=--screenshot-top takes the window a page opened last instead
# of the main window; ZENTOVA_CWD is the folder the program starts in (its
# file dialogs open there).
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
[ $# -ge 1 ] || { echo "usage: $0 OUT.png [zentova options...]" >&2; exit 2; }
out=$(readlink -f "$1"); shift
bin=${ZENTOVA_BIN:-}
if [ -z "$bin" ]; then
    for candidate in build/release/window/zentova build/dev/window/zentova; do
        [ -x "$candidate" ] && { bin=$candidate; break; }
    done
fi
[ -n "$bin" ] && [ -x "$bin" ] || { echo "build the program first (./zentova.sh run)" >&2; exit 1; }
bin=$(readlink -f "$bin")
shot=${ZENTOVA_SHOT:---screenshot}
cd "${ZENTOVA_CWD:-.}"
mkdir -p "$(dirname "$out")"
rm -f "$out"
# With openbox the picture shows the window frame and its caption as well.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & sleep 1; fi
    exec "$@"' run "$bin" "$@" "$shot" "$out"
[ -s "$out" ] || { echo "no picture was written" >&2; exit 1; }
echo "$out"
