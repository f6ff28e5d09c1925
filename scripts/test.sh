#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite twice: as the system
# is set up, and again under a decimal-comma locale (de_DE.UTF-8), where data files, hat files and
# options must read and write every number exactly as in the C locale.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2

# The locale comes from the system when it has one, otherwise it is built into a private folder.
locale_env=()
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  mkdir -p build/locale
  [ -d build/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8 || [ -d build/locale/de_DE.UTF-8 ]
  locale_env=(LOCPATH="$PWD/build/locale")
fi
echo "Running the test suite again under LC_ALL=de_DE.UTF-8"
env "${locale_env[@]}" LC_ALL=de_DE.UTF-8 ORVENZA_DECIMAL_COMMA_RUN=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build --output-on-failure -j2
