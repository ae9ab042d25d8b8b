#pragma once
// Page margins in millimetres, kept in "margens.dat".
#include "library/pasta_dados.h"

namespace cifra {

struct Margens {
  float Esquerda = 10;
  float Superior = 10;
  float Direita = 10;
  float Inferior = 10;
  friend bool operator==(const Margens&, const Margens&) = default;
};

// The stored margins, as read (no range check); a new or empty file gets 10 mm on every side.
Margens LerMargens(const PastaDeDados& pasta);
void GravarMargens(const PastaDeDados& pasta, const Margens& margens);

// The least page a job can be laid out on, in millimetres, once the margins
// are taken: room for the header, the footer and a few lines of text.
inline constexpr double kMenorLarguraUtil = 50;
inline constexpr double kMenorAlturaUtil = 100;

// Whether the margins leave a usable page on a sheet of largura x altura mm:
// each one a finite number, not negative, and the space between them at
// least kMenorLarguraUtil x kMenorAlturaUtil.
bool MargensCabem(const Margens& margens, double largura, double altura);
// The margins a job uses: the stored ones when they fit, else the defaults
// (10 mm each side), with *substituidas set so the operator can be told.
Margens MargensParaOTrabalho(const Margens& margens, double largura, double altura,
                             bool* substituidas);

}  // namespace cifra
