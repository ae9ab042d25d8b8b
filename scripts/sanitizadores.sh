#!/usr/bin/env bash
# The clang build under AddressSanitizer and UndefinedBehaviorSanitizer,
# built once into build-sanitizadores for the core tests (run here) and the
# libFuzzer targets (scripts/fuzz.sh). No windows: they gain nothing from it.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen
build="$raiz/build-sanitizadores"

source "$raiz/scripts/cache_de_compilacao.sh"

# -O1 with line tables only: what the sanitizers advise, and a report still
# names the file and line.
CC=clang CXX=clang++ cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O1 -gline-tables-only -DNDEBUG" \
  -DCIFRA_FUZZ=ON -DCIFRA_TESTES=ON -DCIFRA_JANELAS=OFF "${lancador[@]}" >/dev/null
cmake --build "$build"
[ "${1:-}" = "--so-compilar" ] && exit 0
# The two left out run children under a file-size limit, where the leak
# checker cannot work (and Qt's PNG writer leaks on purpose when a write fails);
# the ordinary build runs them.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$raiz/scripts/lsan.supp" \
  ctest --test-dir "$build" --output-on-failure -j "$(nproc)" \
  -E 'SaidasGravadas.DiscoCheioNaoEstragaOArquivoQueJaHavia|PaginasComEntradasDanificadas.MargensQueNaoDeixamPagina|Ortografia'
