#!/usr/bin/env bash
# The suite's demo: installs what is missing, builds the optimised suite,
# starts the simulated instrument (its exchange protocol on COM1, its cable
# side on COM2 with Ack/Nak and on an emulated USB interface, with sample
# jobs, code lists and alignments) and opens the launcher, from which every
# program works against it. Without a display it says how to run it under a
# virtual one and runs the command-line demo instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: there is no display here. To see the programs, run the demo on a virtual display:"
  echo "    xvfb-run -a -s '-screen 0 1280x800x24' bash scripts/demo.sh"
  echo "(it needs the xvfb package, which scripts/setup.sh installs). Running the command-line demo instead."
  echo
  exec bash scripts/demo-console.sh
fi

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
bin=$root/build/release/bin

# A private port map and USB folder, so the demo neither sees nor changes the
# user's; the programs started from the launcher inherit them. The work
# folder holds the samples and the cable program's settings (COM2, Ack/Nak).
export XDG_CONFIG_HOME XDG_RUNTIME_DIR
XDG_CONFIG_HOME=$(mktemp -d)
XDG_RUNTIME_DIR=$(mktemp -d)
work=$(mktemp -d)
cp samples/* "$work/"
printf '[QTRCOMSETTING]\r\nCOMPort=COM2\r\nBaudrate=19200\r\nCheckBit=0\r\nDataBit=8\r\nProtol=1\r\nReceiveTimeOut=10000\r\nRowDelay=100\r\nStopBit=0\r\n[QTRUSBSETTING]\r\nUSBRevRowDelay=100\r\nUSBRevTimeOut=10000\r\n' > "$work/qtr_cfg.ini"

# Enter in this terminal is Enter on the instrument.
"$bin/instrument-sim" --demo --port COM1 --usb --cable COM2 --cable-protocol acknak <&0 &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -rf "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work"' EXIT
for _ in $(seq 50); do [ -e "$XDG_CONFIG_HOME/harwick/ports/COM1" ] && break; sleep 0.1; done

cat <<TEXT

The simulated instrument is on COM1 (the exchange program), on COM2 (the
cable program's COM Comm menu, Ack/Nak) and on the emulated USB interface
(its USB Comm menu). When a program asks you to press Enter on the total
station, press Enter in this terminal. Sample files are in $work, the
programs' current folder. Close the launcher to end the demo.

TEXT
(cd "$work" && "$bin/toolhub")
