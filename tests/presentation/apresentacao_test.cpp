// What the pages show besides the layout: the export text and HTML, pictures
// greyed for black and white, the document's page and zoom, and damaged
// settings reaching the pages bounded.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QPainter>
#include <cstring>
#include <limits>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "linha_comando/linha_comando.h"
#include "presentation/compositor.h"
#include "presentation/documento.h"
#include "presentation/exportacao.h"
#include "presentation/figuras.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;

// Topics 1, 15, 26 and 30 filled in; the text written out by hand.
TEST(Exportacao, TextoEscritoAMao) {
  Analise a;
  a.ResultadoAnalise[1] = {"Caminho", "Curta", "Texto um.\r\nDois.", "11"};
  a.ResultadoAnalise[15] = {"Adicional", "Descrição longa", "Não aparece.", "89"};
  a.ResultadoAnalise[26] = {"Vogal", "Descrição da vogal", "Texto da vogal.", "A"};
  a.ResultadoAnalise[30] = {"Número B", "", "Texto B.", "7"};
  ProgramOptions o;
  o.TopicoAtivo.fill(false);
  for (int t : {1, 15, 26, 30}) o.TopicoAtivo[t] = true;
  o.ImprimirDescricao = o.ImprimirNumero = true;
  EXPECT_EQ(TextoDaAnalise(a, o, OrdemPadrao()),
            "Caminho Número 11\r\n\r\nTexto um.\r\nDois.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"
            "Descrição da vogal\r\n\r\nVogal Letra A\r\n\r\nTexto da vogal.\r\n\r\n"
            "-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"
            "Número B Número 7\r\n\r\nTexto B.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
  o.ImprimirDescricao = o.ImprimirNumero = o.TopicoAtivo[26] = o.TopicoAtivo[30] = false;
  EXPECT_EQ(TextoDaAnalise(a, o, OrdemPadrao()), "Caminho\r\n\r\nTexto um.\r\nDois.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
  // The HTML flavour keeps the structure a word processor needs.
  o.TopicoAtivo = {};
  o.TopicoAtivo[1] = o.TopicoAtivo[2] = o.ImprimirNumero = o.ImprimirDescricao = true;
  a.ResultadoAnalise[1] = {"Número do Destino", "Uma descrição <longa>.",
                           "Primeiro parágrafo\r\ncontinua.\r\n\r\nSegundo & último.", "11"};
  a.ResultadoAnalise[2] = {"Título", "abc", "Só isto.", "7"};
  EXPECT_EQ(HtmlDaAnalise(a, o, OrdemPadrao()),
            "<html><head><meta charset=\"utf-8\"></head><body>\n"
            "<p><i>Uma descrição &lt;longa&gt;.</i></p>\n"
            "<p><b>Número do Destino Número 11</b></p>\n"
            "<p>Primeiro parágrafo<br>continua.</p>\n"
            "<p>Segundo &amp; último.</p>\n"
            "<p>-=-=-=-=-=-=-=-=-=-=-</p>\n"
            "<p><b>Título Número 7</b></p>\n"
            "<p>Só isto.</p>\n"
            "<p>-=-=-=-=-=-=-=-=-=-=-</p>\n"
            "</body></html>\n");
}

// Black and white: a picture is greyed as drawn, whatever way its colours are
// written (red by name and blue by rgb() in an SVG, the same in a PNG).
TEST(PretoEBranco, CoresDeQualquerFormaViramCinza) {
  const QByteArray svg =
      R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">)svg"
      R"svg(<rect x="0" y="0" width="20" height="15" fill="red"/>)svg"
      R"svg(<rect x="20" y="0" width="20" height="15" style="fill:rgb(0,0,255)"/></svg>)svg";
  QImage png(40, 20, QImage::Format_ARGB32);
  png.fill(Qt::transparent);  // a transparent strip at the bottom
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 40; ++x) png.setPixelColor(x, y, x < 20 ? QColor(255, 0, 0) : QColor(0, 0, 255));
  }
  teste::PastaTemporaria raiz;
  ASSERT_TRUE(png.save(QString::fromStdString((raiz / "figura.png").string())));
  for (const Figura& f : {Figura::DeSvg(svg, "svg"), Figura::DoArquivo((raiz / "figura.png").string())}) {
    SCOPED_TRACE(f.Nome());
    const auto desenhada = [&](bool cinza) {
      QImage img(40, 20, QImage::Format_RGB32);
      img.fill(Qt::white);
      QPainter p(&img);
      f.Desenha(p, QRectF(0, 0, 40, 20), cinza);
      p.end();
      return img;
    };
    EXPECT_EQ(desenhada(false).pixelColor(10, 7), QColor(255, 0, 0));
    // Red and blue become their own greys (luma 76 and 29), never colours or
    // black; what the picture leaves transparent stays the white below.
    const QImage cinza = desenhada(true);
    EXPECT_EQ(cinza.pixelColor(10, 7), QColor(76, 76, 76));
    EXPECT_EQ(cinza.pixelColor(30, 7), QColor(29, 29, 29));
    EXPECT_EQ(cinza.pixelColor(10, 18), QColor(Qt::white));
  }
}

