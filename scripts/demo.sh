#!/usr/bin/env bash
# The suite's demo on a fresh Debian machine: installs what is missing, builds
# the optimised suite, and converts the sample jobs among every point-file kind.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

harwick=build/release/bin/harwick
out=out/demo
rm -rf "$out"
mkdir -p "$out"

for input in samples/job-north-gsi8.gsi samples/job-north-gsi16.gsi samples/site-points.dat samples/creek-feet.idx; do
  base=$(basename "${input%.*}")
  for kind in gsi16 gsi8 dat idx; do
    "$harwick" convert "$input" "$out/$base-$kind.$kind"
  done
done
"$harwick" convert --precision 0.0001 samples/site-points.dat "$out/site-points-tenth-mm.gsi16"

echo
echo "Written to $out:"
ls -l "$out"
echo
echo "The GSI-8 job as GSI-16 ($out/job-north-gsi8-gsi16.gsi):"
head -n 3 "$out/job-north-gsi8-gsi16.gsi"
echo
echo "The IDX job in US survey feet as KARD, in metres ($out/creek-feet-dat.dat):"
head -n 3 "$out/creek-feet-dat.dat"
