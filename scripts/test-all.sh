#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test in the normal, AddressSanitizer
# and ThreadSanitizer configurations.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
scripts/check-format.sh
presets=(${QEL_PRESETS:-default asan tsan})
for preset in "${presets[@]}"; do
  echo "=== $preset: build"
  scripts/build.sh "$preset"
  echo "=== $preset: test"
  ctest --preset "$preset"
done
