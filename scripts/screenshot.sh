#!/usr/bin/env bash
# Pictures of the programs for the README: the real windows under a virtual X
# display, the exchange program with the simulated instrument listed, the
# cable program with a job received over the emulated USB interface, the two
# editors and the drawing converter with the sample files, and the launcher.
#
# Each program runs in a clean room: an empty environment but for the path,
# a made-up home folder holding copies of the samples, private XDG folders,
# and (in the exchange program) one made-up USB stick instead of the
# machine's volumes. No picture shows anything of the machine it was taken on.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target stationmate-shot cablemate-shot pointbook-shot featurebook-shot \
  sketchconv-shot toolhub-shot

room="${TMPDIR:-/tmp}/harwick-pictures"
home="$room/surveyor"
rm -rf "$room"
mkdir -p "$home/jobs" "$home/drawings" "$room/config" "$room/data" "$room/cache" "$room/runtime"
chmod 700 "$room/runtime"
trap 'rm -rf "$room"' EXIT
cp samples/job-north-gsi16.gsi samples/job-north-gsi8.gsi samples/site-points.dat samples/creek-feet.idx \
  samples/roads.crf "$home/jobs/"

bin="$PWD/build/release/bin"
out="$PWD/docs"
mkdir -p "$out"

# Runs one picture program in the room, from the home folder.
picture() {
  (cd "$home" && env -i PATH="$PATH" HOME="$home" USER=surveyor LANG=C.UTF-8 ${HARWICK_LANGUAGE:+HARWICK_LANGUAGE=$HARWICK_LANGUAGE} \
    XDG_CONFIG_HOME="$room/config" XDG_DATA_HOME="$room/data" XDG_CACHE_HOME="$room/cache" \
    XDG_RUNTIME_DIR="$room/runtime" TMPDIR="$room" \
    xvfb-run -a -s "-screen 0 1280x800x24" "$@")
}

picture "$bin/stationmate-shot" "$out/stationmate.png"
picture "$bin/cablemate-shot" "$out/cablemate.png"
# The cable program's COM settings dialog in each language.
HARWICK_LANGUAGE=en picture "$bin/cablemate-shot" --com-settings "$out/cablemate-settings-en.png"
HARWICK_LANGUAGE=zh picture "$bin/cablemate-shot" --com-settings "$out/cablemate-settings-zh.png"
picture "$bin/pointbook-shot" "$out/pointbook.png" "$home/jobs/job-north-gsi16.gsi"
picture "$bin/featurebook-shot" "$out/featurebook.png" "$home/jobs/roads.crf"
picture "$bin/sketchconv-shot" "$out/sketchconv.png" "$home/jobs/job-north-gsi16.gsi"
picture "$bin/toolhub-shot" "$out/toolhub.png"
echo "saved the pictures in docs/"
