#!/bin/bash
# Whole-process time of `cifralumina analise ... --pdf` against the
# QTextDocument program giving the same analysis the same look (read from the
# --json output), run alternately so that both
# see the same load on the machine; prints the medians and their ratio, in
# wall-clock time and in processor time (user + system, to the microsecond;
# the steadier one on a busy machine).
#   bench/tempo_processo.sh [BUILD_DIR] [RUNS] [OTHER_CIFRALUMINA]
# OTHER_CIFRALUMINA, when given, is another build of the program (an older
# one, say) timed in the same rounds. With RUNS "callgrind" each process runs
# once under callgrind with its cache and branch simulation instead, and the
# script prints instructions and an estimate of cycles (instructions + 10 per
# first-level miss + 100 per last-level miss + 15 per mispredicted branch):
# both the same on a busy machine, and the estimate, unlike the instructions,
# sees what code that keeps missing the caches costs.
set -euo pipefail
build=${1:-build}
runs=${2:-21}
outro=${3:-}
programa=$build/cifralumina
referencia=$build/bench/referencia/referencia_qtextdocument
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp}
trab=$(mktemp -d)
trap 'rm -rf "$trab"' EXIT
analise=("Maria da Silva" 12/08/1978 --pasta "$trab/dados" --hoje 06/12/2026)

# A data folder with its defaults, all thirty topics on (bytes 18 to 77 of
# the options record) and the analysis printed without the numerology chart
# (bytes 162-163: 1), which the reference does not draw; and the analysis as
# JSON for the reference.
"$programa" analise "${analise[@]}" >/dev/null
python3 - "$trab/dados/cifralumina.dat" <<'PY'
import sys
p = sys.argv[1]
b = bytearray(open(p, 'rb').read())
b[18:78] = b'\xff' * 60
b[162:164] = (1).to_bytes(2, 'little')
open(p, 'wb').write(b)
PY
"$programa" analise "${analise[@]}" --json "$trab/analise.json"

python3 - "$runs" "$trab" "$programa" "$referencia" "$outro" "${analise[@]}" <<'PY'
import re, resource, statistics, subprocess, sys, time
runs, trab, programa, referencia, outro = sys.argv[1:6]
analise = sys.argv[6:]
casos = [("cifralumina analise --pdf", [programa, "analise", *analise, "--pdf", trab + "/a.pdf"])]
if outro:
    casos.append(("other build, same --pdf", [outro, "analise", *analise, "--pdf", trab + "/o.pdf"]))
casos += [("QTextDocument reference", [referencia, trab + "/analise.json", trab + "/r.pdf"]),
          ("Qt start + one-line PDF", [referencia, "--uma-linha", trab + "/v.pdf"])]
def razoes(valores, larguras):
    """Each build's figures over the reference's, one column a figure."""
    ref = valores["QTextDocument reference"]
    for nome, vs in valores.items():
        if nome.startswith(("cifralumina", "other")):
            rotulo = "ratio " + nome.split(",")[0].split(" analise")[0] + "/reference:"
            print(f"{rotulo:32} " + " ".join(f"{v / r:{w}.2f}" for v, r, w in zip(vs, ref, larguras)))

if runs == "callgrind":
    eventos = {"I   refs": 0, "I1  misses": 10, "D1  misses": 10, "LL misses": 100, "Mispredicts": 15}
    print(f"{'callgrind, millions':32} {'instr.':>10} {'cycles est.':>12}")
    estimativas = {}
    for nome, comando in casos:
        saida = subprocess.run(["valgrind", "--tool=callgrind", "--cache-sim=yes", "--branch-sim=yes",
                                f"--callgrind-out-file={trab}/callgrind.out", *comando],
                               capture_output=True, text=True, check=True).stderr
        v = {e: int(re.search(e + r":\s+([\d,]+)", saida).group(1).replace(",", "")) for e in eventos}
        estimativa = v["I   refs"] + sum(peso * v[e] for e, peso in eventos.items())
        estimativas[nome] = (v["I   refs"], estimativa)
        print(f"{nome:32} {v['I   refs'] / 1e6:10.1f} {estimativa / 1e6:12.1f}")
    razoes(estimativas, (10, 12))
    sys.exit(0)
medidas = {nome: [] for nome, _ in casos}
for _ in range(int(runs)):
    for nome, comando in casos:
        antes = resource.getrusage(resource.RUSAGE_CHILDREN)
        inicio = time.perf_counter()
        subprocess.run(comando, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        parede = time.perf_counter() - inicio
        depois = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = depois.ru_utime + depois.ru_stime - antes.ru_utime - antes.ru_stime
        medidas[nome].append((parede * 1000, cpu * 1000))
mediana = {n: (statistics.median(p for p, _ in v), statistics.median(c for _, c in v))
           for n, v in medidas.items()}
print(f"{'runs: ' + runs + ', medians in ms':32} {'wall':>10} {'processor':>10}")
for nome, (p, c) in mediana.items():
    print(f"{nome:32} {p:10.1f} {c:10.1f}")
razoes(mediana, (10, 10))
PY
