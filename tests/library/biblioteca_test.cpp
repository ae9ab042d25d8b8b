// The library's texts and files, the editors' rules and the house style of
// the default texts, without windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "analysis/analise.h"
#include "apoio/pasta_temporaria.h"
#include "engine/texto.h"
#include "library/catalogo.h"
#include "library/fonte_textos.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"
#include "library/padroes.h"
#include "library/windows1252.h"
#include "library/edicao.h"

namespace cifra {
namespace {
using teste::LeBytes;
using teste::PastaTemporaria;

// A shorter formula over a longer one: the file is never shortened, and the
// end code keeps the older tail out of the sum. The layout breaks paragraphs
// at CR LF only: every text is brought to CR LF where it enters the program.
TEST(ArquivosDaBiblioteca, FormulaSobreUmaMaisLongaETextosComCrLf) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {6, 12, 2026}, true};
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 0);  // missing file
  GravarFormula(pasta, kFormulaA, true, std::vector<int16_t>{8, 101, 5, 101, 3, 101, 4, 101, 7, 103});
  GravarFormula(pasta, kFormulaA, false, std::vector<int16_t>{10, 103});
  EXPECT_EQ(LeBytes(raiz / kFormulaA),
            (std::vector<uint8_t>{0xCA, 0, 10, 0, 103, 0, 5, 0, 101, 0, 3, 0, 101, 0, 4, 0,
                                  101, 0, 7, 0, 103, 0}));
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 3);  // 12 letters -> 3

  const std::pair<std::string_view, std::string_view> casos[] = {
      {"a\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"a\r\nb", "a\r\nb"}, {"a\r\rb", "a\r\n\r\nb"},
      {"a\n\r\nb", "a\r\n\r\nb"}, {"", ""}, {"a\tb\x01" "c\x7f", "a b c "}};
  for (const auto& [entrada, saida] : casos) EXPECT_EQ(ComQuebrasCrLf(entrada), saida) << entrada;
  EXPECT_EQ(LeFonteDeTextos("[1]\rUm\rDois\r\r[2]\rTres\r").at(1), "Um\r\nDois");
  teste::EscreveBytes(raiz / "CVIDA.DAT", teste::Bytes("Linha um\nLinha dois\rfim"));
  EXPECT_EQ(LeInterpretacao(pasta, 1, "CVIDA.DAT", false), "Linha um\r\nLinha dois\r\nfim");
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 2, "colado\nde outro programa");
  const auto b = LeBytes(raiz / "CVIDA.DAT");
  EXPECT_EQ(std::string(b.begin() + 5120, b.begin() + 5120 + 25), "colado\r\nde outro programa");
}

