// The pages must not move: every text drawn (its page, position, font and
// characters), every bar and every picture of the default analysis, on screen
// pages and on paper, and of seeded random texts in assorted fonts and widths,
// is compared with the recording kept in gravacoes/ (one operation a line,
// positions to a ten-thousandth of a millimetre, compressed by qCompress).
// Real fonts, offscreen.
//
// After a change that is meant to move things, write the recording anew with
// CIFRA_REGRAVAR=1 and look at the pages before committing it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <cstdio>
#include <functional>
#include <memory>
#include <algorithm>
#include <random>
#include <regex>
#include <span>
#include <tuple>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "engine/numerologia.h"
#include "presentation/tela.h"
#include "presentation/texto_justificado.h"
#include "printing/impressao.h"
#include "settings/configuracao.h"

namespace cifra {
namespace {

std::string Numero(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", v);
  return buf;
}

// A real surface on a recorded page that also writes down what it is asked
// to draw, one line each.
class SuperficieGravada : public SuperficieQPainter {
 public:
  SuperficieGravada(QPainter& p, double largura, double altura, std::vector<std::string>& g)
      : SuperficieQPainter(p, kUnidadesPorMm, largura, altura), g_(g) {}

  void Barra(double x1, double y1, double x2, double y2) override {
    g_.push_back("B " + Numero(x1) + " " + Numero(y1) + " " + Numero(x2) + " " + Numero(y2));
    SuperficieQPainter::Barra(x1, y1, x2, y2);
  }
  void PaintPicture(const Figura& f, double x, double y, double l, double a) override {
    g_.push_back("F " + Numero(x) + " " + Numero(y) + " " + Numero(l) + " " + Numero(a) + " " +
                 f.Nome());
    SuperficieQPainter::PaintPicture(f, x, y, l, a);
  }

 protected:
  void Desenha(std::u32string_view t) override {
    const Fonte f = FonteAtual();
    g_.push_back("T " + Numero(CurrentX) + " " + Numero(CurrentY) + " " + f.Nome + "/" +
                 std::to_string(f.Tamanho) + (f.Negrito ? "b" : "") + (f.Italico ? "i" : "") +
                 " " + Utf8(t));
    SuperficieQPainter::Desenha(t);
  }

 private:
  std::vector<std::string>& g_;
};

// Pages recorded one after the other into one list, each opened by "P n".
class FolhasGravadas : public Paginador {
 public:
  FolhasGravadas(double largura, double altura, std::vector<std::string>& g)
      : largura_(largura), altura_(altura), g_(g) {}
  ~FolhasGravadas() override { Termina(); }

  SuperficieDeDesenho& NovaFolha() override {
    Termina();
    g_.push_back("P " + std::to_string(++folhas_));
    painter_ = std::make_unique<QPainter>(&folha_);
    superficie_ = std::make_unique<SuperficieGravada>(*painter_, largura_, altura_, g_);
    return *superficie_;
  }

