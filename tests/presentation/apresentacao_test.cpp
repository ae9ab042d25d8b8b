// What the pages show: the export text and HTML, pictures greyed for black
// and white, the document's page and zoom, damaged settings reaching the
// pages bounded, and the page composer on the measuring surface.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QPainter>
#include <cstring>
#include <limits>
#include <sstream>

#include "apoio/executa.h"
#include "apoio/pasta_temporaria.h"
#include "linha_comando/linha_comando.h"
#include "presentation/compositor.h"
#include "presentation/documento.h"
#include "presentation/exportacao.h"
#include "presentation/figuras.h"
#include "engine/numerologia.h"
#include "superficie_teste.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::Cenario;

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
            "Número B: 7\r\n\r\nTexto B.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
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
            "<p><b>Número do Destino: 11</b></p>\n"
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
  const auto r = teste::Executa({"Maria da Silva", "12/08/1978", "--pasta", raiz.Caminho().string(), "--pdf", (raiz / "a.pdf").string()});
  EXPECT_TRUE(r.status == 0 && r.erros.find("usa as margens padrão") != std::string::npos) << r.erros;
  EXPECT_EQ(teste::LeBytes(raiz / "margens.dat"), registro);
}

// The stored order as far as it is valid: 23 first, then 5 (again: skipped),
// numbers outside the catalogue, 1; the rest follows in number order, which
// brings 30 last.
TEST(Compositor, AOrdemGuardadaDecideASequenciaDosTopicos) {
  Cenario c({1, 5, 23, 30});
  c.ordem = {0, 23, 5, 5, 99, -1, 1};
  auto folhas = c.Compoe();
  std::vector<std::string> titulos;
  for (const auto& t : folhas.Pagina(1).textos) {
    if (t.texto.starts_with("Titulo ")) titulos.push_back(t.texto);
  }
  EXPECT_EQ(titulos, (std::vector<std::string>{"Titulo 23", "Titulo 5", "Titulo 1", "Titulo 30"}));
}

// Asked for, the header is on every page, and the text goes on below it;
// on the first page only (the default), footers and page numbers on all,
// the recorded pages pin.
TEST(Compositor, CabecalhoEmTodasAsPaginasQuandoPedido) {
  Cenario c({1}, 100);
  c.opcoes.ImprimirCabecalho = true;
  auto folhas = c.Compoe();
  ASSERT_EQ(folhas.size(), 3u);
  for (int p = 2; p <= 3; ++p) {
    EXPECT_TRUE(folhas.Pagina(p).Texto("Cabecalho")) << p;
    ASSERT_TRUE(folhas.Pagina(p).Texto("L", true));
    EXPECT_EQ(folhas.Pagina(p).Texto("L", true)->y, 32) << p;
  }
}

// Topic 1 with n one-line paragraphs: title at 32, text from 44, the last
// line at 44 + 6 (n - 1); the separator 11 below it, the next title 8 further.
TEST(Compositor, QuebrasDeTituloEDivisoriaPertoDoLimite) {
  struct Caso {
    int n;
    int paginaDivisoria, paginaTitulo2;
    double yDivisoria, yTitulo2, yTexto2;  // Texto 2 is always on page 2
  };
  const Caso casos[] = {
      {34, 1, 1, 253, 261, 5},  // title fits (261 + 7 <= 272), its text does not
      {35, 1, 2, 259, 5, 17},   // title at 267 would pass 272
      {36, 1, 2, 265, 5, 17},   // separator still fits: 265 + 5 <= 272
      {37, 2, 2, 5, 13, 25},    // separator at 271 would leave less than 5 mm
  };
  for (const Caso& k : casos) {
    Cenario c({2, 1}, k.n);
    auto folhas = c.Compoe();
    ASSERT_EQ(folhas.size(), 2u);
    const auto& divisoria = folhas.Pagina(k.paginaDivisoria).figuras[k.paginaDivisoria == 1];
    EXPECT_EQ(divisoria.texto, ":/t/divisoria");
    EXPECT_EQ(divisoria.y, k.yDivisoria) << k.n;
    ASSERT_TRUE(folhas.Pagina(k.paginaTitulo2).Texto("Titulo 2")) << k.n;
    EXPECT_EQ(folhas.Pagina(k.paginaTitulo2).Texto("Titulo 2")->y, k.yTitulo2) << k.n;
    ASSERT_TRUE(folhas.Pagina(2).Texto("Texto 2")) << k.n;
    EXPECT_EQ(folhas.Pagina(2).Texto("Texto 2")->y, k.yTexto2) << k.n;
  }
}

