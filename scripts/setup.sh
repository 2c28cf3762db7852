#!/usr/bin/env bash
# Installs every Debian package the suite builds, tests and runs with.
# Safe to run again: it only calls apt-get for packages that are missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang pkg-config
  # the Debian packages (cpack -G DEB finds the run-time dependencies with
  # dpkg-dev) and Debian's own checks of them
  dpkg-dev lintian
  # fuzzing and sanitizer runtimes for clang
  libclang-rt-dev
  # GUI and serial port
  qt6-base-dev qt6-serialport-dev libgl-dev
  # translations: the catalogues are compiled with Qt's lrelease, and Qt's
  # own texts (standard buttons) come from Qt's catalogues; the Chinese
  # texts need a font with Chinese characters
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-microhei
  # USB
  libusb-1.0-0-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # independent DXF reader for tests, display server for window tests
  python3 python3-ezdxf xvfb xauth
  # independent CSV, GeoJSON and DXF reader for tests
  gdal-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
