#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs the whole test suite; then builds again under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the suite once more.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/preparar.sh"
export QT_QPA_PLATFORM=offscreen

cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCIFRA_AVISOS_COMO_ERROS=ON -DCIFRA_TESTES=ON
cmake --build "$raiz/build"
ctest --test-dir "$raiz/build" --output-on-failure

cmake -S "$raiz" -B "$raiz/build-sanitizadores" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCIFRA_AVISOS_COMO_ERROS=ON -DCIFRA_SANITIZADORES=ON -DCIFRA_TESTES=ON -DCIFRA_BENCH=OFF
cmake --build "$raiz/build-sanitizadores"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$raiz/scripts/lsan.supp" \
  ctest --test-dir "$raiz/build-sanitizadores" --output-on-failure \
  -E 'SaidasGravadas.DiscoCheioNaoEstragaOArquivoQueJaHavia|PaginasComEntradasDanificadas.MargensQueNaoDeixamPagina|frmImprimir.Visualizar'
# The two left out above run children under a file-size limit, where the leak
# checker cannot work (and Qt's PNG writer leaks on purpose when a write fails);
# the ordinary build runs them.
# The print preview loads the CUPS plugin, whose thread-local storage makes the
# leak checker's own thread crash while scanning it; that one test runs with
# thread-local storage left unscanned.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$raiz/scripts/lsan.supp":use_tls=0 \
  ctest --test-dir "$raiz/build-sanitizadores" --output-on-failure -R 'frmImprimir.Visualizar'
