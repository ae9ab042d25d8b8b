// The pages must not move: the default analysis on screen and on paper, and
// seeded random texts in assorted fonts and widths, against their recordings;
// on a PDF every glyph lands where Qt's own text drawing puts it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QPdfWriter>
#include <algorithm>
#include <cstring>
#include <random>
#include <regex>
#include <span>
#include <tuple>

#include "apoio/pasta_temporaria.h"
#include "presentation/gravacao_de_paginas.h"
#include "presentation/tela.h"
#include "presentation/texto_justificado.h"
#include "printing/impressao.h"
#include "settings/configuracao.h"

namespace cifra {
namespace {

using teste::FolhasGravadas;
using teste::Numero;

// The default analysis with all thirty topics and the master numbers on.
std::vector<std::string> GravaAnalisePadrao() {
  teste::PastaTemporaria raiz;
  Configuracao e = CarregarConfiguracao(raiz.Caminho().string());
  e.opcoes.TopicoAtivo.fill(true);
  e.opcoes.NumerosMagicos = true;
  const Analise analise = MontaAnalise({U"MARIA DA SILVA", {12, 8, 1978}}, {6, 12, 2026},
                                       e.opcoes, e.titulos, e.pasta);
  const ConteudoDaAnalise conteudo = ConteudoDe(analise, e);
  const FigurasDaAnalise& figuras = FigurasDoPrograma();
  std::vector<std::string> g{"# screen pages"};
  {
    FolhasGravadas folhas(kLarguraDaFolhaNaTela, kAlturaDaFolhaNaTela, g);
    ComporAnalise(conteudo, GeometriaDaTela(kLarguraDaFolhaNaTela), folhas);
  }
  const PaginasDaTela telas = ImprimirAnaliseNoMonitor(conteudo);
  // And as the operator sees them: every pixel of every page at 4 pixels a millimetre.
  for (int p = 1; p <= static_cast<int>(telas.picFolha.size()); ++p) {
    const QImage imagem = ImagemDaPagina(telas, p, 4);
    const QByteArray pixels(reinterpret_cast<const char*>(imagem.constBits()),
                            imagem.sizeInBytes());
    g.push_back("I " + std::to_string(p) + " " +
                QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex().toStdString());
  }
  // Written as PNG, a page keeps every pixel (the first page has the colours).
  for (const int p : {1, static_cast<int>(telas.picFolha.size())}) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    EXPECT_TRUE(GravaPaginaPng(telas, p, 4, png));
    const QImage lida = QImage::fromData(png.data(), "PNG").convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(lida == ImagemDaPagina(telas, p, 4)) << "page " << p;
  }
  // On paper the chart too, its numbers of today on a day of their own.
  g.push_back("# A4 paper with the cover and the chart");
  {
    FolhasGravadas folhas(210, 297, g);
    ComporImpressao(folhas, conteudo, 210, 297,
                    {Margens{}, true, false, TipoDeImpressao::Ambos, {6, 12, 2026}}, figuras.borda,
                    figuras.capa);
  }
  return g;
}

// Texts no library holds: short and long words, accents, capitals,
// punctuation, doubled spaces, paragraphs (empty ones too) and words wider
// than the line, in assorted fonts and widths, over pages 120 mm high.
std::vector<std::string> GravaTextosAleatorios() {
  std::mt19937 sorte(20261206);  // its sequence is the same everywhere
  auto ate = [&](unsigned n) { return static_cast<unsigned>(sorte() % n); };
  const std::u32string letras = U"abcdefghijlmnopqrstuvxzáéíóúâêôãõçàüWMfiIl";
  const char* pontuacao[] = {",", ".", ";", ":", "!", "?", "", "", "", ""};
  const Fonte fontes[] = {
      {"Times New Roman", false, false, 12}, {"Arial", false, true, 10},
      {"Courier New", true, false, 14},      {"Times New Roman", true, true, 20},
      {"Arial", true, false, 8},             {"Times New Roman", false, false, 9}};
  std::vector<std::string> g;
  for (int caso = 1; caso <= 24; ++caso) {
    std::u32string texto;
    const unsigned palavras = 20 + ate(300);
    for (unsigned p = 0; p < palavras; ++p) {
      const unsigned tamanho = ate(40) == 0 ? 30 + ate(60) : 1 + ate(11);
      for (unsigned i = 0; i < tamanho; ++i) {
        char32_t c = letras[ate(static_cast<unsigned>(letras.size()))];
        if (i == 0 && ate(6) == 0 && c >= U'a' && c <= U'z') c -= 32;
        texto += c;
      }
      texto += Utf32(pontuacao[ate(10)]);
      const unsigned depois = ate(30);
      texto += depois == 0 ? U"\r\n" : depois == 1 ? U"\r\n\r\n" : depois == 2 ? U"  " : U" ";
    }
    const Fonte& fonte = fontes[ate(6)];
    const double x = 5 + ate(20);
    const double largura = 25 + ate(170);
    std::string resto = Utf8(texto);
    g.push_back("# case " + std::to_string(caso) + ", " + Numero(largura) + " mm wide");
    FolhasGravadas folhas(x + largura + 10, 120, g);
    for (bool fim = false; !fim;) {
      SuperficieDeDesenho& s = folhas.NovaFolha();
      s.SetFonte(fonte);
      fim = ImprimirTextoJustificado(s, 10, x, x + largura, 110, resto);
    }
  }
  return g;
}

// Every glyph of a PDF's pages where the reader puts it: the text position of
// each text object, moved by every "Td", on the 1/64 unit grid glyphs sit on;
// sorted, so that the order the writer chose for its objects is left out.
std::vector<std::tuple<long, long, std::string>> GlifosDoPdf(const QByteArray& pdf) {
  std::vector<std::tuple<long, long, std::string>> glifos;
  const std::regex objeto(R"(BT\n([^]*?)ET)");
  const std::regex glifo(R"((\S+) (\S+) Td <([0-9A-F]+)> Tj)");
  for (qsizetype i = pdf.indexOf("stream\n"); i >= 0; i = pdf.indexOf("stream\n", i)) {
    i += 7;
    const qsizetype fim = pdf.indexOf("endstream", i);
    if (fim < 0) break;
    // qUncompress wants the size first; any guess will do, it grows.
    const QByteArray aberto = qUncompress(QByteArray("\x00\x10\x00\x00", 4) + pdf.mid(i, fim - i));
    const std::string texto = (aberto.isEmpty() ? pdf.mid(i, fim - i) : aberto).toStdString();
    for (std::sregex_iterator o(texto.begin(), texto.end(), objeto), ofim; o != ofim; ++o) {
      const std::string corpo = (*o)[1];
      double x = 0, y = 0;
      for (std::sregex_iterator g(corpo.begin(), corpo.end(), glifo); g != ofim; ++g) {
        x += std::stod((*g)[1]);
        y += std::stod((*g)[2]);
        glifos.emplace_back(std::lround(x * 64), std::lround(y * 64), (*g)[3]);
      }
    }
    i = fim + 9;
  }
  std::sort(glifos.begin(), glifos.end());
  return glifos;
}

// Qt's own text drawing, word by word, at the origin a text drawn at
// (CurrentX, CurrentY) has: what the PDF surface must reproduce.
struct PeloDesenhoDoQt : SuperficieQPainter {
  QPainter& p;
  explicit PeloDesenhoDoQt(QPainter& p) : SuperficieQPainter(p, 300 / 25.4, 200, 280), p(p) {}
  void PrintLinha(std::span<const PecaDaLinha> pecas) override { SuperficieDeDesenho::PrintLinha(pecas); }
  void Desenha(std::u32string_view t) override {
    p.drawText(QPointF(CurrentX * kUnidadesPorMm, CurrentY * kUnidadesPorMm + QFontMetricsF(p.font()).ascent()),
               QString::fromUcs4(t.data(), static_cast<qsizetype>(t.size())));
  }
};

// On a printer or PDF every glyph goes where Qt's own text drawing puts it:
// a word alone (kerning, accents, a closing space, fractions of a unit in the
// origin, a word drawn again from what was kept the first time) and the words
// of a justified line, which go out together. (What a text measures, on paper
// and on screen, the recorded pages pin.)
TEST(MesmasPaginas, NoPdfCadaGlifoOndeODesenhoDeTextoDoQtOPoe) {
  const Fonte fontes[] = {{"Times New Roman", false, false, 12}, {"Arial", false, true, 10},
                          {"Courier New", true, false, 14}, {"Times New Roman", true, true, 20}};
  const char* palavras[] = {"AVATAR ", "Tomé", "Wagner, ", "efficácia", "Ação. ", "já", "«Yvonne»", "To", "AVATAR "};
  auto documento = [&](bool peloQt) {
    QBuffer saida;
    saida.open(QIODevice::WriteOnly);
    {
      QPdfWriter pdf(&saida);
      pdf.setResolution(300);
      QPainter painter(&pdf);
      std::unique_ptr<SuperficieQPainter> s = peloQt ? std::make_unique<PeloDesenhoDoQt>(painter)
                                                     : std::make_unique<SuperficieQPainter>(painter, 300 / 25.4, 200, 280);
      double y = 10;
      for (const Fonte& f : fontes) {
        s->SetFonte(f);
        for (const char* palavra : palavras) {  // x and y fall between Qt's 1/64 unit steps
          s->CurrentX = 10 + 1.23457 * static_cast<double>(std::strlen(palavra));
          s->CurrentY = (y += 3.33333);
          s->Print(palavra);
        }
        std::string texto =
            "AVATAR Tomé, Wagner e a eficácia: «Yvonne» já viu o fiel  Ywy. To, Te, Ta; "
            "ação, coração e atenção ficam juntas neste parágrafo justificado e longo, "
            "com espaços  dobrados e palavras de todo tamanho, como extraordinariamente.";
        ImprimirTextoJustificado(*s, y + 6, 12.3457, 121.0049, 270, texto);
        y = s->CurrentY + 12;
      }
    }
    return GlifosDoPdf(saida.data());
  };
  const auto porGlifos = documento(false);
  const auto porTexto = documento(true);
  // "Courier New" comes out monospaced, 0.6 em a character, whatever face stands in for it.
  FolhaDaTela folha;
  SuperficieDaTela tela(folha, 200, 280);
  tela.SetFonte({"Courier New  ", true, false, 14});
  EXPECT_EQ(tela.FonteAtual().Nome, "Courier New");
  EXPECT_NEAR(tela.TextWidth("iiii"), tela.TextWidth("MMMM"), 1e-6);
  EXPECT_NEAR(tela.TextWidth("M"), 14 * 25.4 / 72 * 0.6, 0.01);
  ASSERT_GT(porTexto.size(), 400u);
  ASSERT_EQ(porGlifos.size(), porTexto.size());
  for (size_t i = 0, erros = 0; i < porTexto.size() && erros < 5; ++i) {
    if (porGlifos[i] == porTexto[i]) continue;
    ++erros;
    ADD_FAILURE() << std::get<0>(porTexto[i]) << "," << std::get<1>(porTexto[i]) << " " << std::get<2>(porTexto[i])
                  << " / " << std::get<0>(porGlifos[i]) << "," << std::get<1>(porGlifos[i]) << " "
                  << std::get<2>(porGlifos[i]);
  }
}

TEST(MesmasPaginas, AnalisePadraoNaTelaENoPapel) {
  const auto g = GravaAnalisePadrao();
  EXPECT_GT(g.size(), 5000u);
  teste::ComparaComAGravacao(g, "analise_padrao.gravacao");
}

TEST(MesmasPaginas, TextosAleatorios) {
  const auto g = GravaTextosAleatorios();
  EXPECT_GT(g.size(), 2000u);
  teste::ComparaComAGravacao(g, "textos_aleatorios.gravacao");
}

}  // namespace
}  // namespace cifra
