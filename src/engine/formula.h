#pragma once
// The operator's own formulas (numbers A and B): a chain of building blocks
// joined by add and subtract, kept as a list of 16-bit codes.
#include <cstdint>
#include <span>
#include <string>

#include "data.h"

namespace cifra {

namespace codigo_formula {
inline constexpr int16_t kMestresValidos = 201;
inline constexpr int16_t kSemMestres = 202;
inline constexpr int16_t kSomar = 101;
inline constexpr int16_t kSubtrair = 102;
inline constexpr int16_t kFim = 103;
}  // namespace codigo_formula

struct ContextoFormula {
  std::u32string nome;  // the folded full name
  Data nascimento;
  Data hoje;
  bool numerosMagicos = false;
};

// Value of one building block (codes 0..11; any other code is 0).
int ValorDoBloco(int16_t codigo, bool mestresDaFormula, const ContextoFormula& ctx);

// Evaluates the codes as stored (record 1 is the master flag). Stops at the
// end code or at the end of the list, whichever comes first.
int16_t AvaliaFormula(std::span<const int16_t> codigos, const ContextoFormula& ctx);

}  // namespace cifra
