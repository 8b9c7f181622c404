#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmoria from its working directory.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
velmoria_install
velmoria_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd build/runtime
exec ./velmoria
