#!/usr/bin/env bash
# Pictures of the programs for the README: the real windows under a virtual X
# display, the exchange program with the simulated instrument listed, the
# cable program with a job received over the emulated USB interface, the two
# editors and the drawing converter with the sample files, and the launcher.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target stationmate-shot cablemate-shot pointbook-shot featurebook-shot \
  sketchconv-shot toolhub-shot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/stationmate-shot docs/stationmate.png
xvfb-run -a -s "-screen 0 1280x800x24" build/release/bin/cablemate-shot docs/cablemate.png
for program in pointbook featurebook sketchconv toolhub; do
  xvfb-run -a -s "-screen 0 1280x800x24" "build/release/bin/$program-shot" "docs/$program.png"
done
echo "saved the pictures in docs/"
