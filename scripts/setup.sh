#!/usr/bin/env bash
# Installs the Debian packages nencho needs, when any is missing.
#   setup.sh run    what building and running the program need
#   setup.sh test   those, and what building and running the tests and benchmarks need
set -euo pipefail

run_packages=(cmake g++ ninja-build qt6-base-dev libcups2-dev
  fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n xdg-utils)
test_packages=(libgtest-dev libbenchmark-dev xvfb openbox libxcb1-dev cups printer-driver-cups-pdf
  poppler-utils clang-format)

case "${1:-}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

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
