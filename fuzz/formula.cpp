// Any bytes as a formula file, evaluated for a fixed person: the total may
// grow without bound, the number shown may not.
#include "apoio_fuzz.h"
#include "library/formulas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  using namespace cifra;
  fuzz::Escreve(kFormulaA, dados, tamanho);
  const ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {6, 12, 2026}, tamanho % 2 == 1};
  fuzz::SemErroDeArquivo([&] {
    const int16_t n = CalculaNumeroDefinido(fuzz::Pasta(), kFormulaA, ctx);
    fuzz::Confere(n >= 0 && (n <= 9 || n == 11 || n == 22));
  });
  return 0;
}
