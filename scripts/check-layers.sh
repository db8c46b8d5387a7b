#!/usr/bin/env bash
# Refuses includes that go the wrong way between the layers of src/: the core (no Qt) below
# platform, platform below widgets, widgets below app. The libraries are linked the same way, so a
# wrong-way call fails to link; this catches the include before anything is built.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
refuse() { # folder, pattern of what it must not include, what that is
    local found
    found=$(grep -rnE --include='*.h' --include='*.cpp' "^#include [<\"]($2)" "src/$1" || true)
    if [[ -n "$found" ]]; then
        echo "src/$1 must not include $3:"
        echo "$found"
        status=1
    fi
}

for core in text files color settings html editor preview images services; do
    if [[ -d "src/$core" ]]; then
        refuse "$core" 'platform/|widgets/|app/|Q[A-Za-z]+>|Qt' "platform, widgets, app or Qt"
    fi
done
refuse platform 'widgets/|app/' "widgets or app"
refuse widgets 'app/' "app"
exit $status
