#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

packages=(cmake g++ ninja-build qt6-base-dev libcups2-dev libgtest-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n xdg-utils
  xvfb cups printer-driver-cups-pdf poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# CI always runs the install line, so that a package left behind by hand hides nothing.
if [ "${CI:-}" = "true" ] || [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
    -o Dpkg::Options::=--force-unsafe-io "${packages[@]}"
fi
