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

}  // namespace cifra
