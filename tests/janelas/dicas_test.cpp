#include <gtest/gtest.h>

#include "janelas/dicas.h"

namespace cifra {
namespace {

// Just below the bar, 8 pixels right of the button; pulled left near the
// screen's right edge (on whichever screen the bar is).
TEST(Dicas, PosicaoAbaixoDaBarraEPuxadaNaBordaDaTela) {
  const QRect tela(0, 0, 800, 600), barra(100, 80, 700, 49);
  const QSize dica(200, 40);
  EXPECT_EQ(PosicaoDaDica(QRect(148, 83, 43, 40), barra, dica, tela), QPoint(156, 129));
  EXPECT_EQ(PosicaoDaDica(QRect(592, 83, 43, 40), barra, dica, tela), QPoint(600, 129));
  EXPECT_EQ(PosicaoDaDica(QRect(740, 83, 43, 40), barra, dica, tela), QPoint(587, 129));
  EXPECT_EQ(PosicaoDaDica(QRect(1700, 83, 43, 40), QRect(1000, 80, 800, 49), dica,
                          QRect(800, 0, 1024, 768)),
            QPoint(1611, 129));
}

}  // namespace
}  // namespace cifra
