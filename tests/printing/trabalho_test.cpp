// The print job for each choice of what to print: which sheets, in which
// order, and which of them carry a page number; on the measuring surface and
// on a real PDF device.
#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QPrinter>
#include <regex>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "presentation/superficie_teste.h"
#include "printing/impressao.h"
#include "printing/impressora.h"
#include "printing/quadro.h"
#include "linha_comando/linha_comando.h"

namespace cifra {
namespace {

// Two topics with short texts: the analysis takes exactly one page.
ConteudoDaAnalise ConteudoCurto() {
  Analise a;
  a.NomeCompleto = "MARIA DA SILVA";
  a.DataNascimento = "12/08/1978";
  for (int t : {1, 23}) {
    a.ResultadoAnalise[t].Titulo = "Tópico " + std::to_string(t);
    a.ResultadoAnalise[t].Numero = "7";
    a.ResultadoAnalise[t].Interpretacao = "Um texto curto de interpretação.";
  }
  ProgramOptions o;
  o.TopicoAtivo.fill(false);
  o.TopicoAtivo[1] = o.TopicoAtivo[23] = true;
  return {a, o, Fontes{}, LinhasRodape{}, Figura(), Figura()};
}

struct Caso {
  TipoDeImpressao tipo;
  bool capa;
  std::vector<char> folhas;  // 'C' cover, 'Q' chart, 'A' analysis page
};

const Caso kCasos[] = {
    {TipoDeImpressao::Quadro, false, {'Q'}},
    {TipoDeImpressao::Quadro, true, {'C', 'Q'}},
    {TipoDeImpressao::Analise, false, {'A'}},
    {TipoDeImpressao::Analise, true, {'C', 'A'}},
    {TipoDeImpressao::Ambos, false, {'Q', 'A'}},
    {TipoDeImpressao::Ambos, true, {'C', 'Q', 'A'}},
};

bool NumeroDePagina(const teste::Desenhado& t) {
  return t.fonte.Negrito && t.fonte.Tamanho == 16;
}

TEST(TrabalhoDeImpressao, FolhasDeCadaEscolhaNaSuperficieDeTeste) {
  const ConteudoDaAnalise c = ConteudoCurto();
  for (const Caso& caso : kCasos) {
    SCOPED_TRACE(static_cast<int>(caso.tipo) * 10 + caso.capa);
    teste::FolhasDeTeste folhas(200, 287);
    OpcoesDaImpressao opcoes{Margens{}, caso.capa, false, caso.tipo, {6, 12, 2026}};
    const int total = ComporImpressao(folhas, c, 200, 287, opcoes, Figura::DoRecurso("borda"),
                                      Figura::DoRecurso("capa"));
    ASSERT_EQ(total, static_cast<int>(caso.folhas.size()));
    ASSERT_EQ(folhas.size(), caso.folhas.size());
    for (int p = 1; p <= total; ++p) {
      const auto& pg = folhas.Pagina(p);
      std::vector<std::string> numeros;
      for (const auto& t : pg.textos) {
        if (NumeroDePagina(t)) numeros.push_back(t.texto);
      }
      switch (caso.folhas[static_cast<size_t>(p - 1)]) {
        case 'C':
          EXPECT_TRUE(pg.Texto("Numerológica"));
          EXPECT_TRUE(numeros.empty());
          EXPECT_TRUE(pg.barras.empty());  // no header, no footer
          break;
        case 'Q':
          EXPECT_TRUE(pg.Texto(kTituloDoQuadro));
          EXPECT_TRUE(numeros.empty());
          break;
        case 'A':
          EXPECT_TRUE(pg.Texto("Tópico 1", true));
          EXPECT_EQ(numeros, std::vector<std::string>{"1"});
          break;
      }
    }
  }
}

TEST(TrabalhoDeImpressao, PdfNumaPastaQueNaoExisteFalhaSemDeixarNada) {
  teste::PastaTemporaria pasta;
  EXPECT_EQ(GravarPdf((pasta / "nao" / "existe.pdf").string(), ConteudoCurto(), {}), 0);
  EXPECT_FALSE(std::filesystem::exists(pasta / "nao"));
}

// Black and white sets the printer to grey scale, colour to colour.
TEST(TrabalhoDeImpressao, PretoEBrancoOuColoridoNaImpressora) {
  teste::PastaTemporaria pasta;
  for (bool pretoEmBranco : {true, false}) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(QString::fromStdString((pasta / "i.pdf").string()));
    impressora.setColorMode(pretoEmBranco ? QPrinter::Color : QPrinter::GrayScale);
    OpcoesDaImpressao opcoes;
    opcoes.pretoEmBranco = pretoEmBranco;
    EXPECT_EQ(ImprimirNaImpressora(impressora, ConteudoCurto(), opcoes), 2);
    EXPECT_EQ(impressora.colorMode(), pretoEmBranco ? QPrinter::GrayScale : QPrinter::Color);
  }
}

// The command line on a real PDF device: --quadro is the chart alone; --pdf
// prints what the kept TipoImpressao says (0 the chart, 1 the analysis, 2
// both), as the dialog would. Which sheets carry which number is the
// measuring surface's test above: same composition.
TEST(TrabalhoDeImpressao, LinhaDeComandoQuadroEPdfConformeOTipoGuardado) {
  teste::PastaTemporaria pasta;
  std::vector<int> paginas;
  for (const int tipo : {-1, 0, 1, 2}) {
    if (tipo >= 0) {
      auto opcoes = teste::LeBytes(pasta / "cifralumina.dat");
      opcoes[162] = static_cast<uint8_t>(tipo);
      opcoes[163] = opcoes[6] = opcoes[7] = 0;  // no cover
      teste::EscreveBytes(pasta / "cifralumina.dat", opcoes);
    }
    const std::string pdf = (pasta / (std::to_string(tipo) + ".pdf")).string();
    std::ostringstream saida, erros;
    ASSERT_EQ(ExecutaAnalise({"Yvone Souza", "22/11/1984", "--pasta", pasta.Caminho().string(), "--hoje",
                              "06/12/2026", tipo < 0 ? "--quadro" : "--pdf", pdf}, saida, erros), 0) << erros.str();
    const std::string bytes = teste::LeTexto(pdf);
    const std::regex pagina("/Type\\s*/Page[^s]");
    paginas.push_back(static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), pagina), std::sregex_iterator())));
  }
  ASSERT_GT(paginas[2], 1);
  EXPECT_EQ(paginas, (std::vector<int>{1, 1, paginas[2], paginas[2] + 1}));
}

}  // namespace
}  // namespace cifra
