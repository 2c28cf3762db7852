#!/usr/bin/env bash
# The whole test run on a fresh Debian machine: installs what is missing,
# builds everything with AddressSanitizer and UBSan (clang, with the fuzz
# targets) and runs every test, each fuzz target for a bounded time; then
# builds the tests that run threads with ThreadSanitizer and runs them again;
# last, builds the Debian packages and has lintian check them.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset tsan
cmake --build --preset tsan --target \
  workcrew_test serialkit_test instrument_sim_line_test instrument_sim_cable_test usbpipe_threads_test \
  stationmate_instrument_test stationmate_window_test cablemate_usb_transfer_test cablemate_instrument_test \
  cable_command_test cablemate_window_test cablemate_dialogs_test drawmap_threads_test language_test
ctest --preset tsan -L threads

bash scripts/package-check.sh
