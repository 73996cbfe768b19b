#!/usr/bin/env bash
# Builds and starts the program; any arguments are passed on (a project file).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default

program="$root/build/default/app/ui/Tavo"
if [ ! -x "$program" ]; then
  echo "Il programma è compilato, ma non ha ancora una finestra."
  exit 0
fi
exec "$program" "$@"
