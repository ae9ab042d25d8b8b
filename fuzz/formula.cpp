// Any bytes as a formula file, evaluated for a fixed person: the total may
// grow without bound, the number shown may not.
#include "apoio_fuzz.h"
#include "library/arquivo_registros.h"
#include "library/formulas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  using namespace cifra;
  fuzz::Escreve(kFormulaA, dados, tamanho);
  ContextoFormula ctx;
  ctx.nome = U"MARIA DA SILVA";
  ctx.nascimento = {12, 8, 1978};
  ctx.hoje = {6, 12, 2026};
  ctx.numerosMagicos = tamanho % 2;
  try {
    const int16_t n = CalculaNumeroDefinido(fuzz::Pasta(), kFormulaA, ctx);
    fuzz::Confere(n >= 0 && (n <= 9 || n == 11 || n == 22));
  } catch (const ErroDeArquivo&) {
  }
  return 0;
}
