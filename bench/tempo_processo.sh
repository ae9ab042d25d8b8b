#!/bin/bash
# Whole-process time of `cifralumina analise ... --pdf` against the
# QTextDocument program printing the same words, run alternately so that both
# see the same load on the machine; prints the medians and their ratio, in
# wall-clock time and in processor time (the steadier one on a busy machine).
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

# Wall clock and processor time (user + system) of one run, in milliseconds.
mede() {
  /usr/bin/time -f "%e %U %S" -o "$trab/tempo" "$@" >/dev/null 2>&1
  awk '{printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000}' "$trab/tempo"
}
mediana() { sort -n | awk '{v[NR]=$1} END {m=(NR%2)?v[(NR+1)/2]:(v[NR/2]+v[NR/2+1])/2; printf "%.0f", m}'; }

: >"$trab/nosso"; : >"$trab/ref"; : >"$trab/vazio"
for ((i = 0; i < runs; i++)); do
  mede "$programa" analise "${analise[@]}" --pdf "$trab/a.pdf" >>"$trab/nosso"
  mede "$referencia" "$trab/analise.txt" "$trab/r.pdf" >>"$trab/ref"
  mede "$referencia" --uma-linha "$trab/v.pdf" >>"$trab/vazio"
done
coluna() { cut -d' ' -f"$2" "$trab/$1" | mediana; }
printf '%-32s %10s %10s\n' "runs: $runs, medians in ms" "wall" "processor"
printf '%-32s %10s %10s\n' "cifralumina analise --pdf" "$(coluna nosso 1)" "$(coluna nosso 2)"
printf '%-32s %10s %10s\n' "QTextDocument reference" "$(coluna ref 1)" "$(coluna ref 2)"
printf '%-32s %10s %10s\n' "Qt start + one-line PDF" "$(coluna vazio 1)" "$(coluna vazio 2)"
awk -v a="$(coluna nosso 1)" -v b="$(coluna ref 1)" -v c="$(coluna nosso 2)" -v d="$(coluna ref 2)" \
  'BEGIN {printf "ratio cifralumina/reference:     %10.2f %10.2f\n", a / b, c / d}'
