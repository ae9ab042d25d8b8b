#include <gtest/gtest.h>

#include "engine/formula.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "engine/signo.h"

namespace cifra {
namespace {

// Both ends of every band (both belong to it), and days that are no days.
TEST(Signo, LimitesDasFaixas) {
  struct Faixa { int signo; const char* inicio; const char* fim; };
  const Faixa faixas[] = {
      {1, "23/10", "21/11"},  {2, "23/09", "22/10"},  {3, "23/08", "22/09"},
      {4, "22/07", "22/08"},  {5, "22/11", "21/12"},  {6, "21/06", "21/07"},
      {7, "21/05", "20/06"},  {8, "21/04", "20/05"},  {9, "21/03", "20/04"},
      {10, "20/02", "20/03"}, {11, "21/01", "19/02"}, {12, "22/12", "20/01"}};
  for (const Faixa& f : faixas) {
    EXPECT_EQ(SignoDaData(f.inicio), f.signo) << f.inicio;
    EXPECT_EQ(SignoDaData(f.fim), f.signo) << f.fim;
  }
  const std::pair<const char*, int> casos[] = {
      {"31/12", 12}, {"01/01", 12}, {"29/02", 10}, {"12/08/1978", 4},
      {"31/02", 0},  {"ab/cd", 0},  {"", 0}};
  for (const auto& [ddmm, signo] : casos) EXPECT_EQ(SignoDaData(ddmm), signo) << ddmm;
}

TEST(NumerosDoNome, CasosDeBorda) {
  const auto bryan = CalculaNumerosDoNome(U"  BRYAN", 1, false);
  EXPECT_EQ(bryan.PrimeiraVogal, U'Y');
  EXPECT_EQ(bryan.IndiceVogal, 6);
  // 11 characters: the apostrophe counts, the space does not.
  EXPECT_EQ(CalculaNumerosDoNome(U"JOSE D'AVILA", 1, true).Caracteristicas, 11);
  // Reality of a life path 11 and an expression I (9): 2 + 9 = 11, not 11 + 9 -> 2.
  EXPECT_EQ(CalculaNumerosDoNome(U"I", 11, true).Realidade, 11);
  const auto semVogal = CalculaNumerosDoNome(U"BRST KLM", 3, true);
  EXPECT_EQ(semVogal.PrimeiraVogal, 0);
  EXPECT_EQ(semVogal.ImpulsoDaAlma, 0);
}

TEST(Formulas, ExemplosDeCadeias) {
  ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {29, 11, 2026}, true};
  struct Caso { std::vector<int16_t> codigos; int16_t esperado; };
  const Caso casos[] = {
      {{201, 8, 101, 5, 103}, 5},              // full name (11) + birth day (3) = 14 -> 5
      {{202, 0, 102, 7, 101, 5, 103}, 8},      // |R(29)=2 - R(1978)=7| + R(12)=3
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
  ctx.nome = U"MARIO DA SILVA";  // MARIO: 29 -> 11, kept only where the formula keeps masters
  EXPECT_EQ(ValorDoBloco(11, true, ctx), 11);
  EXPECT_EQ(ValorDoBloco(11, false, ctx), 2);
  ctx.numerosMagicos = false;
  EXPECT_EQ(AvaliaFormula(std::vector<int16_t>{201, 0, 103}, ctx), 2);
  ctx.nome = U"ANA";
  EXPECT_EQ(ValorDoBloco(11, true, ctx), 0);  // no space: no first name
}

}  // namespace
}  // namespace cifra