// The editor's items: the thirty topics, the four karmic parts, the map's
// description. What each button and command opens, by item (the window's
// test pins the realizations, the debts and the map's description).
TEST(Edicao, RegistroDeCadaEscolhaDoEditor) {
  constexpr int kLicoes = kTopicos, kTendencia = kTopicos + 1, kDividas = kTopicos + 3;
  struct Caso { int item, botao; TextoDaBiblioteca texto; };
  const Caso textos[] = {
      {0, 0, {"CVIDA.DAT", 1}},   {0, 9, {"CVIDA.DAT", 10}}, {0, 10, {"CVIDA.DAT", 11}},  // 11 is record 10, 22 record 11
      {5, 0, {"DESNASC.DAT", 2}}, {5, 10, {"DESNASC.DAT", 12}},  // the value 0 holds record 1
      {11, 8, {"DESVIDA.DAT", 1}}, {11, 0, {"DESVIDA.DAT", 2}},  // "Número 9" is the challenge 0
      {kLicoes, 0, {"LICOCARM.DAT", 1}}, {kLicoes, 8, {"LICOCARM.DAT", 9}}, {kLicoes, 9, {}},
      {kDividas, 0, {"DIVCARM.DAT", 1}}, {kDividas, 3, {"DIVCARM.DAT", 4}}, {kDividas, 4, {}},
  };
  for (const Caso& c : textos) {
    EXPECT_EQ(TextoDoBotao(c.item, c.botao), c.texto) << c.item << "/" << c.botao;
  }
  struct Outro { int item; TextoDaBiblioteca cabecalho, titulo; };
  const Outro outros[] = {
      {0, {"CDATA.DAT", 1}, {"Header.DAT", 1}},
      {2, {}, {}},  // the productive cycle: fixed comment, title written by the builder
      {5, {}, {"Header.DAT", 6}},
      {kLicoes, {"DESCCARM.DAT", 2}, {}},
      {kDividas, {"DESCCARM.DAT", 5}, {}},
      {kItemDescricaoDoMapa, {"DESCCARM.DAT", 1}, {}},
  };
  for (const Outro& o : outros) {
    EXPECT_EQ(CabecalhoDoItem(o.item), o.cabecalho) << o.item;
    EXPECT_EQ(TituloDoItem(o.item), o.titulo) << o.item;
  }
  const auto ultimo = [](int item) { return std::pair(BotoesDoItem(item).back().numero, BotoesDoItem(item).back().rotulo); };
  EXPECT_EQ(BotoesDoItem(kTendencia).size(), 9u);
  EXPECT_EQ(ultimo(kTendencia), std::pair(9, std::string("Número 9")));
  EXPECT_EQ(ultimo(0), std::pair(22, std::string("Especial Número 22")));
  EXPECT_TRUE(BotoesDoItem(kItemDescricaoDoMapa).empty());
  std::set<std::string> rotulos;
  for (int i = 0; i < kItensDoEditor; ++i) rotulos.insert(RotuloDoItem(i));
  EXPECT_EQ(rotulos.size(), static_cast<size_t>(kItensDoEditor));  // none twice
  EXPECT_EQ(rotulos.count(""), 0u);

  EXPECT_EQ(RegistroDoNumeroZero(6), 1);
  EXPECT_EQ(RegistroDoNumeroZero(12), 0);
  EXPECT_EQ(RegistroDoNaoPossui(15), 90);
  // Without master numbers an 11 or a 22 that reaches a file reads the text of 2 or 4.
  EXPECT_EQ(RegistroDoNumero(11, "INTEXEXP.DAT", false), 2);
  EXPECT_EQ(RegistroDoNumero(22, "CVIDA.DAT", false), 4);
  EXPECT_EQ(TopicoRealDoNome("Eu Silencioso"), 25);
  EXPECT_EQ(TopicoRealDoNome("O Eu Silencioso"), 0);  // the editor label is not a name
  // The count left: a line break takes two, an accented letter one. What
  // Windows-1252 cannot keep is named once each.
  EXPECT_EQ(CaracteresRestantes("ação\n", 120), 114);
  EXPECT_EQ(ListaDeCaracteres(CaracteresSemLugar("Olá, “ação” — € 😀 Ж e 😀 ★")), "“😀”, “Ж”, “★”");
}

// The default library must be complete: every record an analysis can read
// (up to `ultimo`; DESVIDA also holds 90, "no challenge") holds a text of a
// fitting length in words that fits its record in Windows-1252.
struct Exigencia {
  const char* codigo;
  int ultimo, minimoPalavras = 120, maximoPalavras = 400;
};
const Exigencia kExigencias[] = {
    {"CVIDA", 11},    {"CFORM", 11},    {"CPROD", 11},    {"CCOLH", 11},     {"APICES", 11},   {"INTANOUN", 11},
    {"INTMESUN", 11}, {"INTDIAUN", 11}, {"INTANOPS", 11}, {"INTMESPS", 11},  {"INTDIAPS", 11}, {"INTEXEXP", 11},
    {"IMPXALMA", 11}, {"EUXSILEN", 11}, {"INTNOME", 11},  {"INTREALI", 11},  {"DEFUSERA", 11}, {"DEFUSERB", 11},
    {"DESNASC", 10},  {"PRESNASC", 10}, {"INDSAUDE", 10}, {"DESVIDA", 9},    {"CDNAS", 9},     {"INTVOG", 6},
    {"CDATA", 15, 60, 200}, {"Header", 30, 1, 30}};

std::string Fonte(const std::string& codigo) {
  return teste::LeTexto(std::string(CIFRA_DADOS_DIR) + "/textos/" + codigo + ".txt");
}

