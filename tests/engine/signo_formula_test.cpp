#include <gtest/gtest.h>

#include "engine/formula.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "engine/signo.h"

namespace cifra {
namespace {

// The first and last day of each band, and dates that are no dates.
TEST(Signo, LimitesDasFaixas) {
  const std::pair<const char*, int> casos[] = {
      {"21/11", 1},  {"22/11", 5},  {"21/12", 5},  {"22/12", 12}, {"20/01", 12}, {"21/01", 11},
      {"19/02", 11}, {"20/02", 10}, {"31/12", 12}, {"29/02", 10}, {"23/10", 1},  {"22/10", 2},
      {"22/09", 3},  {"22/07", 4},  {"21/07", 6},  {"20/06", 7},  {"21/04", 8},  {"20/04", 9},
      {"20/03", 10}, {"12/08/1978", 4}, {"31/02", 0}, {"ab/cd", 0}, {"", 0}};
  for (const auto& [ddmm, signo] : casos) EXPECT_EQ(SignoDaData(ddmm), signo) << ddmm;
}

TEST(NumerosDoNome, CasosDeBorda) {
  EXPECT_EQ(CalculaNumerosDoNome(U"  BRYAN", 1, false).PrimeiraVogal, U'Y');
  EXPECT_EQ(LetrasDoNome(U"ANA-LUIZA"), 9);
  // Reality of a life path 22 and an expression X (6): 4 + 6 = 10 -> 1.
  EXPECT_EQ(CalculaNumerosDoNome(U"X", 22, true).Realidade, 1);
  const auto semVogal = CalculaNumerosDoNome(U"BRST KLM", 3, true);
  EXPECT_EQ(semVogal.PrimeiraVogal, 0);
  EXPECT_EQ(semVogal.ImpulsoDaAlma, 0);
}

TEST(Formulas, ExemplosDeCadeias) {
  ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {29, 11, 2026}, true};
  struct Caso { std::vector<int16_t> codigos; int16_t esperado; };
  const Caso casos[] = {
      {{201, 8, 101, 5, 103}, 5},              // full name (11) + birth day (3) = 14 -> 5
      {{202, 0, 102, 7, 103}, 5},              // |R(29)=2 - R(1978)=7|
      {{202, 10, 103, 101, 8, 103}, 3},        // the end code stops before an older tail
      {{202, 9, 101, 11, 103}, 7},             // first vowel A = 1 + first name MARIA (6)
      {{202, 6, 101, 6}, 7},                   // no end code: to the end of the list
      {{201, 0, 103}, 11},                     // master flag on: today's day 29 -> 11
      {{}, 0},
      {{202, 50, 5, 101, 5, 103}, 3},          // unknown code 0; a block before any operator ignored
      {{202, 50, 101, 5, 5, 103}, 6},          // after one, the pending operator applies again
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(AvaliaFormula(c.codigos, ctx), c.esperado) << ::testing::PrintToString(c.codigos);
  }
  ctx.numerosMagicos = false;
  EXPECT_EQ(AvaliaFormula(std::vector<int16_t>{201, 0, 103}, ctx), 2);
  ctx.nome = U"ANA";
  EXPECT_EQ(ValorDoBloco(11, true, ctx), 0);  // no space: no first name
}

}  // namespace
}  // namespace cifra
