#!/usr/bin/env bash
# Configures and builds the program, its tools and its tests into build/, and lays out the program folder.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$racine" -B "$racine/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$racine/build" -j "$(nproc)"
