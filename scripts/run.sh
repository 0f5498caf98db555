#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
if [ ! -x build/tabrino ]; then
  echo "The operator program is not built yet; only the headless core exists." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. On a machine without a screen run: xvfb-run -s '-screen 0 1280x720x24' build/tabrino" >&2
  exit 1
fi
exec build/tabrino
