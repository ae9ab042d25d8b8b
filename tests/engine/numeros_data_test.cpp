#include "engine/numeros_data.h"

#include <gtest/gtest.h>

#include "engine/numerologia.h"

namespace cifra {
namespace {

const Data k12_08_1978{12, 8, 1978};
const Data kHoje{6, 12, 2026};

TEST(NumerosDaData, DiaDoNascimento) {
  struct Caso { int dia; int16_t vibracaoMestres, reduzida, desafio, presente; };
  const Caso casos[] = {{1, 1, 1, 1, 8},   {9, 9, 9, 9, 0},     {11, 11, 2, 0, 9},
                        {22, 22, 4, 0, 9}, {29, 11, 2, 7, 2},   {30, 3, 3, 3, 6}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.dia);
    const auto n = CalculaNumerosDaData({c.dia, 1, 2000}, kHoje, {true, false});
    EXPECT_EQ(n.VibracaoDoDia, c.vibracaoMestres);
    EXPECT_EQ(n.VibracaoDoDiaReduzida, c.reduzida);
    EXPECT_EQ(n.DesafioDoDia, c.desafio);
    EXPECT_EQ(n.PresenteDoDia, c.presente);
  }
}

// A cycle gives way in the year near age 27 (57 for the harvest), from three
// years before to five after, whose personal year is 1.
TEST(NumerosDaData, AnosDeMudancaDosCiclos) {
  struct Caso { Data nasc; int produtivo, colheita; };
  const Caso casos[] = {{k12_08_1978, 2006, 2033},
                        {{2, 1, 1990}, 2014, 2050},   // the window's first year
                        {{3, 1, 1990}, 2022, 2049}};  // and its last
  for (const Caso& c : casos) {
    SCOPED_TRACE(FormataData(c.nasc));
    const auto n = CalculaNumerosDaData(c.nasc, kHoje, {true, false});
    EXPECT_EQ(n.AnoInicioProdutivo, c.produtivo);
    EXPECT_EQ(n.AnoInicioColheita, c.colheita);
  }
}

TEST(NumerosDaData, RealizacoesESaude) {
  struct Caso {
    Data nasc;
    int a2, a3, a4;
    std::array<int16_t, 4> realizacoes;
    int16_t indice, saude;
  };
  const Caso casos[] = {
      {{10, 9, 1990}, 34, 43, 52, {1, 2, 3, 1}, 2, 2},     // life path 11 counts 2 for the ages
      {{12, 8, 1988}, 35, 44, 53, {11, 11, 22, 7}, 2, 2},  // the third adds the masters as kept
      {{5, 1, 1950}, 33, 42, 51, {6, 11, 8, 7}, 2, 2},     // 1 and 5 four times each: the smaller
      {{9, 1, 1950}, 29, 38, 47, {1, 6, 7, 7}, 10, 1},     // 9 the most frequent: index 10, shown 1
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(FormataData(c.nasc));
    const auto n = CalculaNumerosDaData(c.nasc, kHoje, {true, false});
    EXPECT_EQ(n.IdadeA2, c.a2);
    EXPECT_EQ(n.IdadeA3, c.a3);
    EXPECT_EQ(n.IdadeA4, c.a4);
    EXPECT_EQ(n.Realizacoes, c.realizacoes);
    EXPECT_EQ(n.IndiceSaude, c.indice);
    EXPECT_EQ(n.Saude, c.saude);
  }
}

// Maria da Silva's universal and personal numbers on 06/12/2026 are the
// recorded analysis's topics 17 to 22; a master universal year, the forecast's.

TEST(NumerosDaData, AnoPessoalAntesDoAniversario) {
  // Birth 05/03/1990 in 2020: personal year 3, or 2 before the birthday.
  const Data nasc{5, 3, 1990};
  struct Caso { Data hoje; bool considerar; int16_t ano, mes; };
  const Caso casos[] = {
      {{4, 3, 2020}, false, 3, 6}, {{4, 3, 2020}, true, 2, 5}, {{5, 3, 2020}, true, 3, 6}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(FormataData(c.hoje));
    const auto n = CalculaNumerosDaData(nasc, c.hoje, {false, c.considerar});
    EXPECT_EQ(n.AnoPessoal, c.ano);
    EXPECT_EQ(n.MesPessoal, c.mes);  // from the year as lowered
  }
  // A personal year 1 steps back to 9; a master year 11 steps down to 1.
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {1, 2, 2022}, {false, true}).AnoPessoal, 9);
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {1, 2, 2023}, {true, false}).AnoPessoal, 11);
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {1, 2, 2023}, {true, true}).AnoPessoal, 1);
  // Born on 29/02: in a common year the birthday is reached on 01/03.
  EXPECT_TRUE(AntesDoAniversario({29, 2, 1996}, {28, 2, 2023}));
  EXPECT_FALSE(AntesDoAniversario({29, 2, 1996}, {1, 3, 2023}));
  EXPECT_FALSE(AntesDoAniversario({29, 2, 1996}, {29, 2, 2024}));
}

TEST(NumerosDaData, DesafioAdicionalSoQuandoDistinto) {
  // 10/05/1991: the additional equals the major -> marker; 04/02/1999: 3, kept.
  EXPECT_EQ(CalculaNumerosDaData({10, 5, 1991}, kHoje, {false, false}).DesafioMenorAdicional, kNaoPossui);
  EXPECT_EQ(CalculaNumerosDaData({4, 2, 1999}, kHoje, {false, false}).DesafioMenorAdicional, 3);
}

}  // namespace
}  // namespace cifra
