#!/usr/bin/env bash
# Maintenance: builds the fuzz targets and runs each for the given number of
# seconds (default 600), four at a time, from its committed corpus. New
# inputs stay in build/fuzz/fuzz/lavoro/<target>/; a crash, hang or
# sanitizer report leaves its reproducer in build/fuzz/fuzz/crash/.
# Exits non-zero when any target failed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
secondi="${1:-600}"

scripts/setup.sh --test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

fuzz_dir="$root/build/fuzz/fuzz"
esiti="$fuzz_dir/esiti"
mkdir -p "$esiti" "$fuzz_dir/crash"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

esegui() {
  local programma="$1" nome="${1##*/fuzz_}"
  local opzioni=(-timeout=10 -max_total_time="$secondi" -print_final_stats=1
                 -artifact_prefix="$fuzz_dir/crash/$nome-")
  mkdir -p "$fuzz_dir/lavoro/$nome"
  "$programma" "${opzioni[@]}" "$fuzz_dir/lavoro/$nome" "fuzz/corpus/$nome" >"$esiti/$nome.log" 2>&1
}

pids=() nomi=()
for programma in "$fuzz_dir"/fuzz_*; do
  [ -x "$programma" ] || continue
  while (( $(jobs -rp | wc -l) >= 4 )); do wait -n || true; done
  esegui "$programma" & pids+=($!) nomi+=("${programma##*/fuzz_}")
done

falliti=0
for i in "${!pids[@]}"; do
  nome="${nomi[$i]}" log="$esiti/${nomi[$i]}.log"
  if wait "${pids[$i]}"; then
    riga="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n1 | tr -s '[:space:]' ' ' || true)"
    echo "$nome: nessun errore; ${riga:-vedi $log}"
  else
    falliti=1
    riproduttore="$(grep -oE "Test unit written to [^ ]+" "$log" | tail -n1 | cut -d' ' -f5 || true)"
    echo "$nome: ERRORE, riproduttore ${riproduttore:-non scritto}; registro $log"
  fi
done
exit "$falliti"
