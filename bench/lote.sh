#!/usr/bin/env bash
# The forecasts of a whole register against one `previsao --pdf` run per
# client: the same clients, the same years, on the same machine, one after
# the other in one run of this script.
#
#   bench/lote.sh [BUILD] [CLIENTES] [CLIENTES_GRANDE]
#
# Prints the wall-clock seconds and maximum resident memory of the batch
# for CLIENTES and CLIENTES_GRANDE clients and of CLIENTES separate runs,
# the clients per second, and the batch's share of the separate runs' time.
set -euo pipefail
build=${1:-build}
n=${2:-200}
grande=${3:-2000}
programa=$(readlink -f "$build/cifralumina")
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
export QT_QPA_PLATFORM=offscreen

# A register of n clients: names from a small stock, dates spread over the
# century; fields blank-padded Windows-1252 as the register keeps them.
cadastro() {
  python3 - "$1" "$2" <<'PY'
import sys, random
destino, n = sys.argv[1], int(sys.argv[2])
random.seed(7)
nomes = ["MARIA", "JOSE", "ANA", "JOAO", "ANTONIO", "FRANCISCA", "CARLOS", "PAULO", "LUCAS", "JULIANA"]
sobrenomes = ["SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA"]
with open(destino, "wb") as f:
    for i in range(n):
        nome = f"{random.choice(nomes)} {random.choice(sobrenomes)} {random.choice(sobrenomes)} {i}"
        data = f"{random.randint(1, 28):02d}/{random.randint(1, 12):02d}/{random.randint(1930, 2010)}"
        campos = [(nome, 100), ("", 150), ("", 50), ("", 10), ("", 15), (data, 10)]
        f.write(b"".join(t.encode("cp1252").ljust(k, b" ") for t, k in campos) + b"  ")
PY
}

# Seconds and kilobytes of one command, from GNU time.
mede() {
  /usr/bin/time -f "%e %M" -o "$trabalho/tempo" "$@" >/dev/null 2>&1 || true
  cat "$trabalho/tempo"
}

for clientes in "$n" "$grande"; do
  pasta="$trabalho/dados$clientes"
  mkdir -p "$pasta"
  "$programa" analise "Teste" 01/01/1980 --pasta "$pasta" >/dev/null
  cadastro "$pasta/caduser.dat" "$clientes"
  read -r s kb < <(mede "$programa" previsao --cadastro --de 2027 --ate 2028 --pasta "$pasta" \
                     --pasta-saida "$trabalho/pdf$clientes")
  gravados=$(ls "$trabalho/pdf$clientes" | wc -l)
  echo "lote de $clientes: $s s, $gravados PDFs, $(echo "$gravados / $s" | bc -l | cut -c1-5) clientes/s, memória máxima $((kb / 1024)) MB"
  [ "$clientes" = "$n" ] && lote=$s
done

# The same n clients, one process each.
pasta="$trabalho/dados$n"
python3 - "$pasta/caduser.dat" > "$trabalho/lista" <<'PY'
import sys
dados = open(sys.argv[1], "rb").read()
for i in range(0, len(dados), 337):
    r = dados[i:i + 337]
    print(r[:100].decode("cp1252").strip() + "\t" + r[325:335].decode("cp1252").strip())
PY
inicio=$(date +%s.%N)
while IFS=$'\t' read -r nome data; do
  "$programa" previsao "$nome" "$data" --de 2027 --ate 2028 --pasta "$pasta" --pdf "$trabalho/um.pdf" >/dev/null
done < "$trabalho/lista"
separados=$(echo "$(date +%s.%N) - $inicio" | bc -l)
echo "$n execuções separadas: $(printf %.2f "$separados") s"
echo "lote / separadas: $(printf %.2f "$(echo "$lote / $separados" | bc -l)")"
