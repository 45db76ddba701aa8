#!/usr/bin/env bash
# Installs what is needed, builds the normal configuration and starts it.
#
#   scripts/run.sh [--standin] [program arguments...]
#
#   --standin  runs the program against the stand-in data service: qel-data-standin starts on a
#              free port of 127.0.0.1 with sample draws of all twelve games, and the program runs
#              from a scratch copy of its stage whose settings point at it. The user's own
#              settings database is not touched; the copy goes when the program ends.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
standin=0
if [[ "${1:-}" == "--standin" ]]; then
  standin=1
  shift
fi
scripts/install-deps.sh
scripts/build.sh default
if [[ ! -x build/stage/qel ]]; then
  # The desktop program is not part of the build: run the smoke of the test suite.
  exec ctest --preset default -L unit
fi
if ((standin == 0)); then
  cd build/stage && exec ./qel "$@"
fi

# shellcheck source=lib/standin.sh
source scripts/lib/standin.sh
scratch="$(mktemp -d)"
cleanup() {
  [[ -z "${standin_pid:-}" ]] || kill "$standin_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
start_standin build "$PWD" "$scratch/standin.log"
cp -a build/stage "$scratch/stage"
point_stage_at_standin "$scratch/stage" "$standin_port"
echo "stand-in data service: http://127.0.0.1:$standin_port (sample data)"
cd "$scratch/stage" && ./qel "$@"
