#!/usr/bin/env bash
# Whole-process figures (start-up, quit, idle CPU, resident memory) of one or more builds of the
# game side by side, as Markdown tables; see bench/measure_process.py for what each figure is.
# Usage: bench/measure_process.sh [--runs N] [--size WxH] [--skip-visits] LABEL=EXECUTABLE...
# e.g.   bench/measure_process.sh earlier=/tmp/base/build/app/tevra current=build/app/tevra
# Takes about four minutes (the visits run in real time); installs its Debian packages as root.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"
tevra_ensure_packages "${TEVRA_WINDOW_TEST_PACKAGES[@]}" "${TEVRA_MEASURE_PACKAGES[@]}"
exec /usr/bin/python3 "$TEVRA_ROOT/bench/measure_process.py" "$@"
