#include "printing/impressao.h"

#include <gtest/gtest.h>

#include "printing/folha_rosto.h"
#include "superficie_teste.h"

namespace cifra {
namespace {

// Usable page 200 x 287 mm with margins of 10: text from 12 to 188 down to 257,
// the pages numbered from 1 after the cover.
TEST(Impressao, MargensDoOperadorECapaAntesDaPagina1) {
  Analise a;
  for (int i = 0; i < 2000; ++i) a.ResultadoAnalise[1].Interpretacao += "palavra ";
  ProgramOptions o;
  o.TopicoAtivo.fill(false);
  o.TopicoAtivo[1] = true;
  const Fontes fontes;
  const LinhasRodape linhas;
  const ConteudoDaAnalise c{a, o, fontes, linhas, Figura(), Figura()};
  teste::FolhasDeTeste folhas(200, 287);
  const int total = ComporImpressao(folhas, c, 200, 287, {Margens{}, true, true, TipoDeImpressao::Analise},
                                    Figura(), Figura::DoRecurso("capa"));
  ASSERT_EQ(total, static_cast<int>(folhas.size()));
  ASSERT_GE(total, 4);
  EXPECT_TRUE(folhas.Pagina(1).Texto("Numerológica"));
  for (int p = 2; p <= total; ++p) {
    auto& pg = folhas.Pagina(p);
    EXPECT_TRUE(pg.Texto(std::to_string(p - 1))) << "número da página " << p;
    EXPECT_EQ(pg.Texto("palavra", true)->x, 12);
    for (const auto& t : pg.textos) {
      if (!t.texto.starts_with("palavra")) continue;
      EXPECT_LE(t.x + pg.TextWidth(t.texto), 188 + 1e-9);
      EXPECT_LE(t.y, 257);  // a page's last line may end past it, never start
    }
  }
}

// The cover picture is square unless the usable area is wider than tall; the
// two words (40 pt: 4 mm a character, 20 mm a line) are centred from 70 % down.
TEST(FolhaDeRosto, CapaEPalavrasConformeAAreaUtil) {
  struct Caso {
    double largura, altura, x, y, l, a;  // the cover picture
    double xPalavra, yPalavra;           // "Análise"
  };
  for (const Caso& c : {Caso{200, 287, 46, 36.7, 108, 108, 86, 196.9},
                        Caso{287, 200, 63.4, 28, 160.2, 90, 129.5, 136}}) {
    teste::SuperficieDeTeste s(c.largura, c.altura);
    DesenhaFolhaRosto(s, Margens{}, Figura::DoRecurso("borda"), Figura::DoRecurso("capa"));
    ASSERT_EQ(s.figuras.size(), 2u);
    EXPECT_EQ(s.figuras[0].largura, c.largura - 20);
    EXPECT_EQ(s.figuras[0].altura, c.altura - 20);
    const auto& capa = s.figuras[1];
    EXPECT_NEAR(capa.x, c.x, 1e-9);
    EXPECT_NEAR(capa.y, c.y, 1e-9);
    EXPECT_NEAR(capa.largura, c.l, 1e-9);
    EXPECT_NEAR(capa.altura, c.a, 1e-9);
    EXPECT_NEAR(s.Texto("Análise")->x, c.xPalavra, 1e-9);
    EXPECT_NEAR(s.Texto("Análise")->y, c.yPalavra, 1e-9);
    EXPECT_NEAR(s.Texto("Numerológica")->y, c.yPalavra + 20, 1e-9);
  }
}

}  // namespace
}  // namespace cifra
