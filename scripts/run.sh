#!/usr/bin/env bash
# Builds the project and runs the main job: the reference host, which starts
# the PV 8120 simulator and connects to it when no device is given. Without a
# display it runs offscreen, writes loomwork-host.png and quits after a few
# seconds. Extra arguments go to the program (see build/bin/loomwork-host --help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
exec build/bin/loomwork-host "$@"
