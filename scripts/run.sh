#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target orvenza orvenza-render
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "scripts/run.sh: Orvenza needs a graphical display (X11 or Wayland); none is set (DISPLAY, WAYLAND_DISPLAY). Built: build/bin/orvenza" >&2
  exit 1
fi
exec build/bin/orvenza "$@"