TEST(BibliotecaPadrao, FontesCompletasEQueCabemNosRegistros) {
  std::set<std::string> vistos;
  for (const Exigencia& e : kExigencias) {
    SCOPED_TRACE(e.codigo);
    const auto registros = LeFonteDeTextos(Fonte(e.codigo));
    ASSERT_FALSE(registros.empty()) << "missing source";
    const size_t tamanho = TamanhoDoRegistroDe(std::string(e.codigo) + ".DAT");
    for (int n = 1; n <= e.ultimo + (std::string_view(e.codigo) == "DESVIDA"); ++n) {
      const int r = n > e.ultimo ? 90 : n;
      SCOPED_TRACE(r);
      const auto it = registros.find(r);
      ASSERT_NE(it, registros.end()) << "missing record";
      const std::string& texto = it->second;
      std::istringstream s(texto);
      const auto palavras = std::distance(std::istream_iterator<std::string>(s), std::istream_iterator<std::string>());
      EXPECT_TRUE(palavras >= e.minimoPalavras && palavras <= e.maximoPalavras) << palavras;
      EXPECT_TRUE(CodificavelEmWindows1252(texto));
      EXPECT_LE(ParaWindows1252(texto).size(), tamanho);
      EXPECT_EQ(texto.find("\r\n\r\n\r\n"), std::string::npos);
      EXPECT_TRUE(tamanho != kRegistroTexto || vistos.insert(texto).second) << "the same text twice";
    }
  }
}

// Installing never overwrites what the operator has, whatever its case, and
// a second run writes nothing.
TEST(BibliotecaPadrao, InstalacaoNaoSobrescreveOQueJaExiste) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  teste::EscreveBytes(raiz / "cvida.dat", teste::Bytes("meu texto"));
  EXPECT_EQ(InstalarPadroes(pasta).size() + 1, ArquivosPadrao().size());
  EXPECT_EQ(teste::LeBytes(raiz / "cvida.dat"), teste::Bytes("meu texto"));
  EXPECT_TRUE(std::filesystem::exists(raiz / "virafolh.wav"));
  EXPECT_EQ(LeInterpretacao(pasta, 22, "INTEXEXP.DAT", true), LeFonteDeTextos(Fonte("INTEXEXP")).at(11));
  EXPECT_TRUE(InstalarPadroes(pasta).empty());
}

// Editorial rules of the default texts, checked on the sources so that a new
// text that breaks one fails the build's tests, not the client's reading.
using Biblioteca = std::vector<std::pair<std::string, std::map<int, std::string>>>;

// Forms that address the reader as a man, and forms the house style replaced.
const char* const kFormasEvitadas[] = {
    "alguém o chama", "o conhece", "seja lembrado", "ser lembrado", "consigo mesmo",
    "a si mesmo",     "de si mesmo", "sozinho",     "fique atento", "é procurado",
    "seja procurado", "ser procurado", "o procurem", "lembre que",  "partilhar",
    "partilha",       "parceria à altura", "o torna", "o tornam", "sofrer calado",
    "parecer fraco",  "um agente",   "desconfiado", "amoroso"};

// The sentences of a text, each as its words in lower case joined by one
// blank. Sentences end at . ! ? ; : and at line breaks.
std::vector<std::string> Frases(const std::string& texto) {
  std::vector<std::string> frases(1);
  bool naPalavra = false;
  for (const char c : texto) {
    const bool letra = std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80) || c == '-';
    if (std::string_view(".!?;:\r\n").find(c) != std::string_view::npos) {
      if (!frases.back().empty()) frases.emplace_back();
    } else if (letra) {
      if (!naPalavra && !frases.back().empty()) frases.back() += ' ';
      frases.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    naPalavra = letra;
  }
  if (frases.back().empty()) frases.pop_back();
  return frases;
}

