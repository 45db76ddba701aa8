#!/usr/bin/env bash
# Installs the Debian packages of scripts/apt-packages.txt that are missing. Safe to run again.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

missing=()
while read -r pkg condition; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  # "cmd:<name>": the package is only wanted where that command is missing.
  if [[ "$condition" == cmd:* ]] && command -v "${condition#cmd:}" >/dev/null; then
    continue
  fi
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done < "$here/apt-packages.txt"

if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, so that the tests can show that numbers in reply texts do not
# follow the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: could not generate de_DE.UTF-8"
fi

# The page libraries and the e2e driver from the npm registry, as locked in package-lock.json.
"$here/install-page-libs.sh"
