#!/usr/bin/env bash
# Idempotent, non-interactive set-up: installs the Debian packages that are missing,
# makes the test locales available, configures and builds.
#   scripts/setup.sh            install what is missing, configure, build
#   KALDER_SKIP_INSTALL=1 ...   build only
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local wanted missing=()
  wanted=$(grep -vE '^\s*(#|$)' scripts/debian-packages.txt)
  for p in $wanted; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    sudo_if_needed apt-get update -qq
    sudo_if_needed apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The tests run under a "." locale and a "," locale.
ensure_locales() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "setup: generating de_DE.UTF-8 and en_US.UTF-8"
    sudo_if_needed sed -i -E 's/^# *(de_DE\.UTF-8 UTF-8)/\1/; s/^# *(en_US\.UTF-8 UTF-8)/\1/' /etc/locale.gen
    sudo_if_needed locale-gen >/dev/null
  fi
}

if [ "${KALDER_SKIP_INSTALL:-0}" != 1 ]; then
  install_packages
  ensure_locales
fi

cmake --preset dev >/dev/null
cmake --build --preset dev
