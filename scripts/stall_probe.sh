#!/usr/bin/env bash
# Measures the longest stall of the window on the largest input of every page
# and prints a table (Markdown). Build first:
#   cmake --build build/release --target zentova_stall_probe zentova-cli
#   scripts/stall_probe.sh [CASE...]      # e.g. scripts/stall_probe.sh polynomial
# Runs under a virtual X server when xvfb-run is installed (as a person's
# window would paint), else on Qt's offscreen platform. ZENTOVA_BUILD picks the
# build folder (default build/release). The figures vary with the machine's
# load: run it on a quiet machine and compare rows of the same run.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
build=${ZENTOVA_BUILD:-build/release}
probe=$build/bench/window/zentova_stall_probe
cli=$build/cli/zentova-cli
for program in "$probe" "$cli"; do
    [ -x "$program" ] || { echo "build $program first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The largest expression file: 65535 formulas with parameters.
for ((i = 0; i < 65535; ++i)); do
    printf 'f%d\ta*x^2+b*x+%d\n' "$i" "$i"
done | "$cli" exprfile write "$work/largest.zexp"
if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" \
        "$probe" --file "$work/largest.zexp" "$@"
else
    QT_QPA_PLATFORM=offscreen "$probe" --file "$work/largest.zexp" "$@"
fi
