#!/usr/bin/env bash
# Configures and builds one preset: default (normal -O2), asan or tsan.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-default}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
