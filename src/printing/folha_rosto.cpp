#include "folha_rosto.h"

namespace cifra {

void DesenhaFolhaRosto(SuperficieDeDesenho& s, const Margens& m, const Figura& borda,
                       const Figura& capa) {
  const double E = m.Esquerda, S = m.Superior;
  const double L = s.ScaleWidth() - E - m.Direita;
  const double A = s.ScaleHeight() - S - m.Inferior;
  s.PaintPicture(borda, E, S, L, A);
  // A square picture, flattened only when the usable area is wider than tall.
  const double alturaDaCapa = 0.6 * L > 0.6 * A ? 0.5 * A : 0.6 * L;
  s.PaintPicture(capa, E + 0.2 * L, S + 0.1 * A, 0.6 * L, alturaDaCapa);

  s.SetFonte({kFontePadrao, true, false, 40});
  s.CurrentY = S + 0.7 * A;
  for (const char* palavra : {"Análise", "Numerológica"}) {
    s.CurrentX = E + (L - s.TextWidth(palavra)) / 2;
    s.Print(palavra);
    s.CurrentY += s.TextHeight(palavra);
  }
  s.CurrentX = 0;
  s.CurrentY = s.ScaleHeight();
}

}  // namespace cifra
