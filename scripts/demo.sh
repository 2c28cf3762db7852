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

echo
echo "== The simulated instrument on a pseudo-terminal, reached by harwick station =="
# A private port map, so the demo neither sees nor changes the user's.
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
state=$(mktemp -d)
build/release/bin/instrument-sim --demo --state "$state" --port COM1 > "$out/instrument.txt" &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -rf "$XDG_CONFIG_HOME" "$state"' EXIT
for _ in $(seq 50); do grep -q COM1 "$out/instrument.txt" 2>/dev/null && break; sleep 0.1; done
cat "$out/instrument.txt"

"$harwick" station list COM1
"$harwick" station download COM1 job 1 fixpoints "$out/job1-fixpoints.gsi"
"$harwick" station download COM1 job 1 fixpoints "$out/job1-fixpoints.dat"
head -n 3 "$out/job1-fixpoints.dat"
"$harwick" station upload COM1 samples/site-points.dat --job 3 --name SITE
"$harwick" station list COM1 | sed -n '/Jobs/,/Formats/p'
