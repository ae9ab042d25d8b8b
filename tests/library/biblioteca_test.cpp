// The library's files and the editors' rules, without windows: formulas,
// line breaks at every way in, which record a number's button edits, and how
// a text is counted against its record.
#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "engine/texto.h"
#include "library/catalogo.h"
#include "library/fonte_textos.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"
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
      {"a\n\r\nb", "a\r\n\r\nb"}, {"", ""}};
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

TEST(Edicao, RegistroDeCadaBotaoDeNumero) {
  struct Caso { int topico, botao, registro; };
  const Caso casos[] = {
      {1, 0, 1},  {1, 9, 10}, {1, 10, 11},  // 11 is record 10, 22 record 11
      {9, 2, 3},                            // realizations share APICES
      {6, 0, 2},  {6, 10, 12},              // the value 0 holds record 1
      {12, 8, 1}, {12, 0, 2},               // "Número 9" is the challenge 0
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(RegistroDoTextoEditado(c.topico, c.botao), c.registro) << c.topico << "/" << c.botao;
  }
  EXPECT_EQ(RegistroDoNumeroZero(6), 1);
  EXPECT_EQ(RegistroDoNumeroZero(12), 0);
  EXPECT_EQ(RegistroDoNaoPossui(15), 90);
  // Without master numbers an 11 or a 22 that reaches a file reads the text of 2 or 4.
  EXPECT_EQ(RegistroDoNumero(11, "INTEXEXP.DAT", false), 2);
  EXPECT_EQ(RegistroDoNumero(22, "CVIDA.DAT", false), 4);
  EXPECT_EQ(TopicoRealDoNome("Eu Silencioso"), 25);
  EXPECT_EQ(TopicoRealDoNome("O Eu Silencioso"), 0);  // the editor label is not a name
}

TEST(Edicao, QuebraDeLinhaContaDoisEAcentoUm) {
  EXPECT_EQ(CaracteresRestantes("a\nb", 120), 116);
  EXPECT_EQ(CaracteresRestantes("ação", 120), 116);
}

// What Windows-1252 cannot keep is named once each, so the operator can
// take it out before saving.
TEST(Edicao, CaracteresSemLugarNoWindows1252SaoNomeadosUmaVez) {
  EXPECT_TRUE(CaracteresSemLugar("Olá, ação € “aspas” — fim").empty());
  const auto sem = CaracteresSemLugar("Sorria 😀 Ж e 😀 de novo ★");
  EXPECT_EQ(ListaDeCaracteres(sem), "“😀”, “Ж”, “★”");
}


}  // namespace
}  // namespace cifra
