#!/usr/bin/env bash
# Pictures of the programs for the README: the real windows under a virtual X
# display, the exchange program with the simulated instrument listed, the
# cable program with a job received over the emulated USB interface, and the
# two editors with the sample files.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target stationmate-shot cablemate-shot pointbook-shot featurebook-shot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/stationmate-shot docs/stationmate.png
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/cablemate-shot docs/cablemate.png
for program in pointbook featurebook; do
  xvfb-run -a -s "-screen 0 1280x800x24" "build/release/bin/$program-shot" "docs/$program.png"
done
echo "saved docs/stationmate.png, docs/cablemate.png, docs/pointbook.png and docs/featurebook.png"
