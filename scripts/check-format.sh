#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format not found; format check skipped"
  exit 0
fi
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format check: clean"
