#!/usr/bin/env bash
# Start-up of Tintora side by side with an empty Qt 6 main window (qtbaseline/), measured in one
# run on a private Xvfb, the runs of the two interleaved: time from the start to the first painted
# window, and the resident memory a second later; medians with the range. Targets: Tintora within
# 1.2 times the empty window's time and 5 MB of its memory.
#
# usage: bench/startup/compare.sh [BUILD_DIR] [RUNS]    (build, 11; Xvfb and dbus-daemon needed)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-build}")
runs=${2:-11}
[ -x "$build/src/tintora" ] || { echo "no program at $build/src/tintora: build it first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$here/qtbaseline" -B "$work/qtbaseline" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/qtbaseline" >/dev/null
# A portable copy in a folder of its own keeps its settings file there, as a user's would.
mkdir "$work/tintora"
cp "$build/src/tintora" "$build/src/tintora-help.html" "$work/tintora/"

"$here/compare-startup" -w 2 -n "$runs" \
    --app qtbaseline '^QtBaseline$' "$work/qtbaseline/qtbaseline" \
    --app tintora '^Tintora$' "$work/tintora/tintora"
