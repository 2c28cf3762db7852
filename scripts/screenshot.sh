#!/usr/bin/env bash
# Pictures of the programs for the README: the real windows under a virtual X
# display, the exchange program with the simulated instrument listed and the
# cable program with a job received over the emulated USB interface.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target stationmate-shot cablemate-shot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/stationmate-shot docs/stationmate.png
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/cablemate-shot docs/cablemate.png
echo "saved docs/stationmate.png and docs/cablemate.png"
