#!/usr/bin/env bash
# Installs what is missing, builds the program into build/ and starts it.
# Arguments are handed to the program (e.g. --pasta DIR, or: analise NOME DATA).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/preparar.sh"
cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" --target cifralumina
exec "$raiz/build/cifralumina" "$@"