// An observer may leave while it hears a change (a viewer closing as its page
// turns); the others still hear it, and a page already shown is not announced
// again. The zoom steps round to the table and stop at its ends; fitting the
// width never goes past them either.
TEST(Documento, ObservadorPodeSairEnquantoOuveEZoomNosLimites) {
  PaginasDaTela paginas;
  paginas.picFolha.resize(3);
  DocumentoDaAnalise d({U"MARIA DA SILVA", {12, 8, 1978}}, Analise{}, std::move(paginas));
  struct Registro : ObservadorDoDocumento {
    std::vector<std::pair<int, int>> mudancas;
    DocumentoDaAnalise* sai = nullptr;
    void PaginaAtualMudou(int anterior, int atual) override {
      mudancas.emplace_back(anterior, atual);
      if (sai) sai->RemoveObservador(this);
    }
  } fica, sai;
  sai.sai = &d;
  d.AdicionaObservador(&sai);
  d.AdicionaObservador(&fica);
  d.AdicionaObservador(&fica);  // once is enough
  EXPECT_TRUE(d.ExibePagina(1));
  EXPECT_FALSE(d.ExibePagina(1));
  EXPECT_TRUE(d.Avanca());
  EXPECT_EQ(fica.mudancas, (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}}));
  EXPECT_EQ(sai.mudancas.size(), 1u);

  EXPECT_NEAR(ZoomVizinho(1.05, -1), 1.0, 1e-9);
  EXPECT_NEAR(ZoomVizinho(5.0, +1), 5.0, 1e-9);
  EXPECT_NEAR(ZoomVizinho(0.1, +1), 0.25, 1e-9);
  const double ppm = 96 / 25.4;  // a common screen: 800 pixels less two margins of 16 over 210 mm
  EXPECT_NEAR(ZoomQuePreencheLargura(800, ppm, 16), 768 / (210 * ppm), 1e-9);
  EXPECT_DOUBLE_EQ(ZoomQuePreencheLargura(10, ppm, 16), kZoomMinimo);
  EXPECT_DOUBLE_EQ(ZoomQuePreencheLargura(100000, ppm, 16), kZoomMaximo);
}

// A header picture file is whatever the operator typed: only a regular,
// readable picture of sane size is drawn; anything else leaves the header
// without a picture and says why, and nothing can block the program.
TEST(ImagemDoCabecalho, SoUmArquivoComumDeTamanhoRazoavel) {
  teste::PastaTemporaria raiz;
  ASSERT_EQ(::mkfifo((raiz / "fila.png").c_str(), 0600), 0);
  teste::EscreveBytes(raiz / "lixo.png", teste::Bytes("isto não é uma imagem"));
  {
    std::ofstream grande(raiz / "grande.png", std::ios::binary);
    grande.seekp(kMaiorArquivoDeImagem);  // a hole: big on paper, nothing on disk
    grande.put('\0');
  }
  teste::EscreveBytes(raiz / "boa.svg", teste::Bytes("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'>"
                                                     "<rect width='4' height='4' fill='#f00'/></svg>"));
  const std::pair<const char*, const char*> casos[] = {
      {"fila.png", "não é um arquivo comum"}, {"nao-existe.png", "não pôde ser aberta"},
      {"grande.png", "grande demais"},        {"lixo.png", "não é uma imagem"},
      {"boa.svg", nullptr}};
  for (const auto& [arquivo, motivo] : casos) {
    ProgramOptions opcoes;
    opcoes.ImagemCabecalho = (raiz / arquivo).string();
    std::string problema;
    const Figura f = ImagemDoCabecalho(opcoes, "12/08/1978", FigurasDoPrograma(), &problema);
    EXPECT_EQ(f.Vazia(), motivo != nullptr) << arquivo;
    if (!motivo) {
      EXPECT_EQ(problema, "") << arquivo;
    } else {
      EXPECT_NE(problema.find(motivo), std::string::npos) << arquivo << ": " << problema;
      EXPECT_NE(problema.find(opcoes.ImagemCabecalho), std::string::npos) << problema;
    }
  }
}

// Margins that leave no page are replaced for the job by the defaults, the
// operator is told, and the file is reported, not rewritten.
TEST(PaginasComEntradasDanificadas, MargensQueNaoDeixamPaginaSaoAvisadas) {
  teste::PastaTemporaria raiz;
  const float margens[4] = {10, std::numeric_limits<float>::infinity(), 10, 150};
  std::vector<uint8_t> registro(168);
  std::memcpy(registro.data(), margens, sizeof margens);
  teste::EscreveBytes(raiz / "margens.dat", registro);
  std::ostringstream saida, erros;
  EXPECT_EQ(ExecutaAnalise({"Maria da Silva", "12/08/1978", "--pasta", raiz.Caminho().string(), "--pdf",
                            (raiz / "a.pdf").string()}, saida, erros), 0);
  EXPECT_NE(erros.str().find("usa as margens padrão"), std::string::npos) << erros.str();
  EXPECT_EQ(teste::LeBytes(raiz / "margens.dat"), registro);
}

}  // namespace
}  // namespace cifra
