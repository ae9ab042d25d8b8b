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
total=0
for alvo in "$build"/fuzz/fuzz_*; do
  [ -f "$alvo" ] && [ -x "$alvo" ] || continue
  nome="$(basename "$alvo")"
  corpus="$build/corpus/$nome"
  mkdir -p "$corpus"
  sementes=()
  [ -d "$raiz/fuzz/sementes/$nome" ] && sementes=("$raiz/fuzz/sementes/$nome")
  log="$build/achados/$nome.log"
  if ! "$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$build/achados/$nome-" -print_final_stats=1 \
      "$corpus" "${sementes[@]}" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "FALHA: $nome (entrada guardada em $build/achados/)"
    exit 1
  fi
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  tempo="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
  echo "$nome: ${execs:-0} entradas em ${segundos} s (${tempo:-0}/s), nenhum achado"
  total=$((total + ${execs:-0}))
done
echo "Total: $total entradas"
