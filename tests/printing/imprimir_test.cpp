// The print dialog's rules without its window: reading a typed margin, the
// check against the usable page, the preview's geometry.
#include "printing/imprimir.h"

#include <gtest/gtest.h>

#include "presentation/superficie_teste.h"

namespace cifra {
namespace {

TEST(MargemDigitada, LeONumeroDoInicioDoTexto) {
  struct Caso {
    const char* texto;
    double valor;
  };
  for (const Caso& c : {Caso{"12.5", 12.5}, Caso{"  7", 7}, Caso{"15 mm", 15}, Caso{"3.25.7", 3.25},
                        Caso{"-4", -4}, Caso{".5", 0.5}, Caso{"abc", 0}, Caso{"", 0}, Caso{"-", 0},
                        Caso{"1e3", 1}, Caso{"12,5", 12.5}, Caso{"12,5.3", 12.5}}) {
    EXPECT_DOUBLE_EQ(LeNumeroInicial(c.texto), c.valor) << '"' << c.texto << '"';
  }
}

// A usable page 203 mm wide and 280 mm high: 40.6 mm for the left and
// right margins, 56 mm for the top and bottom ones.
TEST(VerificacaoDaMargem, LimiteIgualdadeEMensagemArredondadaParaBaixo) {
  struct Caso {
    LadoDaMargem lado;
    const char* texto;
    const char* recusa;  // nullptr: accepted
  };
  const Caso casos[] = {
      {LadoDaMargem::Direita, "40.6", nullptr},
      {LadoDaMargem::Direita, "40.61", "A margem direita não pode ser maior que 40mm"},
      {LadoDaMargem::Esquerda, "41abc", "A margem esquerda não pode ser maior que 40mm"},
      {LadoDaMargem::Superior, "56", nullptr},
      {LadoDaMargem::Superior, "56.001", "A margem superior não pode ser maior que 56mm"},
      {LadoDaMargem::Inferior, "abc", nullptr},
      {LadoDaMargem::Esquerda, "-30", "A margem esquerda não pode ser negativa"},
      {LadoDaMargem::Direita, "40,6", nullptr},  // the Brazilian decimal comma
      {LadoDaMargem::Direita, "40,61", "A margem direita não pode ser maior que 40mm"},
  };
  for (const Caso& c : casos) {
    const auto recusa = RecusaDaMargem(c.lado, c.texto, 203, 280);
    if (c.recusa) {
      ASSERT_TRUE(recusa) << c.texto;
      EXPECT_EQ(*recusa, c.recusa);
    } else {
      EXPECT_FALSE(recusa) << c.texto << ": " << recusa.value_or("");
    }
  }
  EXPECT_FALSE(RecusaDaMargem(LadoDaMargem::Direita, "40.64", 203.2, 279.4));  // a fifth, in floats
}

// A preview 40 x 70 mm for a usable page of 200 x 280 mm: lengths across are
// scaled by 0.2, lengths down by 0.25; the small texts keep their sizes
// (5 and 4 points: 0.5 and 0.4 mm a character on the test surface).
TEST(PreviaDaPagina, CabecalhoRodapeECorpoNaEscalaDaPagina) {
  teste::SuperficieDeTeste s(40, 70);
  std::string texto;
  for (int i = 0; i < 400; ++i) texto += "palavra ";
  DesenhaExemplo(s, Margens{10, 12, 8, 6}, 200, 280, Figura::DoRecurso("signo"), texto);

  ASSERT_EQ(s.barras.size(), 2u);
  const auto& cabecalho = s.barras[0];
  EXPECT_NEAR(cabecalho.x, 2, 1e-9);
  EXPECT_NEAR(cabecalho.y, 9, 1e-9);  // 36 mm of page below its top edge
  const auto& rodape = s.barras[1];
  EXPECT_NEAR(rodape.y, 70 - 17 * 0.25, 1e-9);
  EXPECT_NEAR(rodape.y + rodape.altura, 70 - 18 * 0.25, 1e-9);

  ASSERT_EQ(s.figuras.size(), 1u);
  EXPECT_NEAR(s.figuras[0].x, 2.4, 1e-9);
  EXPECT_NEAR(s.figuras[0].y, 3, 1e-9);
  EXPECT_NEAR(s.figuras[0].largura, 4.4, 1e-9);
  EXPECT_NEAR(s.figuras[0].altura, 5.5, 1e-9);

  const auto* titulo = s.Texto("Cifralumina");
  ASSERT_TRUE(titulo);
  EXPECT_NEAR(titulo->y, 3.5, 1e-9);
  EXPECT_NEAR(titulo->x, 6.4 + (32 - 5.5) / 2, 1e-9);  // centred right of the picture

  // The body: from 39 mm of page down to 26 mm above the bottom edge, and
  // from x 2.4 to 38, filled to its end by the long text.
  double primeira = 1e9, ultima = 0;
  for (const auto& t : s.textos) {
    if (!t.texto.starts_with("palavra")) continue;
    primeira = std::min(primeira, t.y);
    ultima = std::max(ultima, t.y);
    EXPECT_GE(t.x, 2.4 - 1e-9);
    EXPECT_LE(t.x + s.TextWidth(t.texto), 38 + 1e-9);
    EXPECT_FALSE(t.fonte.Negrito);
  }
  EXPECT_NEAR(primeira, 9.75, 1e-9);
  EXPECT_LE(ultima, 63.5);
  EXPECT_GT(ultima, 63.5 - 2 - 1e-9);  // a 4-point line is 2 mm high here
}

}  // namespace
}  // namespace cifra
