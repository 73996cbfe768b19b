#!/usr/bin/env bash
# The run command, as a user types it: from a folder of their own, with a
# project named by a path relative to that folder. The program must open
# that project (its name in the caption, read off a real X server) and run
# in the user's folder, the one File > Nuovo proposes.
#   AvvioDaAltraCartella.sh <repository>
set -euo pipefail
radice="$(cd "$1" && pwd)"

lavoro="$(mktemp -d)"
xvfb="" programma=""
fine() {
  [ -z "$programma" ] || kill "$programma" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$lavoro"
}
trap fine EXIT
errore() { echo "ERRORE: $*" >&2; [ ! -f "$lavoro/avvio.log" ] || tail -n 20 "$lavoro/avvio.log" >&2; exit 1; }

# Italian separators, as the users have them: under others the program
# starts with a warning about them, in front of the main window.
if ! locale -a 2>/dev/null | grep -qx 'it_IT.utf8'; then
  echo "La locale it_IT.UTF-8 non c'è: test saltato."
  exit 77
fi
export LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8

mkdir -p "$lavoro/utente" "$lavoro/altrove/progetti"
cp "$radice/examples/Muro.Tav" "$lavoro/altrove/progetti/Progetto Prova.Tav"

# A real X server on a free display of its own choosing.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$lavoro/display" 2>"$lavoro/xvfb.log" &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$lavoro/display" ] && break; sleep 0.1; done
[ -s "$lavoro/display" ] || errore "Xvfb non si avvia"
export DISPLAY=":$(head -n1 "$lavoro/display")"
unset QT_QPA_PLATFORM

cd "$lavoro/utente"
"$radice/scripts/run.sh" "../altrove/progetti/Progetto Prova.Tav" >"$lavoro/avvio.log" 2>&1 &
programma=$!   # run.sh replaces itself with the program

# The build is up to date after the suite's own build, but a fresh tree
# builds the program first: wait for the window for a while.
trovato=0
for _ in $(seq 1 600); do
  if xwininfo -root -tree 2>/dev/null | grep -qF '"Tavo/Spalla - Unità di misura [kN, m] - File: Progetto Prova"'; then
    trovato=1
    break
  fi
  kill -0 "$programma" 2>/dev/null || errore "il programma è terminato prima di mostrare la finestra"
  # A first start says in a box, in front of the main window, that the
  # settings file is missing: answer it as the user does, with Enter.
  for finestra in $(xdotool search --onlyvisible --name '^Tavo$' 2>/dev/null); do
    xdotool windowfocus --sync "$finestra" key Return 2>/dev/null || true
  done
  sleep 1
done
((trovato)) || errore "nessuna finestra mostra il progetto nel titolo"

cartella="$(readlink "/proc/$programma/cwd")"
[ "$cartella" = "$lavoro/utente" ] || errore "il programma lavora in $cartella, non in $lavoro/utente"
echo "Il progetto relativo è aperto e il programma lavora nella cartella dell'utente."
