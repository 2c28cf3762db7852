#!/usr/bin/env bash
# Builds the Debian packages and has Debian's own checker look at them: any
# error, or any warning not overridden with a written reason, fails.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset package
cmake --build --preset package
rm -f build/package/*.deb
(cd build/package && cpack -G DEB)
# lintian refuses to be run as root unless told that it is meant.
lintian --allow-root --fail-on error,warning --display-info build/package/*.deb

# The packages carry the version the programs show.
shown=$(build/package/bin/harwick --version)
for deb in build/package/*.deb; do
    version=$(dpkg-deb --field "$deb" Version)
    if [[ $shown != "harwick $version" ]]; then
        echo "$deb has version $version, but harwick --version says '$shown'" >&2
        exit 1
    fi
done
echo "every package has the version harwick --version shows: ${shown#harwick }"
