#!/usr/bin/env bash
# Builds the Debian package, build/tabrino_<version>_<arch>.deb, to install
# on another Debian 12 machine with: sudo apt install ./tabrino_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
(cd build && cpack -G DEB)
ls -1 build/tabrino_*.deb
