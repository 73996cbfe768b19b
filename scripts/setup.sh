#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
#   scripts/setup.sh          what the program needs to build and run
#   scripts/setup.sh --test   that, and what the test suite needs on top
set -euo pipefail

# To build and run the program.
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-translations-l10n
  xdg-utils
)

# On top, for the tests: the test libraries, clang for the fuzz targets, the
# real readers of what the program writes (DXF, PDF), a real X server for the
# start-up test, and the locales the file tests write under.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang
  python3-ezdxf poppler-utils librecad
  xvfb x11-utils xdotool
  locales
)

con_test=0
case "${1:-}" in
  "") ;;
  --test) con_test=1 ;;
  *) echo "Uso: scripts/setup.sh [--test]" >&2; exit 2 ;;
esac
if ((con_test)); then packages+=("${test_packages[@]}"); fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

installato() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

installa() {
  local missing=() p
  for p in "$@"; do installato "$p" || missing+=("$p"); done
  ((${#missing[@]})) || return 0
  echo "Installo i pacchetti mancanti: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq || true
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

installa "${packages[@]}"
((con_test)) || exit 0

# libFuzzer's runtime comes in a package named after clang's major version,
# which differs from one Debian release to the next: ask the clang installed.
clang_major="$(clang -dumpversion | cut -d. -f1)"
installa "libclang-rt-$clang_major-dev"

# The file tests write projects under these locales, to show that no byte
# changes with them; generate those that are missing. A locale that cannot
# be generated makes its test skip, it does not stop the set-up.
missing_locales=()
for l in it_IT en_US fr_FR de_CH; do
  if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then missing_locales+=("$l"); fi
done
for l in "${missing_locales[@]}"; do
  echo "Genero la locale $l.UTF-8"
  "${sudo_cmd[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8" ||
    echo "Impossibile generare la locale $l.UTF-8: il test delle locale sarà saltato."
done
