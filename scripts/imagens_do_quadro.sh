#!/usr/bin/env bash
# Makes the pictures of the numerology chart in docs/imagens/ from the built
# program: a new data folder with every topic switched on, the chart of two
# people as a PDF, each page turned into a PNG at 90 dots per inch (pdftoppm,
# from poppler-utils). Run after building into build/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
programa="$raiz/build/cifralumina"
pasta="$(mktemp -d)"
trap 'rm -rf "$pasta"' EXIT
# The first run writes the default files, then every topic is switched on:
# one two-byte flag per topic from byte 18 of cifralumina.dat.
"$programa" analise "Maria da Silva" 12/08/1978 --pasta "$pasta/dados" --texto /dev/null
python3 - "$pasta/dados/cifralumina.dat" <<'PY'
import sys
caminho = sys.argv[1]
b = bytearray(open(caminho, "rb").read())
b[18:78] = b"\xff" * 60
open(caminho, "wb").write(b)
PY
for pessoa in "Maria da Silva|12/08/1978|quadro-maria-da-silva" "Yvone Souza|22/11/1984|quadro-yvone-souza"; do
  IFS='|' read -r nome data arquivo <<<"$pessoa"
  "$programa" analise "$nome" "$data" --hoje 06/12/2026 --pasta "$pasta/dados" --quadro "$pasta/$arquivo.pdf"
  pdftoppm -png -r 90 -singlefile "$pasta/$arquivo.pdf" "$raiz/docs/imagens/$arquivo"
done
