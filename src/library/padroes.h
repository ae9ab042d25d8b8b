#pragma once
// The texts, titles and sounds of a fresh installation travel inside the
// program; they are written into the data folder where they are missing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pasta_dados.h"

namespace cifra {

// The names of the default files the program carries.
std::vector<std::string> ArquivosPadrao();

// The bytes of the default file of that name (compared without regard to
// case), or nothing when the program carries no such file.
std::optional<std::vector<uint8_t>> ConteudoPadrao(std::string_view nome);

// Where the program's own copy of a default file is, as a Qt resource path
// (":/padroes/NAME"), or "" when it carries no such file.
std::string RecursoPadrao(std::string_view nome);

// Writes every default file that the folder lacks (names compared without
// regard to case); a file the operator already has is never touched.
// Returns the names written. A default that cannot be written throws
// ErroDeArquivo; with naoInstalados its message goes there instead and the
// others are still tried (the readers then use the copy the program carries).
std::vector<std::string> InstalarPadroes(const PastaDeDados& pasta,
                                         std::vector<std::string>* naoInstalados = nullptr);

}  // namespace cifra
