#!/usr/bin/env bash
# Builds the program alone (with its data files) and starts it from the
# folder the command was run in, with the arguments as given (a project
# file, relative to that folder or absolute).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/setup.sh"
cmake -S "$root" --preset programma >/dev/null
cmake --build "$root/build/programma" --target Tavo dati_ntc

exec "$root/build/programma/app/ui/Tavo" "$@"
