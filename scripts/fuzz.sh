#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, in the sanitizers' build, and runs each for a
# bounded time from its seeds (fuzz/sementes/<target>). Prints, per target,
# the inputs tried and the time; any crash, leak or failed check stops the
# script with its input kept in build-sanitizadores/achados/. FUZZ_SEGUNDOS
# sets the time per target (20).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${FUZZ_SEGUNDOS:-20}"
build="$raiz/build-sanitizadores"

# The instrumented build is the sanitizers' (scripts/sanitizadores.sh).
bash "$raiz/scripts/sanitizadores.sh" --so-compilar
cmake --build "$build" --target fuzz_todos

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$raiz/scripts/lsan.supp"
mkdir -p "$build/achados"
# One target a core at a time; each writes its own log.
roda() {
  local alvo="$1" nome corpus log
  nome="$(basename "$alvo")"
  corpus="$build/corpus/$nome"
  mkdir -p "$corpus"
  local sementes=()
  [ -d "$raiz/fuzz/sementes/$nome" ] && sementes=("$raiz/fuzz/sementes/$nome")
  log="$build/achados/$nome.log"
  "$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$build/achados/$nome-" -print_final_stats=1 \
    "$corpus" "${sementes[@]}" >"$log" 2>&1
  echo $? >"$build/achados/$nome.status"
}
alvos=()
for alvo in "$build"/fuzz/fuzz_*; do
  [ -f "$alvo" ] && [ -x "$alvo" ] && alvos+=("$alvo")
done
nucleos="$(nproc)"
rm -f "$build"/achados/*.status
for alvo in "${alvos[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$nucleos" ]; do wait -n || true; done
  roda "$alvo" &
done
wait
falhou=0
for alvo in "${alvos[@]}"; do
  nome="$(basename "$alvo")"
  if [ "$(cat "$build/achados/$nome.status" 2>/dev/null)" != 0 ]; then
    tail -n 60 "$build/achados/$nome.log"
    echo "FALHA: $nome (entrada guardada em $build/achados/)"
    falhou=1
  fi
done
[ "$falhou" -eq 0 ] || exit 1
total=0
for alvo in "${alvos[@]}"; do
  nome="$(basename "$alvo")"
  log="$build/achados/$nome.log"
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  tempo="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
  echo "$nome: ${execs:-0} entradas em ${segundos} s (${tempo:-0}/s), nenhum achado"
  total=$((total + ${execs:-0}))
done
echo "Total: $total entradas"
