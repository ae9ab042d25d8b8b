#pragma once
// Files of the operator's formulas, "DEFUSERA.CFG" and "DEFUSERB.CFG":
// 2-byte records of codes, overwritten from the start and never shortened.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/formula.h"
#include "pasta_dados.h"

namespace cifra {

inline constexpr const char* kFormulaA = "DEFUSERA.CFG";
inline constexpr const char* kFormulaB = "DEFUSERB.CFG";

// The most codes a formula file holds, the master flag included: room for
// 127 building blocks, far more than a name or a date can make sense of. The
// editor stops there, and a reader reads no further.
inline constexpr int64_t kMaiorFormula = 256;

// Every code in the file, up to its end (an older tail after the end code included).
std::vector<int16_t> LerFormula(const PastaDeDados& pasta, std::string_view arquivo);
// Writes the master flag and the codes from record 1; older records beyond stay.
void GravarFormula(const PastaDeDados& pasta, std::string_view arquivo, bool mestresValidos,
                   std::span<const int16_t> codigos);
// A missing or empty file gives 0.
int16_t CalculaNumeroDefinido(const PastaDeDados& pasta, std::string_view arquivo,
                              const ContextoFormula& contexto);

}  // namespace cifra
