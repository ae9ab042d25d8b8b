// Printing: the print dialog's rules without its window, the numerology chart
// and the print job, on the measuring surface and on real PDF devices.
#include <gtest/gtest.h>

#include <QPrinter>
#include <map>
#include <regex>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "engine/numerologia.h"
#include "linha_comando/linha_comando.h"
#include "presentation/superficie_teste.h"
#include "printing/impressao.h"
#include "printing/impressora.h"
#include "printing/lote.h"
#include "printing/imprimir.h"
#include "printing/quadro.h"

namespace cifra {
namespace {
using teste::Cenario;

// A typed margin is read from the start of its text; on a usable page 203 mm
// wide and 280 mm high, 40.6 mm is the most for the left and right margins
// and 56 mm for the top and bottom ones, said rounded down.
TEST(MargemDigitada, LidaDoInicioERecusadaAcimaDeUmQuintoDaPagina) {
  const std::pair<const char*, double> lidas[] = {{"12.5", 12.5}, {"  7", 7}, {"15 mm", 15}, {"3.25.7", 3.25},
                                                  {"-4", -4},     {".5", 0.5}, {"abc", 0},    {"", 0},
                                                  {"-", 0},       {"1e3", 1},  {"12,5", 12.5}, {"12,5.3", 12.5}};
  for (const auto& [texto, valor] : lidas) EXPECT_DOUBLE_EQ(LeNumeroInicial(texto), valor) << '"' << texto << '"';
  struct Caso { LadoDaMargem lado; const char* texto; const char* recusa; };  // recusa nullptr: accepted
  const Caso casos[] = {
      {LadoDaMargem::Direita, "40.6", nullptr},
      {LadoDaMargem::Direita, "40.61", "A margem direita não pode ser maior que 40mm"},
      {LadoDaMargem::Superior, "56", nullptr},
      {LadoDaMargem::Superior, "56.001", "A margem superior não pode ser maior que 56mm"},
      {LadoDaMargem::Esquerda, "-30", "A margem esquerda não pode ser negativa"},
      {LadoDaMargem::Direita, "40,61", "A margem direita não pode ser maior que 40mm"},  // a decimal comma
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(RecusaDaMargem(c.lado, c.texto, 203, 280).value_or("aceita"), c.recusa ? c.recusa : "aceita") << c.texto;
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

  // The header's bar 36 mm of page below its top edge, the footer's 17 mm
  // above the bottom; the picture at the margin, the title centred right of it.
  ASSERT_EQ(s.barras.size(), 2u);
  ASSERT_EQ(s.figuras.size(), 1u);
  const auto* titulo = s.Texto("Cifralumina");
  ASSERT_TRUE(titulo);
  const double esperado[] = {2, 9, 70 - 17 * 0.25, 2.4, 3, 6.4 + (32 - 5.5) / 2, 3.5};
  const double medido[] = {s.barras[0].x, s.barras[0].y, s.barras[1].y, s.figuras[0].x, s.figuras[0].y, titulo->x, titulo->y};
  for (size_t i = 0; i < std::size(esperado); ++i) EXPECT_NEAR(medido[i], esperado[i], 1e-9) << i;
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

// Maria da Silva, born 12/08/1978; numbers chosen to cover the display forms:
// master numbers, the "no challenge" marker, the first vowel's letter.
Analise AnaliseDeMaria() {
  Analise a;
  a.NomeCompleto = "MARIA DA SILVA";
  a.DataNascimento = "12/08/1978";
  const std::map<int, std::string> numeros = {
      {1, "9"},  {2, "8"},  {3, "3"},  {4, "7"},  {5, "3"},  {6, "1"},  {7, "8"},  {8, "11"},
      {9, "1"},  {10, "3"}, {11, "6"}, {12, "2"}, {13, "5"}, {14, "3"}, {15, "89"}, {16, "4"},
      {17, "8"}, {18, "2"}, {19, "3"}, {20, "7"}, {21, "22"}, {22, "5"}, {23, "2"},  {24, "4"},
      {25, "7"}, {26, "A"}, {27, "1"}, {28, "11"}, {29, "6"}, {30, "0"}};
  for (const auto& [t, n] : numeros) a.ResultadoAnalise[t].Numero = n;
  return a;
}

ProgramOptions TodosOsTopicos() {
  ProgramOptions o;
  o.TopicoAtivo.fill(true);
  return o;
}

struct Quadro {
  ConteudoDaAnalise conteudo;
  GeometriaDaPagina papel = GeometriaDoPapel(210, 297, Margens{});
  teste::SuperficieDeTeste s{210, 297};

  explicit Quadro(const ProgramOptions& o, Fontes fontes = {}, Analise analise = AnaliseDeMaria(),
                  Data hoje = {6, 12, 2026})
      : conteudo{std::move(analise), o, fontes, LinhasRodape{}, Figura::DoRecurso("signo"),
                 Figura()} {
    conteudo.linhas.LinhaRodapeUm = "Rodapé um";
    DesenhaQuadroNumerologico(s, conteudo, papel, hoje);
  }
};

// Clara Rocha Mendes, born 16/01/1955, on 07/12/2026: she turned 71 in
// January. C L A R A  R O C H A  M E N D E S: vowels 19, consonants 49,
// together 68 → 14; life path 1972 → 19 → 10; the day 16 is a debt too.
// (Where the life line's stretches begin and end, the recorded chart shows.)
TEST(QuadroNumerologico, IdadeDividasETopicosDesligadosDeUmaPessoaCalculadaAMao) {
  teste::PastaTemporaria pasta;  // no texts are needed
  const Data hoje{7, 12, 2026};
  const ProgramOptions todos = TodosOsTopicos();
  const Analise a = MontaAnalise({U"CLARA ROCHA MENDES", {16, 1, 1955}}, hoje, todos, {}, PastaDeDados(pasta.Caminho()));
  const QuadroNumerologico q = MontaQuadro(a, todos, hoje);
  EXPECT_EQ(q.linhaDaVida.idadeHoje, 71);
  EXPECT_EQ(q.linhaDaVida.anoDeNascimento, 1955);
  // The debts' row (the rows without debts the recorded chart shows): a debt
  // from two origins once, with both.
  ASSERT_EQ(q.carmico.size(), 4u);
  EXPECT_EQ(q.carmico[3].rotulo, "Dívidas Cármicas");
  EXPECT_EQ(q.carmico[3].numeros, (std::vector<NumeroCarmico>{{"19", "Caminho da Vida, Impulso da Alma"},
                                   {"14", "Número da Expressão"}, {"13", "Eu Silencioso"}, {"16", "Dia do Nascimento"}}));

  // A topic switched off keeps its stretch without a number; a row with all
  // its topics off is left out. The karmic map does not depend on the options.
  ProgramOptions algumas = todos;
  algumas.IncluirMapaCarmico = false;
  for (int t : {2, 3, 4, 9}) algumas.TopicoAtivo[t] = false;
  const QuadroNumerologico sem = MontaQuadro(a, algumas, hoje);
  EXPECT_TRUE(sem.linhaDaVida.ciclos.empty());
  ASSERT_EQ(sem.linhaDaVida.realizacoes.size(), 4u);
  EXPECT_EQ(sem.linhaDaVida.realizacoes[1].numero, "");
  EXPECT_EQ(sem.linhaDaVida.realizacoes[1].inicio, 35);
  EXPECT_EQ(sem.carmico[3].numeros.size(), 4u);
}

// The body within the margins and above the footer, even when the fonts are
// too large for it or the name is as long as a name may be: those are made
// smaller together. No text overlaps another or crosses a line drawn down
// the page (the timeline's stretches and today's mark, the square's cells).
// Today's mark hangs from today's age, at its place among the ages, at the
// end for an age past 90.
TEST(QuadroNumerologico, CabeComFontesGrandesESemOsTopicosDesligados) {
  Fontes grandes;
  grandes.FonteTitulo.Tamanho = 30;
  grandes.FonteDescricao.Tamanho = 24;
  grandes.FonteTexto.Tamanho = 28;
  Analise longa = AnaliseDeMaria();
  longa.DataNascimento = "16/01/1955";
  longa.NomeCompleto = "CLARA ROCHA MENDES";
  while (longa.NomeCompleto.size() < 95) longa.NomeCompleto += " DE ALBUQUERQUE";
  longa.NomeCompleto.resize(100);
  // As long as a name may be, in the widest letters or wide ones with accents.
  auto comNome = [](const std::string& completo, const std::string& exibido) {
    Analise a = AnaliseDeMaria();
    a.NomeCompleto = completo;
    a.NomeExibido = exibido;
    return a;
  };
  const Analise emes = comNome(std::string(100, 'M'), std::string(100, 'M'));
  const Analise largas = comNome(
      "JOSE WILLIAM MAXIMILIANO WANDERLEY DE MAGALHAES WERNECK MONTENEGRO MEDEIROS MARTINS MOREIRA WALMSLEY",
      "JOSÉ WILLIAM MAXIMILIANO WANDERLEY DE MAGALHÃES WERNECK MONTENEGRO MEDEIROS MARTINS MOREIRA WALMSLEY");
  struct Caso { Fontes fontes; Analise analise; Data hoje; int idade; };
  for (const Caso& c : {Caso{Fontes{}, AnaliseDeMaria(), {6, 12, 2026}, 48}, Caso{grandes, AnaliseDeMaria(), {6, 12, 2026}, 48},
                        Caso{Fontes{}, longa, {7, 12, 2026}, 71}, Caso{grandes, longa, {1, 2, 2050}, 95},
                        Caso{Fontes{}, emes, {6, 12, 2026}, 48}, Caso{grandes, emes, {6, 12, 2026}, 48},
                        Caso{grandes, largas, {6, 12, 2026}, 48}}) {
    SCOPED_TRACE(c.analise.NomeCompleto + " " + std::to_string(c.fontes.FonteTexto.Tamanho));
    const Quadro q(TodosOsTopicos(), c.fontes, c.analise, c.hoje);
    const auto* titulo = q.s.Texto(kTituloDoQuadro);
    ASSERT_TRUE(titulo);
    // Every letter of the name, in order, in the name's rows (the header is
    // the analysis pages' own, fitted as the composer's test shows).
    std::string letras, esperado;
    bool noNome = false;
    for (const auto& t : q.s.textos) {
      if (t.texto.starts_with("Vogais:")) break;
      if (noNome && !std::isdigit(static_cast<unsigned char>(t.texto[0]))) letras += t.texto;
      noNome = noNome || t.texto == "O Nome Letra por Letra";
    }
    for (char ch : c.analise.NomeExibido.empty() ? c.analise.NomeCompleto : c.analise.NomeExibido) {
      if (ch != ' ') esperado += ch;
    }
    EXPECT_EQ(letras, esperado);
    for (const char* secao : {"Linha da Vida", "O Nome Letra por Letra", "Mapa Cármico", "Dívidas Cármicas:"}) {
      EXPECT_TRUE(q.s.Texto(secao)) << secao;
    }
    auto largura = [](const teste::Desenhado& t) { return Utf32(t.texto).size() * t.fonte.Tamanho / 10.0; };
    std::vector<const teste::Desenhado*> corpo;
    for (const auto& t : q.s.textos) {
      if (t.y < titulo->y || t.y > q.papel.Altura - 10 - 12) continue;  // header and footer
      corpo.push_back(&t);
      EXPECT_LE(t.y + t.fonte.Tamanho / 2.0, q.papel.LimiteInferior) << t.texto;
      EXPECT_GE(t.x, 12 - 1e-9) << t.texto;
      EXPECT_LE(t.x + largura(t), 198 + 1e-9) << t.texto;
    }
    for (const auto& r : q.s.cinzas) EXPECT_LE(r.y + r.altura, q.papel.LimiteInferior);
    auto cruzam = [](double a0, double a1, double b0, double b1) { return a0 < b1 - 1e-6 && b0 < a1 - 1e-6; };
    for (size_t i = 0; i < corpo.size(); ++i) {
      const auto& a = *corpo[i];
      for (size_t j = i + 1; j < corpo.size(); ++j) {
        const auto& b = *corpo[j];
        EXPECT_FALSE(cruzam(a.x, a.x + largura(a), b.x, b.x + largura(b)) &&
                     cruzam(a.y, a.y + a.fonte.Tamanho / 2.0, b.y, b.y + b.fonte.Tamanho / 2.0))
            << '"' << a.texto << "\" and \"" << b.texto << '"';
      }
      for (const auto& barra : q.s.barras) {
        if (barra.largura > 1 || barra.altura < 3) continue;  // rules and ticks
        EXPECT_FALSE(cruzam(a.x, a.x + largura(a), barra.x, barra.x + barra.largura) &&
                     cruzam(a.y, a.y + a.fonte.Tamanho / 2.0, barra.y, barra.y + barra.altura))
            << '"' << a.texto << "\" crossed at x " << barra.x;
      }
    }
    const auto* hoje = q.s.Texto("Hoje: " + std::to_string(c.idade) + " anos");
    const auto* noventa = q.s.Texto("90");
    ASSERT_TRUE(hoje && noventa);
    const auto zero = std::find_if(q.s.textos.begin(), q.s.textos.end(),
                                   [&](const teste::Desenhado& t) { return t.texto == "0" && t.y == noventa->y; });
    ASSERT_NE(zero, q.s.textos.end());
    const auto marca = std::find_if(q.s.barras.begin(), q.s.barras.end(), [&](const teste::Desenhado& b) {
      return b.altura > 3 && std::abs(b.y - (hoje->y + hoje->fonte.Tamanho / 2.0)) < 1e-9;
    });
    ASSERT_NE(marca, q.s.barras.end());
    const double x0 = zero->x + largura(*zero) / 2, x90 = noventa->x + largura(*noventa) / 2;
    EXPECT_NEAR(marca->x + marca->largura / 2, x0 + (x90 - x0) * std::min(c.idade, 90) / 90.0, 1e-9);
  }
  // Topics switched off are left out, and so is a group with none left.
  ProgramOptions o = TodosOsTopicos();
  for (int t : {24, 29, 30}) o.TopicoAtivo[t] = false;
  const Quadro q(o, grandes);
  EXPECT_LT(q.s.Texto("Caminho da Vida")->fonte.Tamanho, 28);
  EXPECT_FALSE(q.s.Texto("Impulso da Alma"));
  EXPECT_FALSE(q.s.Texto("Números Definidos"));
  EXPECT_TRUE(q.s.Texto("Eu Silencioso") && q.s.Texto("Números do Nome"));
}

// A name keeps its accents in the file's name but loses what no file system
// takes (a slash would even name a folder), and control characters.
TEST(TrabalhoDeImpressao, NomeDoArquivoSemOQueOSistemaNaoAceita) {
  EXPECT_EQ(NomeDoPdf("JOÃO/SÁ: \"O\\Z*?<>|\t\x01", {6, 12, 2026}), "Analise - JOÃOSÁ OZ - 2026-12-06.pdf");
  EXPECT_EQ(NomeDoPdfDaPrevisao("ANA/LUZ", 2027, 2027), "Previsao - ANALUZ - 2027.pdf");
}

TEST(TrabalhoDeImpressao, PdfNumaPastaQueNaoExisteFalhaSemDeixarNada) {
  teste::PastaTemporaria pasta;
  EXPECT_EQ(GravarPdf((pasta / "nao" / "existe.pdf").string(), Cenario({1, 23}).Conteudo(), {}), 0);
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
    EXPECT_EQ(ImprimirNaImpressora(impressora, Cenario({1, 23}).Conteudo(), opcoes), 2);
    EXPECT_EQ(impressora.colorMode(), pretoEmBranco ? QPrinter::GrayScale : QPrinter::Color);
  }
}

// The command line on a real PDF device: --quadro is the chart alone; --pdf
// prints what the kept TipoImpressao says (0 the chart, 1 the analysis, 2
// both), as the dialog would. Where the cover goes and which sheets carry a
// number, the recorded A4 pages pin.
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
