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

source "$raiz/scripts/cache_de_compilacao.sh"

# Its own folder, apart from the program's build/: optimised at -O1 without
# debug information, which compiles about a third faster than -O2 -g and
# runs the suite as fast.
build="$raiz/build-testes"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
  -DCIFRA_AVISOS_COMO_ERROS=ON -DCIFRA_TESTES=ON "${lancador[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$nucleos"

bash "$raiz/scripts/sanitizadores.sh"
