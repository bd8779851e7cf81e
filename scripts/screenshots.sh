#!/usr/bin/env bash
# Takes the README's pictures of reader-manager again: the main window and the
# Profile Manager over a fresh data folder, and the Collections report over a
# demo route of a fixed seed and year, without a display.
#   scripts/screenshots.sh [BUILD_DIR]   (default: build; configured already)
# Writes docs/images/reader-manager.png, docs/images/profile-manager.png and
# docs/images/collections-report.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ -f "$build/build.ninja" ] || { echo "screenshots.sh: $build is not a configured build" >&2; exit 2; }
cmake --build "$build" --target reader-manager-screenshots
QT_QPA_PLATFORM=offscreen "$build/bin/reader-manager-screenshots" "$root/docs/images"