 private:
  void Termina() {
    superficie_.reset();
    painter_.reset();
  }
  double largura_, altura_;
  std::vector<std::string>& g_;
  int folhas_ = 0;
  QPicture folha_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<SuperficieGravada> superficie_;
};

// The default analysis with all thirty topics on.
std::vector<std::string> GravaAnalisePadrao() {
  teste::PastaTemporaria raiz;
  Configuracao e = CarregarConfiguracao(raiz.Caminho().string());
  e.opcoes.TopicoAtivo.fill(true);
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
  g.push_back("# A4 paper with the cover");
  {
    FolhasGravadas folhas(210, 297, g);
    ComporImpressao(folhas, conteudo, 210, 297,
                    {Margens{}, true, false, TipoDeImpressao::Analise}, figuras.borda,
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

std::vector<std::string> LeLinhas(const QString& arquivo) {
  QFile f(arquivo);
  std::vector<std::string> linhas;
  if (!f.open(QIODevice::ReadOnly)) return linhas;
  for (const QByteArray& l : qUncompress(f.readAll()).split('\n')) {
    if (!l.isEmpty()) linhas.push_back(l.toStdString());
  }
  return linhas;
}

void Compara(const std::vector<std::string>& agora, const char* nome) {
  const QString arquivo = QStringLiteral(CIFRA_GRAVACOES_DIR "/") + QLatin1String(nome);
  if (!qEnvironmentVariableIsEmpty("CIFRA_REGRAVAR")) {
    QByteArray tudo;
    for (const auto& l : agora) tudo += QByteArray::fromStdString(l) + '\n';
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << arquivo.toStdString();
    f.write(qCompress(tudo, 9));
    return;
  }
  const std::vector<std::string> antes = LeLinhas(arquivo);
  ASSERT_FALSE(antes.empty()) << "no recording in " << arquivo.toStdString();
  const size_t n = std::min(antes.size(), agora.size());
  int diferencas = 0;
  for (size_t i = 0; i < n && diferencas < 10; ++i) {
    if (antes[i] != agora[i]) {
      ADD_FAILURE() << "operation " << i + 1 << "\n  was: " << antes[i] << "\n  now: " << agora[i];
      ++diferencas;
    }
  }
  EXPECT_EQ(antes.size(), agora.size()) << "operations recorded";
}

// The uncompressed streams of a PDF (page contents, fonts), in order of size
// and bytes, so that the order the writer chose for its objects is left out.
std::vector<QByteArray> FluxosDoPdf(const QByteArray& pdf) {
  std::vector<QByteArray> fluxos;
  for (qsizetype i = pdf.indexOf("stream\n"); i >= 0; i = pdf.indexOf("stream\n", i)) {
    i += 7;
    const qsizetype fim = pdf.indexOf("endstream", i);
    if (fim < 0) break;
    // qUncompress wants the size first; any guess will do, it grows.
    const QByteArray dados = QByteArray("\x00\x10\x00\x00", 4) + pdf.mid(i, fim - i);
    const QByteArray aberto = qUncompress(dados);
    fluxos.push_back(aberto.isEmpty() ? pdf.mid(i, fim - i) : aberto);
    i = fim + 9;
  }
  std::sort(fluxos.begin(), fluxos.end());
  return fluxos;
}

// A PDF at 300 dpi written in memory: what desenha draws on its painter.
QByteArray PdfDesenhado(const std::function<void(QPainter&)>& desenha) {
  QBuffer saida;
  saida.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&saida);
    pdf.setResolution(300);
    QPainter painter(&pdf);
    desenha(painter);
  }
  return saida.data();
}

// On a printer or PDF a word drawn by the surface is put, glyph by glyph,
// exactly where Qt's own text drawing puts it at the same origin: kerning,
// accents, a closing space, a word drawn again (kept from the first time),
// fractions of a unit in the origin, several fonts in one document.
TEST(MesmasPaginas, NoPdfCadaPalavraOndeODesenhoDeTextoAPoria) {
  const Fonte fontes[] = {{"Times New Roman", false, false, 12},
                          {"Arial", false, true, 10},
                          {"Courier New", true, false, 14},
                          {"Times New Roman", true, true, 20}};
  const char* palavras[] = {"AVATAR ", "Tomé", "Wagner, ", "efficácia", "Ação. ",
                            "já", "«Yvonne»", "To", "1978 ", "AVATAR "};
  // (x, y) in mm with fractions that fall between Qt's 1/64 unit steps.
  const std::pair<double, double> lugares[] = {{10, 10}, {12.3457, 20.0001}, {33.33333, 30.5},
                                               {50.0049, 41.23456}, {71.99999, 55.55555}};
  auto documento = [&](bool comoTexto) {
    return PdfDesenhado([&](QPainter& painter) {
      SuperficieQPainter s(painter, 300 / 25.4, 200, 280);
      int n = 0;
      for (const Fonte& f : fontes) {
        s.SetFonte(f);
        for (const char* palavra : palavras) {
          const auto [x, y] = lugares[n++ % std::size(lugares)];
          if (comoTexto) {
            const double u = SuperficieQPainter::kUnidadesPorMm;
            painter.drawText(QPointF(x * u, y * u + QFontMetricsF(painter.font()).ascent()),
                             QString::fromUtf8(palavra));
          } else {
            s.CurrentX = x;
            s.CurrentY = y;
            s.Print(palavra);
          }
        }
      }
    });
  };
  const auto porGlifos = FluxosDoPdf(documento(false));
  const auto porTexto = FluxosDoPdf(documento(true));
  ASSERT_GE(porTexto.size(), 5u);  // a page and the four fonts at least
  ASSERT_EQ(porGlifos.size(), porTexto.size());
  for (size_t i = 0; i < porTexto.size(); ++i) {
    EXPECT_EQ(porGlifos[i].toStdString(), porTexto[i].toStdString()) << "stream " << i;
  }
}

// Every glyph of a PDF's pages where the reader puts it: the text position of
// each text object, moved by every "Td", on the 1/64 unit grid glyphs sit on.
std::vector<std::tuple<long, long, std::string>> GlifosDoPdf(const QByteArray& pdf) {
  std::vector<std::tuple<long, long, std::string>> glifos;
  const std::regex objeto(R"(BT\n([^]*?)ET)");
  const std::regex glifo(R"((\S+) (\S+) Td <([0-9A-F]+)> Tj)");
  for (const QByteArray& fluxo : FluxosDoPdf(pdf)) {
    const std::string texto = fluxo.toStdString();
    for (std::sregex_iterator o(texto.begin(), texto.end(), objeto), fim; o != fim; ++o) {
      const std::string corpo = (*o)[1];
      double x = 0, y = 0;
      for (std::sregex_iterator g(corpo.begin(), corpo.end(), glifo); g != fim; ++g) {
        x += std::stod((*g)[1]);
        y += std::stod((*g)[2]);
        glifos.emplace_back(std::lround(x * 64), std::lround(y * 64), (*g)[3]);
      }
    }
  }
  std::sort(glifos.begin(), glifos.end());
  return glifos;
}

// On a PDF the words of a justified line go out together, and every glyph
// still lands where it would have drawn word by word.
TEST(MesmasPaginas, NoPdfALinhaJuntaPoeCadaGlifoOndeAsPalavrasSoltas) {
  struct PalavraAPalavra : SuperficieQPainter {
    using SuperficieQPainter::SuperficieQPainter;
    void PrintLinha(std::span<const PecaDaLinha> pecas) override {
      SuperficieDeDesenho::PrintLinha(pecas);
    }
  };
  auto documento = [](bool junta) {
    return PdfDesenhado([&](QPainter& painter) {
      std::unique_ptr<SuperficieQPainter> s =
          junta ? std::make_unique<SuperficieQPainter>(painter, 300 / 25.4, 200, 280)
                : std::make_unique<PalavraAPalavra>(painter, 300 / 25.4, 200, 280);
      const Fonte fontes[] = {{"Times New Roman", false, false, 12}, {"Arial", false, true, 10},
                              {"Courier New", true, false, 14}};
      double y = 10;
      for (const Fonte& f : fontes) {
        s->SetFonte(f);
        std::string texto =
            "AVATAR Tomé, Wagner e a eficácia: «Yvonne» já viu o fiel  Ywy. To, Te, Ta; "
            "ação, coração e atenção ficam juntas neste parágrafo justificado e longo, "
            "com espaços  dobrados e palavras de todo tamanho, como extraordinariamente.";
        ImprimirTextoJustificado(*s, y, 12.3457, 121.0049, 270, texto);
        y = s->CurrentY + 12;
      }
    });
  };
  const auto juntos = GlifosDoPdf(documento(true));
  const auto soltos = GlifosDoPdf(documento(false));
  ASSERT_GT(soltos.size(), 300u);
  ASSERT_EQ(juntos.size(), soltos.size());
  for (size_t i = 0, erros = 0; i < soltos.size() && erros < 5; ++i) {
    if (juntos[i] == soltos[i]) continue;
    ++erros;
    ADD_FAILURE() << std::get<0>(soltos[i]) << "," << std::get<1>(soltos[i]) << " "
                  << std::get<2>(soltos[i]) << " / " << std::get<0>(juntos[i]) << ","
                  << std::get<1>(juntos[i]) << " " << std::get<2>(juntos[i]);
  }
}

// Measured on a printer or PDF (from the glyphs it will draw), a text has the
// very width Qt's font metrics give it: words never measured before, with
// and without a closing space, and texts longer than a word.
TEST(MesmasPaginas, NoPdfALarguraEhADasMetricasDaFonte) {
  PdfDesenhado([](QPainter& painter) {
    SuperficieQPainter s(painter, 300 / 25.4, 200, 280);
    std::mt19937 sorte(71);
    const std::u32string letras = U"AVTWYLPFaeoyvwrtçãéôõ.,";
    for (const Fonte& f : {Fonte{"Times New Roman", false, false, 12},
                           Fonte{"Arial", true, true, 9}, Fonte{"Courier New", false, false, 16}}) {
      s.SetFonte(f);
      const QFontMetricsF metricas(painter.font());
      for (const size_t tamanho : {1u, 2u, 5u, 9u, 39u, 45u, 120u}) {
        for (const char32_t fim : {U'x', U' '}) {
          std::u32string texto;
          while (texto.size() + 1 < tamanho) texto += letras[sorte() % letras.size()];
          texto += fim;
          const QString qt = QString::fromUcs4(texto.data(), static_cast<qsizetype>(texto.size()));
          EXPECT_EQ(s.TextWidth(std::u32string_view(texto)),
                    metricas.horizontalAdvance(qt) / SuperficieQPainter::kUnidadesPorMm)
              << f.Nome << " \"" << Utf8(texto) << "\"";
        }
      }
    }
  });
}

TEST(MesmasPaginas, AnalisePadraoNaTelaENoPapel) {
  const auto g = GravaAnalisePadrao();
  EXPECT_GT(g.size(), 5000u);
  Compara(g, "analise_padrao.gravacao");
}

TEST(MesmasPaginas, TextosAleatorios) {
  const auto g = GravaTextosAleatorios();
  EXPECT_GT(g.size(), 2000u);
  Compara(g, "textos_aleatorios.gravacao");
}

}  // namespace
}  // namespace cifra
