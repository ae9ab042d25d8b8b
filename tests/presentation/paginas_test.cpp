// Real fonts: the faces the program names are found, and a text measures the
// same on the screen and on a 300 dpi printer.
#include <gtest/gtest.h>

#include <QPainter>

#include "presentation/tela.h"

namespace cifra {
namespace {

TEST(Fontes, FacesCompativeisEMedidaQueNaoDependeDaResolucao) {
  FolhaDaTela tela;
  SuperficieDaTela s1(tela, 200, 297);
  QImage img(10, 10, QImage::Format_RGB32);
  QPainter pi(&img);
  SuperficieQPainter s2(pi, 300 / 25.4, 200, 297);
  const Fontes f;
  for (const Fonte& fonte : {f.FonteTitulo, f.FonteDescricao, f.FonteTexto}) {
    s1.SetFonte(fonte);
    s2.SetFonte(fonte);
    EXPECT_DOUBLE_EQ(s1.TextWidth("Você é Única."), s2.TextWidth("Você é Única.")) << fonte.Nome;
    EXPECT_DOUBLE_EQ(s1.TextHeight(""), s2.TextHeight("")) << fonte.Nome;
  }
  // "Courier New" must come out monospaced, 0.6 em a character.
  s1.SetFonte({"Courier New  ", true, false, 14});
  EXPECT_EQ(s1.FonteAtual().Nome, "Courier New");
  EXPECT_NEAR(s1.TextWidth("iiii"), s1.TextWidth("MMMM"), 1e-6);
  EXPECT_NEAR(s1.TextWidth("M"), 14 * 25.4 / 72 * 0.6, 0.01);
}

}  // namespace
}  // namespace cifra
