#!/usr/bin/env bash
# Installs what is needed, builds the normal configuration and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
scripts/build.sh default
if [[ -x build/stage/qel ]]; then
  cd build/stage && exec ./qel "$@"
fi
# The desktop program is not part of the build yet: run the smoke of the test suite.
ctest --preset default -L unit
