#!/usr/bin/env bash
# Soak run of the device link: the host's Modbus master against pv8120-sim,
# which damages about 1 % of the requests with faults of every kind. Every
# value read is checked against the simulator's state; each damaging fault
# must cost exactly one attempt; the memory of both processes must stay flat.
#   scripts/soak.sh          10^6 requests (not part of the test command)
#   scripts/soak.sh N        N requests (CI runs 10^4)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

requests=${1:-1000000}
build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)" --target soak_link pv8120-sim loomwork_data
"$build/bin/soak_link" --sim "$build/bin/pv8120-sim" --description "$build/data/pv8120.xml" \
  --requests "$requests" --fault-rate 1 --seed "${SOAK_SEED:-1}"
