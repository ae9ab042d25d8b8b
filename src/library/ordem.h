#pragma once
// The order in which the operator wants the topics to appear ("ordem.dat").
#include <cstdint>

#include "catalogo.h"
#include "pasta_dados.h"

namespace cifra {

// Element 0 carries no topic; element i is the topic in position i.
using OrdemDosTopicos = PorTopico<int16_t>;

OrdemDosTopicos OrdemPadrao();
// Reads the order, creating the file in topic-number order when it is
// missing or empty.
OrdemDosTopicos LerOrdemTopicos(const PastaDeDados& pasta);
void GravarOrdemTopicos(const PastaDeDados& pasta, const OrdemDosTopicos& ordem);

// The order as far as it is valid: positions 1..kTopicos in turn, each topic
// taken the first time it appears (numbers outside the catalogue and repeats
// are skipped), then every topic still missing in number order. Whatever
// sets topics in sequence (pages, print, text, the order dialog) walks this.
OrdemDosTopicos OrdemValida(const OrdemDosTopicos& ordem);

}  // namespace cifra
