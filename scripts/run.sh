#!/usr/bin/env bash
# Builds and starts the program; any arguments are passed on (a project file).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default

exec "$root/build/default/app/ui/Tavo" "$@"
