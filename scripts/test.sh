#!/usr/bin/env bash
# The whole test suite, twice: a normal build and an ASan + UBSan build; then
# every fuzz target replays its committed corpus and runs for a short while.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --test
export QT_QPA_PLATFORM=offscreen

for preset in default asan fuzz; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "Tutti i test superati."
