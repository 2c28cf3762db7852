#!/usr/bin/env bash
# A picture of the exchange program for the README: the real window under a
# virtual X display, with the simulated instrument listed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target stationmate-shot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/stationmate-shot docs/stationmate.png
echo "saved docs/stationmate.png"
