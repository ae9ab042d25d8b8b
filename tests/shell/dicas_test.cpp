#include <gtest/gtest.h>

#include "shell/dicas.h"

namespace cifra {
namespace {

using Efeito = AcompanhamentoDeDicas::Efeito;

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

// None opens while the hourglass shows, and a hint closed under the mouse
// does not open again until the mouse leaves the button.
TEST(Dicas, AcompanhamentoDoMouse) {
  AcompanhamentoDeDicas a;
  EXPECT_EQ(a.MouseSobreBotao("Criar", false), Efeito::Mostrar);
  EXPECT_EQ(a.MouseSobreBotao("Criar", false), Efeito::Nenhum);
  EXPECT_EQ(a.MouseSobreBotao("Fontes", true), Efeito::Nenhum);
  EXPECT_EQ(a.MouseSobreDica(), Efeito::Fechar);
  EXPECT_EQ(a.MouseSobreBotao("Criar", false), Efeito::Nenhum);
  EXPECT_EQ(a.MouseSobreBotao("Sair", false), Efeito::Mostrar);
  EXPECT_EQ(a.Esquece(), Efeito::Fechar);
  EXPECT_EQ(a.DicaAtual(), "Nenhum");
  EXPECT_EQ(a.MouseSobreBotao("Outro", false), Efeito::Nenhum);  // a key without text
}

}  // namespace
}  // namespace cifra
