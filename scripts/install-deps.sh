#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the program need; both README
# commands call it. It does nothing when everything is already there. Without root it uses sudo;
# without sudo it prints the apt-get line to run as root and stops.
#
#   scripts/install-deps.sh             build, run and test
#   scripts/install-deps.sh --package   the same, plus the tools that build and check the package
set -euo pipefail

# What the installed program needs to run (also the Depends of the package, besides the shared
# libraries that the package's dependency scan finds by itself).
run_packages=(
  libqt6widgets6
  libqt6printsupport6
  libqt6network6
  qt6-qpa-plugins
  qt6-translations-l10n
  fonts-ipafont-gothic
)

# What building needs.
build_packages=(
  cmake
  ninja-build
  g++
  qt6-base-dev
  libcups2-dev
)

# What the test suite and the benchmark need.
test_packages=(
  libgtest-dev
  liberfa-dev
  libbenchmark-dev
  desktop-file-utils
  appstream
  poppler-utils
  cups
  printer-driver-cups-pdf
  locales
)

# What `cpack -G DEB` and the package check need.
package_packages=(
  dpkg-dev
  file
  lintian
)

packages=("${run_packages[@]}" "${build_packages[@]}" "${test_packages[@]}")
if [ "${1:-}" = "--package" ]; then
  packages+=("${package_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

install_line="apt-get install -y --no-install-recommends ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run as root, then start this command again:" >&2
    echo "  apt-get update && $install_line" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
