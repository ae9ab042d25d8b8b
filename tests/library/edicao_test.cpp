// The editors' rules, without windows: where a text lives, what a record
// holds, the formula as words, and the topic order as far as it is valid.
#include <gtest/gtest.h>

#include <algorithm>

#include "library/edicao.h"
#include "library/ordem.h"

namespace cifra {
namespace {

TEST(Edicao, RegistroDeCadaBotaoDeNumero) {
  struct Caso { int topico, botao, registro; };
  const Caso casos[] = {
      {1, 0, 1},  {1, 8, 9},   {1, 9, 10},  {1, 10, 11},  // 11 is record 10, 22 record 11
      {9, 2, 3},                                          // realizations share APICES
      {6, 0, 2},  {6, 10, 12}, {7, 8, 10},                // the value 0 holds record 1
      {12, 8, 1}, {12, 0, 2},  {15, 10, 12}, {13, 7, 9},  // "Número 9" is the challenge 0
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(RegistroDoTextoEditado(c.topico, c.botao), c.registro) << c.topico << "/" << c.botao;
  }
  EXPECT_EQ(NumeroDoBotao(0), "1");
  EXPECT_EQ(NumeroDoBotao(9), "11");
  EXPECT_EQ(NumeroDoBotao(10), "22");
  EXPECT_EQ(RegistroDoNumeroZero(6), 1);
  EXPECT_EQ(RegistroDoNumeroZero(7), 1);
  EXPECT_EQ(RegistroDoNumeroZero(12), 0);
  EXPECT_EQ(RegistroDoNaoPossui(15), 90);
  EXPECT_EQ(RegistroDoNaoPossui(12), 0);
}

TEST(Edicao, TitulosQueOProgramaEscreveNaoSeEditam) {
  for (int t : {2, 3, 4, 8, 9, 10, 11}) EXPECT_FALSE(TituloEditavel(t)) << t;
  for (int t : {1, 5, 6, 7, 12, 16, 29, 30}) EXPECT_TRUE(TituloEditavel(t)) << t;
}

TEST(Edicao, QuebrasDeLinhaViramCRLFNoRegistroEContamDois) {
  EXPECT_EQ(TextoParaRegistro("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(TextoParaCaixa("a\r\nb\r\n"), "a\nb\n");
  EXPECT_EQ(CaracteresRestantes("abc", 120), 117);
  EXPECT_EQ(CaracteresRestantes("a\nb", 120), 116);
  EXPECT_EQ(CaracteresRestantes("ação", 120), 116);  // one byte per letter, accents too
  EXPECT_EQ(CaracteresRestantes(std::string(6000, 'x'), 5120), -880);
}

TEST(Edicao, CaracteresSemLugarNoWindows1252SaoNomeadosUmaVez) {
  EXPECT_TRUE(CaracteresSemLugar("Olá, ação € “aspas” — fim").empty());
  const auto sem = CaracteresSemLugar("Sorria 😀 Ж e 😀 de novo ★");
  EXPECT_EQ(sem, (std::vector<std::string>{"😀", "Ж", "★"}));
  EXPECT_EQ(ListaDeCaracteres(sem), "“😀”, “Ж”, “★”");
}

TEST(Edicao, FormulaPorExtenso) {
  const int16_t codigos[] = {8, 101, 5, 102, 3, 103, 7, 101};
  EXPECT_EQ(TextoDaFormula(codigos), "Nome Completo + Dia do Nascimento − Vogais do Nome");
  const int16_t pela_metade[] = {0, 101};
  EXPECT_EQ(TextoDaFormula(pela_metade), "Dia de Hoje + ");
  EXPECT_EQ(NomeDoBloco(11), "Apenas o primeiro Nome");
}

TEST(Edicao, ValorDaFormulaEmConstrucao) {
  const ContextoFormula maria{U"MARIA DA SILVA", {12, 8, 1978}, {6, 12, 2026}, false};
  const int16_t letras_mais[] = {10, 101};
  // 12 letters + day 12 (reduced: 3) = 15, reduced 6.
  EXPECT_EQ(ValorDaFormulaEmConstrucao(letras_mais, 5, false, maria), 6);
  // Without the block still to come, the chain so far: the 12 letters, reduced 3.
  EXPECT_EQ(ValorDaFormulaEmConstrucao({}, 10, false, maria), 3);
  const int16_t hoje_menos[] = {0, 102};
  // |6 - 7 (1978 reduced)| = 1.
  EXPECT_EQ(ValorDaFormulaEmConstrucao(hoje_menos, 7, false, maria), 1);
}

OrdemDosTopicos Ordem(std::initializer_list<int> posicoes) {
  OrdemDosTopicos o{};
  size_t i = 1;
  for (int t : posicoes) o[i++] = static_cast<int16_t>(t);
  return o;
}

TEST(OrdemValida, UsaOArquivoAteOndeEValidoECompletaEmOrdemDeNumero) {
  struct Caso {
    const char* nome;
    OrdemDosTopicos lida;
    OrdemDosTopicos valida;
  };
  const Caso casos[] = {
      {"repetidos e fora do catálogo", Ordem({5, 5, 99, 3, -1}),
       Ordem({5, 3, 1, 2, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
              24, 25, 26, 27, 28, 29, 30})},
      {"vazia", Ordem({}), OrdemPadrao()},
  };
  for (const Caso& c : casos) EXPECT_EQ(OrdemValida(c.lida), c.valida) << c.nome;
  // An order already valid is kept as it is.
  OrdemDosTopicos invertida = OrdemPadrao();
  std::reverse(invertida.begin() + 1, invertida.end());
  EXPECT_EQ(OrdemValida(invertida), invertida);
}

}  // namespace
}  // namespace cifra
