#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  xdg-utils
  locales
  python3-ezdxf poppler-utils librecad
  qt6-translations-l10n
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installo i pacchetti mancanti: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq || true
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

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
