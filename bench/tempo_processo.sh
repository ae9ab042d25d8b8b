#!/bin/bash
# Whole-process time of `cifralumina analise ... --pdf` against the
# QTextDocument program printing the same words, run alternately so that both
# see the same load on the machine; prints the medians and their ratio.
#   bench/tempo_processo.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
programa=$build/cifralumina
referencia=$build/bench/referencia/referencia_qtextdocument
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp}
trab=$(mktemp -d)
trap 'rm -rf "$trab"' EXIT
analise=("Maria da Silva" 12/08/1978 --pasta "$trab/dados" --hoje 06/12/2026)

# A data folder with its defaults and all thirty topics on (bytes 18 to 77 of
# the options record), and the analysis as plain text for the reference.
"$programa" analise "${analise[@]}" >/dev/null
python3 - "$trab/dados/cifralumina.dat" <<'PY'
import sys
p = sys.argv[1]
b = bytearray(open(p, 'rb').read())
b[18:78] = b'\xff' * 60
open(p, 'wb').write(b)
PY
"$programa" analise "${analise[@]}" --texto "$trab/analise.txt"

agora() { date +%s%N; }
mede() {  # prints the milliseconds a command takes
  local t0 t1
  t0=$(agora)
  "$@" >/dev/null 2>&1
  t1=$(agora)
  echo $(((t1 - t0) / 1000))
}
mediana() { sort -n | awk '{v[NR]=$1} END {m=(NR%2)?v[(NR+1)/2]:(v[NR/2]+v[NR/2+1])/2; printf "%.1f", m/1000}'; }

nosso=() ref=() vazio=()
for ((i = 0; i < runs; i++)); do
  nosso+=("$(mede "$programa" analise "${analise[@]}" --pdf "$trab/a.pdf")")
  ref+=("$(mede "$referencia" "$trab/analise.txt" "$trab/r.pdf")")
  vazio+=("$(mede "$referencia" --uma-linha "$trab/v.pdf")")
done
mn=$(printf '%s\n' "${nosso[@]}" | mediana)
mr=$(printf '%s\n' "${ref[@]}" | mediana)
mv=$(printf '%s\n' "${vazio[@]}" | mediana)
echo "runs: $runs (medians, wall clock)"
echo "cifralumina analise --pdf:   $mn ms"
echo "QTextDocument reference:     $mr ms"
echo "Qt start + one-line PDF:     $mv ms"
awk -v a="$mn" -v b="$mr" 'BEGIN {printf "ratio cifralumina/reference: %.2f\n", a / b}'
