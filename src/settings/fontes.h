#pragma once
// The three fonts of an analysis: titles, descriptions and texts ("fontes.dat").
#include <cstdint>
#include <functional>
#include <string>

#include "library/pasta_dados.h"

namespace cifra {

// The font of the page's own lines (header, footer, cover) and of a surface
// before any font is chosen.
inline constexpr const char* kFontePadrao = "Times New Roman";

struct Fonte {
  std::string Nome;  // kept without the file's blank padding
  bool Negrito = false;
  bool Italico = false;
  int16_t Tamanho = 0;
  friend bool operator==(const Fonte&, const Fonte&) = default;
};

struct Fontes {
  Fonte FonteTitulo{"Courier New", true, false, 14};
  Fonte FonteDescricao{"Arial", false, true, 10};
  Fonte FonteTexto{kFontePadrao, false, false, 12};
  friend bool operator==(const Fontes&, const Fontes&) = default;
};

// Reads record 1, writing the first-run fonts when the file is new or empty.
// A short file reads its missing bytes as zeros.
Fontes LerFontes(const PastaDeDados& pasta);
void GravarFontes(const PastaDeDados& pasta, const Fontes& fontes);

// Sizes a page can show: a smaller or larger stored size is drawn at the
// nearest of these bounds.
inline constexpr int16_t kMenorTamanhoDeFonte = 6;
inline constexpr int16_t kMaiorTamanhoDeFonte = 72;

// Whether a face name is one the pages can draw with.
using FaceConhecida = std::function<bool(const std::string& nome)>;

// The font as it is drawn: a blank name, or one `conhecida` does not know,
// takes the face of `padrao` (the first-run font of the same group); the
// size is brought into kMenorTamanhoDeFonte..kMaiorTamanhoDeFonte. Bold and
// italic stay as stored.
Fonte FonteUtilizavel(const Fonte& fonte, const Fonte& padrao, const FaceConhecida& conhecida);
// The three fonts, each against its group's first-run font.
Fontes FontesUtilizaveis(const Fontes& fontes, const FaceConhecida& conhecida);

}  // namespace cifra
