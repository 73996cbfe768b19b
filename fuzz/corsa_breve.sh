#!/bin/sh
# The short run of a fuzz target in the tests: from the committed corpus,
# with the fixed seed and number of runs the caller passes, into a work
# folder emptied first, so that two runs of the suite try the same inputs.
# Long random runs are scripts/fuzz.sh's.
#   corsa_breve.sh <program> <work folder> <corpus> [libFuzzer options...]
#
# Two more things make a run repeat itself: the program's addresses reach
# the fuzzer's feedback, so they are kept the same from run to run where the
# system allows it; and the operands of the program's comparisons, which
# include addresses and values that differ between processes, are not used
# to make new inputs (-use_cmp=0).
set -eu
programma=$1 lavoro=$2 corpus=$3
shift 3
rm -rf "$lavoro"
mkdir -p "$lavoro"
if setarch -R true 2>/dev/null; then
  exec setarch -R "$programma" -use_cmp=0 "$@" "$lavoro" "$corpus"
fi
exec "$programma" -use_cmp=0 "$@" "$lavoro" "$corpus"
