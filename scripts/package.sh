#!/usr/bin/env bash
# Builds the Debian package velmoria_<version>_<arch>.deb from the install rules with CPack and
# checks it with lintian, which must report no error.
# Usage: scripts/package.sh [BUILD_DIR]   (default build; configured and built first)
# The package is left in BUILD_DIR; its path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
source scripts/setup.sh
# dpkg-shlibdeps (dpkg-dev) and file compute the package's library dependencies.
VELMORIA_PACKAGES+=(dpkg-dev file lintian)
velmoria_install
velmoria_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
rm -f "$dir"/velmoria_*.deb
(cd "$dir" && cpack -G DEB --config CPackConfig.cmake)
deb=$(ls "$dir"/velmoria_*.deb)
echo "== lintian $deb"
lintian --display-info --fail-on error "$deb"
echo "$deb"
