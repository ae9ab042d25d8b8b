#pragma once
// The frames of the opening picture: a square growing from the centre of its
// box to the full box, in about 3.5 seconds of 0.15-second steps whatever the
// size of the box.
#include <QRectF>
#include <algorithm>
#include <vector>

namespace cifra {

inline constexpr int kIntervaloDaAberturaMs = 150;
inline constexpr int kEsperaFinalDaAberturaMs = 1000;

inline std::vector<QRectF> QuadrosDaAbertura(double larguraDaCaixa) {
  const double c = larguraDaCaixa / 2;
  const double passo = c / (3.5 / 0.15);
  std::vector<QRectF> quadros;
  if (passo <= 0) return quadros;
  for (double i = static_cast<int>(c); i >= 0; i -= passo) {
    const double lado = std::max(2 * (c - i), 40.0);
    quadros.emplace_back(i, i, lado, lado);
  }
  return quadros;
}

}  // namespace cifra
