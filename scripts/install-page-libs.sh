#!/usr/bin/env bash
# Installs the npm packages of package.json exactly as package-lock.json locks them (jQuery,
# jQuery EasyUI, playwright-core) into node_modules/. The build copies the page libraries from
# there into the stage's js/lib/. Safe to run again: nothing happens while the lock file is
# unchanged since the last install.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if ! command -v npm >/dev/null; then
  echo "npm not found: run scripts/install-deps.sh (it installs npm from scripts/apt-packages.txt)" >&2
  exit 1
fi

stamp=node_modules/.qel-lock.sha256
wanted="$(sha256sum package-lock.json | cut -d' ' -f1)"
if [[ -f "$stamp" && "$(cat "$stamp")" == "$wanted" ]]; then
  echo "page libraries: up to date"
  exit 0
fi
# No browser download: the e2e tests drive Debian's chromium.
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
echo "$wanted" >"$stamp"
echo "page libraries: installed"
