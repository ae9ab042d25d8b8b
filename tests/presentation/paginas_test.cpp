// Real fonts, pictures and devices: the command line's PNG pages and PDF.
#include <gtest/gtest.h>

#include <QPainter>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "presentation/tela.h"
#include "shell/linha_comando.h"

namespace cifra {
namespace {

TEST(Fontes, FacesCompativeisEMedidaQueNaoDependeDaResolucao) {
  QPicture tela;
  QPainter pt(&tela);
  SuperficieQPainter s1(pt, SuperficieQPainter::kUnidadesPorMm, 200, 297);
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

TEST(Paginas, LinhaDeComandoGravaPngEPdfDaAnaliseCompleta) {
  teste::PastaTemporaria raiz;
  const std::string pasta = raiz.Caminho().string();
  std::ostringstream saida, erros;
  auto executa = [&](std::vector<std::string> opcoes) {
    std::vector<std::string> args = {"Maria da Silva", "12/08/1978", "--pasta", pasta};
    args.insert(args.end(), opcoes.begin(), opcoes.end());
    return ExecutaAnalise(args, saida, erros);
  };
  ASSERT_EQ(executa({}), 0);
  auto opcoes = teste::LeBytes(raiz / "cifralumina.dat");
  std::fill(opcoes.begin() + 18, opcoes.begin() + 78, 0xFF);  // all thirty topics on
  teste::EscreveBytes(raiz / "cifralumina.dat", opcoes);
  ASSERT_EQ(executa({"--png", (raiz / "png").string(), "--pdf", (raiz / "a.pdf").string()}), 0)
      << erros.str();

  // Screen pages are A4 wide on every machine, written at 4 pixels a mm.
  const double largura = 210;
  auto escuro = [](const QImage& img, double x, double y) {
    return img.pixelColor(int(x * 4), int(y * 4)).lightness() < 100;
  };
  auto barra = [&](const QImage& img, double y) {  // dark nearly all across, as no text is
    int n = 0;
    for (double x = 12; x < largura - 12; x += 2) n += escuro(img, x, y);
    return n >= (largura - 24) / 2 * 0.95;
  };
  int p = 1;
  for (;; ++p) {
    const QImage img(QString::fromStdString((raiz / "png" / ("page-" + std::to_string(p) + ".png")).string()));
    if (img.isNull()) break;
    ASSERT_EQ(img.size(), QSize(int(std::lround(largura * 4)), 297 * 4));
    EXPECT_TRUE(barra(img, 280.5)) << "rodapé, página " << p;
    EXPECT_EQ(barra(img, 29.5), p == 1) << "cabeçalho, página " << p;
    for (double y = 10; y < 297; y += 7) {  // nothing in the margins
      EXPECT_FALSE(escuro(img, 4, y) || escuro(img, largura - 4, y)) << p << " " << y;
    }
  }
  EXPECT_GE(p - 1, 5);

  const auto pdf = teste::LeBytes(raiz / "a.pdf");
  const std::string texto(pdf.begin(), pdf.end());
  EXPECT_TRUE(texto.starts_with("%PDF-"));
  EXPECT_NE(texto.find("/MediaBox [0 0 595"), std::string::npos);  // A4
}

}  // namespace
}  // namespace cifra
