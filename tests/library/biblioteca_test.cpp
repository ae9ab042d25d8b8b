// The library's texts and files, and the editors' rules, without windows.
#include <gtest/gtest.h>

#include <iterator>
#include <numeric>
#include <set>
#include <sstream>

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
// end code keeps the older tail out of the sum.
TEST(ArquivosDeFormula, GravadoSobreUmMaisLongo) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {6, 12, 2026}, true};
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 0);  // missing file
  const std::vector<int16_t> longa{8, 101, 5, 101, 3, 101, 4, 101, 7, 103};
  GravarFormula(pasta, kFormulaA, true, longa);
  const std::vector<int16_t> curta{10, 103};
  GravarFormula(pasta, kFormulaA, false, curta);
  EXPECT_EQ(LeBytes(raiz / kFormulaA),
            (std::vector<uint8_t>{0xCA, 0, 10, 0, 103, 0, 5, 0, 101, 0, 3, 0, 101, 0, 4, 0,
                                  101, 0, 7, 0, 103, 0}));
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 3);  // 12 letters -> 3
}

// The layout breaks paragraphs at CR LF only: every text is brought to CR LF
// where it enters the program.
TEST(QuebrasDeLinha, CrLfEmTodaEntrada) {
  const std::pair<std::string_view, std::string_view> casos[] = {
      {"a\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"a\r\nb", "a\r\nb"}, {"a\r\rb", "a\r\n\r\nb"},
      {"a\n\r\nb", "a\r\n\r\nb"}, {"", ""}, {"a\tb\x01" "c\x7f", "a b c "}};
  for (const auto& [entrada, saida] : casos) EXPECT_EQ(ComQuebrasCrLf(entrada), saida) << entrada;
  EXPECT_EQ(LeFonteDeTextos("[1]\rUm\rDois\r\r[2]\rTres\r").at(1), "Um\r\nDois");
  EXPECT_EQ(TextoParaRegistro("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  teste::EscreveBytes(raiz / "CVIDA.DAT", teste::Bytes("Linha um\nLinha dois\rfim"));
  EXPECT_EQ(LeInterpretacao(pasta, 1, "CVIDA.DAT", false), "Linha um\r\nLinha dois\r\nfim");
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 2, "colado\nde outro programa");
  const auto b = LeBytes(raiz / "CVIDA.DAT");
  EXPECT_EQ(std::string(b.begin() + 5120, b.begin() + 5120 + 25), "colado\r\nde outro programa");
}

// The editor's items: the thirty topics, the four karmic parts, the map's
// description. What each button and command opens, by item.
TEST(Edicao, RegistroDeCadaEscolhaDoEditor) {
  constexpr int kLicoes = kTopicos, kTendencia = kTopicos + 1, kDividas = kTopicos + 3;
  struct Caso { int item, botao; TextoDaBiblioteca texto; };
  const Caso textos[] = {
      {0, 0, {"CVIDA.DAT", 1}},   {0, 9, {"CVIDA.DAT", 10}}, {0, 10, {"CVIDA.DAT", 11}},  // 11 is record 10, 22 record 11
      {8, 2, {"APICES.DAT", 3}},                               // realizations share APICES
      {5, 0, {"DESNASC.DAT", 2}}, {5, 10, {"DESNASC.DAT", 12}},  // the value 0 holds record 1
      {11, 8, {"DESVIDA.DAT", 1}}, {11, 0, {"DESVIDA.DAT", 2}},  // "Número 9" is the challenge 0
      {kLicoes, 0, {"LICOCARM.DAT", 1}}, {kLicoes, 8, {"LICOCARM.DAT", 9}}, {kLicoes, 9, {}},
      {kDividas, 0, {"DIVCARM.DAT", 1}}, {kDividas, 2, {"DIVCARM.DAT", 3}}, {kDividas, 3, {"DIVCARM.DAT", 4}},
      {kDividas, 4, {}},
      {kItemDescricaoDoMapa, 0, {"DESCCARM.DAT", 1}},  // a single text, whatever the button
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
      {kTendencia, {"DESCCARM.DAT", 3}, {}},
      {kDividas, {"DESCCARM.DAT", 5}, {}},
      {kItemDescricaoDoMapa, {"DESCCARM.DAT", 1}, {}},
  };
  for (const Outro& o : outros) {
    EXPECT_EQ(CabecalhoDoItem(o.item), o.cabecalho) << o.item;
    EXPECT_EQ(TituloDoItem(o.item), o.titulo) << o.item;
  }
  const auto numeros = [](int item) {
    std::vector<std::pair<int, std::string>> r;
    for (const BotaoDeNumero& b : BotoesDoItem(item)) r.emplace_back(b.numero, b.rotulo);
    return r;
  };
  EXPECT_EQ(numeros(kDividas), (std::vector<std::pair<int, std::string>>{
                                   {13, "Dívida 13"}, {14, "Dívida 14"}, {16, "Dívida 16"}, {19, "Dívida 19"}}));
  EXPECT_EQ(numeros(kTendencia).size(), 9u);
  EXPECT_EQ(numeros(kTendencia).back(), std::pair(9, std::string("Número 9")));
  EXPECT_EQ(numeros(0).back(), std::pair(22, std::string("Especial Número 22")));
  EXPECT_TRUE(numeros(kItemDescricaoDoMapa).empty());
  std::set<std::string> rotulos;
  for (int i = 0; i < kItensDoEditor; ++i) rotulos.insert(RotuloDoItem(i));
  EXPECT_EQ(rotulos.size(), static_cast<size_t>(kItensDoEditor));  // none twice
  EXPECT_EQ(rotulos.count(""), 0u);
  EXPECT_EQ(RotuloDoItem(kDividas), "Dívidas Cármicas");

  EXPECT_EQ(RegistroDoNumeroZero(6), 1);
  EXPECT_EQ(RegistroDoNumeroZero(12), 0);
  EXPECT_EQ(RegistroDoNaoPossui(15), 90);
  EXPECT_EQ(RegistroDoNumeroZero(TopicoDoItem(kDividas)), 0);
  // Without master numbers an 11 or a 22 that reaches a file reads the text of 2 or 4.
  EXPECT_EQ(RegistroDoNumero(11, "INTEXEXP.DAT", false), 2);
  EXPECT_EQ(RegistroDoNumero(22, "CVIDA.DAT", false), 4);
  EXPECT_EQ(TopicoRealDoNome("Eu Silencioso"), 25);
  EXPECT_EQ(TopicoRealDoNome("O Eu Silencioso"), 0);  // the editor label is not a name
}

// The count left: a line break takes two, an accented letter one. What
// Windows-1252 cannot keep is named once each, so the operator can take it
// out before saving.
TEST(Edicao, CaracteresRestantesESemLugarNoWindows1252) {
  EXPECT_EQ(CaracteresRestantes("a\nb", 120), 116);
  EXPECT_EQ(CaracteresRestantes("ação", 120), 116);
  EXPECT_TRUE(CaracteresSemLugar("Olá, ação € “aspas” — fim").empty());
  const auto sem = CaracteresSemLugar("Sorria 😀 Ж e 😀 de novo ★");
  EXPECT_EQ(ListaDeCaracteres(sem), "“😀”, “Ж”, “★”");
}

// The default library must be complete: every record an analysis can read
// holds a real text that fits its record in Windows-1252.
// Each source, its last record (DESVIDA also holds 90, "no challenge") and
// the length in words its texts must have.
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
    const std::string fonte = Fonte(e.codigo);
    ASSERT_FALSE(fonte.empty()) << "missing source";
    const auto registros = LeFonteDeTextos(fonte);
    const size_t tamanho = TamanhoDoRegistroDe(std::string(e.codigo) + ".DAT");
    std::vector<int> exigidos(static_cast<size_t>(e.ultimo));
    std::iota(exigidos.begin(), exigidos.end(), 1);
    if (std::string_view(e.codigo) == "DESVIDA") exigidos.push_back(90);
    for (int r : exigidos) {
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
      if (tamanho == kRegistroTexto) {
        EXPECT_TRUE(vistos.insert(texto).second) << "the same text twice";
      }
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

}  // namespace
}  // namespace cifra