// The band right of the header picture runs from 10 + 24 to the width less
// 10: on a page 200 mm wide 156 mm, 111 characters at 14 points and 78 at 20
// on the test surface; 120 mm wide, 76 mm. A longer header line is set
// smaller until it fits; a longer name too, down to 10 points, and then goes
// on over lines about as long as each other (a word wider than the band is
// broken between letters); the header grows by the lines beyond the first.
TEST(Compositor, CabecalhoNomeERodapeLongosCabemNaPagina) {
  const std::string real = "MARIA APARECIDA DE FÁTIMA CONCEIÇÃO DOS SANTOS OLIVEIRA PEREIRA DA SILVA "
                           "ALBUQUERQUE CAVALCANTI LIMA";  // 100 characters
  const std::string emes(100, 'M');
  struct Caso {
    double largura;
    std::string nome;
    int tamanho;
    size_t linhas;
    std::string primeira{};  // the name's first line, when it matters
  };
  const Caso casos[] = {
      {200, std::string(120, 'N'), 13, 1},  // 156 mm, just the band
      {200, emes, 14, 1},
      {120, emes, 10, 2, std::string(50, 'M')},  // as even as can be
      {120, real, 10, 2},
      {120, std::string(70, 'A') + " " + std::string(29, 'B'), 10, 2, std::string(70, 'A')},  // not broken to be even
      {200, real + " e " + emes, 10, 2},    // the compatibility's two people
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nome);
    Cenario c({1});
    c.linhas.LinhaCabecalho = std::string(198, 'C');
    c.analise.NomeExibido = k.nome;
    teste::FolhasDeTeste folhas(k.largura, 297);
    ComporAnalise(c.Conteudo(), GeometriaDaTela(k.largura), folhas);
    const auto& p = folhas.Pagina(1);
    ASSERT_FALSE(p.barras.empty());
    const double regua = p.barras[0].y;
    EXPECT_EQ(regua, 5 + 24 + std::max(0.0, static_cast<double>(k.linhas) * k.tamanho / 2 - 7));
    EXPECT_EQ(p.figuras[0].texto, ":/t/signo");
    std::string nome, esperado;
    size_t linhas = 0;
    for (const auto& t : p.textos) {
      if (t.y >= regua) break;
      const double fim = t.x + static_cast<double>(Utf32(t.texto).size()) * t.fonte.Tamanho / 10;
      EXPECT_GE(t.x, 10 + 24 - 1e-9) << t.texto;
      EXPECT_LE(fim, k.largura - 10 + 1e-9) << t.texto;
      EXPECT_LE(t.y + t.fonte.Tamanho / 2.0, regua) << t.texto;
      if (t.fonte.Tamanho == k.tamanho) {
        if (linhas == 0 && !k.primeira.empty()) {
          EXPECT_EQ(t.texto, k.primeira);
        }
        nome += t.texto;
        ++linhas;
      }
    }
    for (char ch : k.nome) {
      if (ch != ' ') esperado += ch;
    }
    std::erase(nome, ' ');
    EXPECT_EQ(nome, esperado);
    EXPECT_EQ(linhas, k.linhas);
    ASSERT_TRUE(p.Texto("Titulo 1"));
    EXPECT_EQ(p.Texto("Titulo 1")->y, regua + 3);  // the body below the grown header
  }
  Cenario c({1});
  c.linhas.LinhaCabecalho = std::string(198, 'C');
  EXPECT_EQ(c.Compoe().Pagina(1).Texto(c.linhas.LinhaCabecalho)->fonte.Tamanho, 7);  // 138.6 mm

  // Footer lines never reach the page number: smaller type down to 6
  // points, then cut. The number "1" (16 points) stands at 190 - 1.6.
  c.linhas.LinhaRodapeUm = std::string(150, 'R');
  c.linhas.LinhaRodapeDois = std::string(400, 'D');
  auto outras = c.Compoe();
  const auto& q = outras.Pagina(1);
  const auto* um = q.Texto("R", true);
  const auto* dois = q.Texto("D", true);
  const auto* numero = q.Texto("1");
  ASSERT_TRUE(um && dois && numero);
  EXPECT_EQ(um->texto, c.linhas.LinhaRodapeUm);
  EXPECT_EQ(um->fonte.Tamanho, 11);  // 150 characters in 176.4 mm
  EXPECT_EQ(dois->fonte.Tamanho, 6);
  EXPECT_TRUE(dois->texto.ends_with("…"));
  for (const auto* linha : {um, dois}) {
    const double largura = static_cast<double>(Utf32(linha->texto).size()) * linha->fonte.Tamanho / 10;
    EXPECT_LE(linha->x + largura, numero->x - 3 + 1e-9) << linha->texto;
  }
}

}  // namespace
}  // namespace cifra