// Every rule a record breaks, one line each: a final full stop where the
// builder adds one (PRESNASC, APICES, DESVIDA; their linking templates are
// sentences of their own), the same five opening words as another record of
// its file, a form to avoid, and a sentence of eight words or more read in
// another record, which makes the library sound like a form.
std::vector<std::string> Problemas(const Biblioteca& biblioteca) {
  std::map<std::string, std::string> frases;  // sentence → first record that has it
  std::vector<std::string> problemas;
  for (const auto& [codigo, registros] : biblioteca) {
    const bool pontoDoMontador = codigo == "PRESNASC" || codigo == "APICES" || codigo == "DESVIDA";
    std::map<std::string, int> aberturas;
    for (const auto& [n, texto] : registros) {
      const std::string onde = codigo + " [" + std::to_string(n) + "]";
      const bool modelo = n == kModeloDeLigacaoRealizacao || n == kModeloDeLigacaoDesafio;
      if (pontoDoMontador && !modelo && texto.ends_with('.')) problemas.push_back(onde + " termina com ponto");
      std::string todas;
      for (const std::string& frase : Frases(texto)) {
        todas += " " + frase;
        if (std::count(frase.begin(), frase.end(), ' ') < 7) continue;  // fewer than eight words
        const auto [it, nova] = frases.emplace(frase, onde);
        if (!nova && it->second != onde) problemas.push_back(onde + " repete " + it->second + ": " + frase);
      }
      for (const char* forma : kFormasEvitadas) {
        if ((todas + " ").find(" " + std::string(forma) + " ") != std::string::npos) {
          problemas.push_back(onde + " usa \"" + forma + "\"");
        }
      }
      std::istringstream palavras(todas);
      std::string palavra, abertura;
      for (int i = 0; i < 5 && palavras >> palavra; ++i) abertura += " " + palavra;
      if (const auto [it, nova] = aberturas.emplace(abertura, n); !nova) {
        problemas.push_back(onde + " começa como o registro " + std::to_string(it->second) + ":" + abertura);
      }
    }
  }
  return problemas;
}

TEST(Redacao, CadaRegraApontaOTextoQueAQuebra) {
  const std::string oito = "A vida pede calma, escuta e pede coragem";  // eight words
  const std::string sete = "Pede calma, escuta e pouco de coragem.";  // seven
  struct Caso {
    Biblioteca biblioteca;
    size_t problemas;
  };
  const Caso casos[] = {
      {{{"APICES", {{1, "Uma etapa de começos"}, {2, "Outra etapa, de encontros"}}}}, 0},
      {{{"APICES", {{1, "Uma etapa de começos."}}}}, 1},
      {{{"CVIDA", {{1, "Um texto que termina com ponto."}}}}, 0},
      {{{"CVIDA", {{1, "Hoje é um dia bom para começar."}, {2, "Hoje, é um dia bom de verdade!"}}}}, 1},
      {{{"CVIDA", {{1, "Esta realização abre uma etapa"}, {2, "Esta realização abre uma fase"}}}}, 0},
      {{{"CDATA", {{12, "Acompanha você sempre que alguém o chama pelo nome."}}}}, 1},
      {{{"CVIDA", {{1, "Sozinhos, não. Um sozinhozinho não conta."}}}}, 0},
      {{{"CVIDA", {{1, oito + "."}}}, {"CFORM", {{3, "Outra frase. " + oito + "!"}}}}, 1},
      {{{"CVIDA", {{1, oito + "."}, {2, "Sem pressa. A VIDA pede calma,  escuta e pede coragem"}}}}, 1},
      {{{"CVIDA", {{1, oito + ". " + oito + "."}}}}, 0},  // once per record is no form
      {{{"CVIDA", {{1, sete}}}, {"CFORM", {{1, sete}}}}, 0},
  };
  for (const Caso& c : casos) {
    const auto problemas = Problemas(c.biblioteca);
    EXPECT_EQ(problemas.size(), c.problemas)
        << c.biblioteca[0].second.begin()->second << (problemas.empty() ? "" : "\n  " + problemas.front());
  }
}

TEST(Redacao, TextosPadraoSeguemAsRegras) {
  Biblioteca biblioteca;
  for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(CIFRA_DADOS_DIR) / "textos")) {
    const std::string codigo = e.path().stem().string();
    if (e.path().extension() != ".txt" || codigo == "Header") continue;
    biblioteca.emplace_back(codigo, LeFonteDeTextos(teste::LeTexto(e.path())));
    ASSERT_FALSE(biblioteca.back().second.empty()) << codigo;
  }
  EXPECT_GE(biblioteca.size(), 35u);  // every source but the titles
  for (const std::string& p : Problemas(biblioteca)) ADD_FAILURE() << p;
}

}  // namespace
}  // namespace cifra
