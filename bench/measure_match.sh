#!/usr/bin/env bash
# Resident memory (sampled every second) and CPU of builds of the game over one whole match played
# through, at each display size, side by side; see bench/measure_match.py.
# Usage: bench/measure_match.sh [--sizes WxH,WxH] [--display N] LABEL=EXECUTABLE...
# e.g.   bench/measure_match.sh earlier=/tmp/base/build/app/tevra current=build/app/tevra
# Takes a little over five minutes; installs its Debian packages as root.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
tevra_ensure_packages "${TEVRA_WINDOW_TEST_PACKAGES[@]}"
exec /usr/bin/python3 "$TEVRA_ROOT/bench/measure_match.py" "$@"
