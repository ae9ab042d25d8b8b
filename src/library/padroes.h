#pragma once
// The texts, titles and sounds of a fresh installation travel inside the
// program; they are written into the data folder where they are missing.
#include <string>
#include <vector>

#include "pasta_dados.h"

namespace cifra {

// The names of the default files the program carries.
std::vector<std::string> ArquivosPadrao();

// Writes every default file that the folder lacks (names compared without
// regard to case); a file the operator already has is never touched.
// Returns the names written.
std::vector<std::string> InstalarPadroes(const PastaDeDados& pasta);

}  // namespace cifra
