#pragma once
// The order in which the operator wants the topics to appear ("ordem.dat").
#include <array>
#include <cstdint>

#include "pasta_dados.h"

namespace cifra {

// Element 0 carries no topic; element i is the topic in position i.
using OrdemDosTopicos = std::array<int16_t, 31>;

OrdemDosTopicos OrdemPadrao();
// Reads the order, creating the file with 1..30 when it is missing or empty.
OrdemDosTopicos CarregaOrdemTopicos(const PastaDeDados& pasta);
void GravaOrdemTopicos(const PastaDeDados& pasta, const OrdemDosTopicos& ordem);

}  // namespace cifra
