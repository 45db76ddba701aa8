#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it, or when clang-format
# is missing: a check that cannot run has not passed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format not found: install the packages of scripts/apt-packages.txt (scripts/install-deps.sh)" >&2
  exit 1
fi
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format check: clean"
