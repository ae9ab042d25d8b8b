#include "engine/numeros_data.h"

#include <gtest/gtest.h>

namespace cifra {
namespace {

const Data k12_08_1978{12, 8, 1978};
const Data kHoje{6, 12, 2026};

// The numbers of 12/08/1978 (life path 9, cycles 8 3 7 from 2006 and 2033,
// realizations 11 1 3 6 at 27, 36 and 45, challenges 5 1 4 and none, health
// 2) are checked where the analysis is built from them.

TEST(NumerosDaData, DiaDoNascimento) {
  struct Caso { int dia; int16_t vibracaoMestres, reduzida, desafio, presente; };
  const Caso casos[] = {{5, 5, 5, 5, 4}, {29, 11, 2, 7, 2}, {11, 11, 2, 0, 9},
                        {22, 22, 4, 0, 9}, {1, 1, 1, 1, 8}, {30, 3, 3, 3, 6}, {9, 9, 9, 9, 0}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.dia);
    const auto n = CalculaNumerosDaData({c.dia, 1, 2000}, kHoje, {true, false});
    EXPECT_EQ(n.VibracaoDoDia, c.vibracaoMestres);
    EXPECT_EQ(n.VibracaoDoDiaReduzida, c.reduzida);
    EXPECT_EQ(n.DesafioDoDia, c.desafio);
    EXPECT_EQ(n.PresenteDoDia, c.presente);
  }
}

TEST(NumerosDaData, AnoUniversalComESemMestres) {
  EXPECT_EQ(CalculaNumerosDaData(k12_08_1978, {1, 1, 2009}, {true, false}).AnoUniversal, 11);
  EXPECT_EQ(CalculaNumerosDaData(k12_08_1978, {1, 1, 2009}, {false, false}).AnoUniversal, 2);
  const auto n = CalculaNumerosDaData(k12_08_1978, {6, 12, 2026}, {false, false});
  EXPECT_EQ(n.AnoUniversal, 1);   // 2026 -> 10 -> 1
  EXPECT_EQ(n.MesUniversal, 4);   // 1 + 3
  EXPECT_EQ(n.DiaUniversal, 1);   // 4 + 6 = 10 -> 1
  EXPECT_EQ(n.AnoPessoal, 3);     // 3 + 8 + 1 = 12 -> 3
  EXPECT_EQ(n.MesPessoal, 6);     // 3 + 3
  EXPECT_EQ(n.DiaPessoal, 3);     // 6 + 6 = 12 -> 3
}

TEST(NumerosDaData, AnoPessoalAntesDoAniversario) {
  // Birth 05/03/1990: productive 5, formative 3; in 2020 (universal 4) p = 12 -> 3.
  const Data nasc{5, 3, 1990};
  struct Caso { Data hoje; bool considerar; int16_t ano; };
  const Caso casos[] = {
      {{4, 3, 2020}, false, 3}, {{4, 3, 2020}, true, 2},  {{5, 3, 2020}, true, 3},
      {{31, 12, 2020}, true, 3}, {{1, 1, 2020}, true, 2},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(FormataData(c.hoje));
    EXPECT_EQ(CalculaNumerosDaData(nasc, c.hoje, {false, c.considerar}).AnoPessoal, c.ano);
  }
  // Before the birthday a personal year 1 steps back to 9, and a master year
  // 11 (02/02/1990 in 2023) steps down from its reduced value to 1.
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {1, 2, 2022}, {false, true}).AnoPessoal, 9);
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {2, 2, 2022}, {false, true}).AnoPessoal, 1);
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {1, 2, 2023}, {true, false}).AnoPessoal, 11);
  EXPECT_EQ(CalculaNumerosDaData({2, 2, 1990}, {1, 2, 2023}, {true, true}).AnoPessoal, 1);
}

TEST(NumerosDaData, AniversarioEm29DeFevereiro) {
  const Data nasc{29, 2, 1996};
  EXPECT_TRUE(AntesDoAniversario(nasc, {28, 2, 2023}));
  EXPECT_FALSE(AntesDoAniversario(nasc, {1, 3, 2023}));   // reached on 01/03 in a common year
  EXPECT_TRUE(AntesDoAniversario(nasc, {28, 2, 2024}));
  EXPECT_FALSE(AntesDoAniversario(nasc, {29, 2, 2024}));
}

TEST(NumerosDaData, DesafioAdicionalSoQuandoDistinto) {
  // 10/05/1991: minors 4 and 3, major 1, additional 1 (the major's) -> marker;
  // 04/02/1999: minors 2 and 1, major 1, additional 3, kept.
  EXPECT_EQ(CalculaNumerosDaData({10, 5, 1991}, kHoje, {false, false}).DesafioMenorAdicional, kNaoPossui);
  const auto n = CalculaNumerosDaData({4, 2, 1999}, kHoje, {false, false});
  EXPECT_EQ(n.DesafioMenorAdicional, 3);
}

TEST(NumerosDaData, AnoDeMudancaFicaPertoDaIdade) {
  for (int ano = 1900; ano <= 2030; ano += 7) {
    for (int mes = 1; mes <= 12; mes += 5) {
      const Data d{15, mes, ano};
      const int a = AnoDeMudancaDeCiclo(d, 27, true);
      EXPECT_GE(a, ano + 27 - 3);
      EXPECT_LE(a, ano + 27 + 5);
    }
  }
}

}  // namespace
}  // namespace cifra
