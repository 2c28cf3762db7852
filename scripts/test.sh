#!/usr/bin/env bash
# The whole test run on a fresh Debian machine: installs what is missing,
# builds everything with AddressSanitizer and UBSan (clang, with the fuzz
# targets), and runs every test, each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
