#!/usr/bin/env bash
# The suite's demo without a display: installs what is missing, builds the
# optimised suite, converts the sample jobs among every point-file kind, then
# talks to the simulated instrument over its command port, its USB interface
# and a serial line in cable mode, all with the command-line tool.
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
echo "A job of measurements from two stations, its points computed and checked against the"
echo "two the instrument computed itself ($out/measured-job.csv):"
"$harwick" reduce --compare samples/measured-job.gsi "$out/measured-job.csv"
head -n 4 "$out/measured-job.csv"

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

echo
echo "== The instrument in cable mode: USB and a serial line with Ack/Nak, reached by harwick cable =="
# A private USB folder too, and the cable program's settings file in a work
# folder of its own: Ack/Nak, short row delays.
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
work=$(mktemp -d)
harwick=$PWD/$harwick
out=$PWD/$out
printf '[QTRCOMSETTING]\r\nCOMPort=COM2\r\nBaudrate=115200\r\nCheckBit=0\r\nDataBit=8\r\nProtol=1\r\nReceiveTimeOut=5000\r\nRowDelay=5\r\nStopBit=0\r\n[QTRUSBSETTING]\r\nUSBRevRowDelay=5\r\nUSBRevTimeOut=5000\r\n' > "$work/qtr_cfg.ini"
mkfifo "$work/enter"
build/release/bin/instrument-sim --demo --usb --cable COM2 --cable-protocol acknak < "$work/enter" > "$out/cable-instrument.txt" &
cable=$!
exec 3> "$work/enter"
trap 'exec 3>&-; kill "$sim" "$cable" 2>/dev/null; wait "$sim" "$cable" 2>/dev/null; rm -rf "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$state" "$work"' EXIT
for _ in $(seq 50); do grep -q COM2 "$out/cable-instrument.txt" 2>/dev/null && break; sleep 0.1; done
cat "$out/cable-instrument.txt"
cd "$work"
echo >&3  # Enter on the instrument: it sends its job over USB
"$harwick" cable receive usb "$out/usb-job.gsi" < /dev/null
"$harwick" cable convert gsi-to-kard "$out/usb-job.gsi" "$out/usb-job.dat"
head -n 3 "$out/usb-job.dat"
"$harwick" cable receive COM2 "$out/com2-blocks.txt" < /dev/null
"$harwick" cable convert coord-blocks "$out/com2-blocks.txt" "$out/com2-points.dat"
head -n 3 "$out/com2-points.dat"
"$harwick" cable convert kard-to-dxf "$out/usb-job.dat" "$out/usb-job.dxf"
echo "DXF drawing of the job: $out/usb-job.dxf ($(grep -c '^POINT' "$out/usb-job.dxf") points)"
"$harwick" cable send COM2 "$out/usb-job.dat" --blocks coords < /dev/null
"$harwick" cable send usb "$out/usb-job.dat" < /dev/null
sleep 0.5
cat "$out/cable-instrument.txt"
