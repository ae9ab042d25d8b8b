#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs the whole test suite. Then one clang build, instrumented with
# AddressSanitizer and UndefinedBehaviorSanitizer (and libFuzzer's coverage,
# so scripts/fuzz.sh reuses it), runs the core and page tests again: the
# windows gain nothing from it and are left out of that build.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/preparar.sh"
export QT_QPA_PLATFORM=offscreen
nucleos="$(nproc)"

cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCIFRA_AVISOS_COMO_ERROS=ON -DCIFRA_TESTES=ON
cmake --build "$raiz/build"
ctest --test-dir "$raiz/build" --output-on-failure -j "$nucleos"

bash "$raiz/scripts/sanitizadores.sh"
