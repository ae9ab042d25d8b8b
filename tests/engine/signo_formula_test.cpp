#include <gtest/gtest.h>

#include "engine/formula.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "engine/signo.h"

namespace cifra {
namespace {

TEST(Signo, LimitesDasFaixas) {
  const std::pair<const char*, int> casos[] = {
      {"21/11", 1},  {"22/11", 5},  {"21/12", 5},  {"22/12", 12}, {"20/01", 12}, {"21/01", 11},
      {"19/02", 11}, {"20/02", 10}, {"01/01", 12}, {"31/12", 12}, {"29/02", 10}, {"23/10", 1},
      {"22/10", 2},  {"23/09", 2},  {"22/09", 3},  {"22/07", 4},  {"21/07", 6},  {"21/06", 6},
      {"20/06", 7},  {"21/04", 8},  {"20/04", 9},  {"21/03", 9},  {"20/03", 10}, {"12/08/1978", 4},
      {"31/02", 0},  {"ab/cd", 0},  {"", 0}};
  for (const auto& [ddmm, signo] : casos) {
    SCOPED_TRACE(ddmm);
    EXPECT_EQ(SignoDaData(ddmm), signo);
  }
}

TEST(Signo, TodoDiaDoAnoTemUmSigno) {
  for (int mes = 1; mes <= 12; ++mes) {
    for (int dia = 1; dia <= 31; ++dia) {
      if (!DataValida({dia, mes, 2000})) continue;
      char ddmm[6];
      std::snprintf(ddmm, sizeof ddmm, "%02d/%02d", dia, mes);
      const int s = SignoDaData(ddmm);
      EXPECT_GE(s, 1) << ddmm;
      EXPECT_LE(s, 12) << ddmm;
    }
  }
}

// MARIA DA SILVA's name numbers, with and without master numbers, are
// checked where the analysis is built from them.
TEST(NumerosDoNome, CasosDeBorda) {
  EXPECT_EQ(CalculaNumerosDoNome(U"YVONE", 1, false).IndiceVogal, 6);
  EXPECT_EQ(CalculaNumerosDoNome(U"  BRYAN", 1, false).PrimeiraVogal, U'Y');
  EXPECT_EQ(LetrasDoNome(U"ANA-LUIZA"), 9);
  EXPECT_EQ(SomaDoNome(U"ANA-LUIZA", false), SomaDoNome(U"ANALUIZA", false));
  // Reality of a life path 22 and an expression X (6): 4 + 6 = 10 -> 1.
  EXPECT_EQ(CalculaNumerosDoNome(U"X", 22, true).Realidade, 1);
  const auto semVogal = CalculaNumerosDoNome(U"BRST KLM", 3, true);
  EXPECT_EQ(semVogal.PrimeiraVogal, 0);
  EXPECT_EQ(semVogal.IndiceVogal, 0);
  EXPECT_EQ(semVogal.ImpulsoDaAlma, 0);
}

class Formulas : public ::testing::Test {
 protected:
  ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {29, 11, 2026}, true};
};

TEST_F(Formulas, ExemplosDeCadeias) {
  using namespace codigo_formula;
  struct Caso { std::vector<int16_t> codigos; int16_t esperado; };
  const Caso casos[] = {
      // full name (11) + reduced birth day (3) = 14 -> 5
      {{201, 8, 101, 5, 103}, 5},
      // |R(29)=2 - R(1978)=7| = 5
      {{202, 0, 102, 7, 103}, 5},
      // letter count 12 -> 3
      {{202, 10, 103}, 3},
      // the end code stops before an older tail
      {{202, 10, 103, 101, 8, 103}, 3},
      // first vowel A = 1, not reduced; + first name MARIA (4+1+9+9+1 = 24 -> 6)
      {{202, 9, 101, 11, 103}, 7},
      // no end code: stops at the end of the list
      {{202, 6, 101, 6}, 7},
      // master flag on and total 29 -> 11; 201, day 29 (today) -> 11
      {{201, 0, 103}, 11},
      {{}, 0},
      {{103}, 0},
      // an unknown code counts 0; a block before any operator is ignored...
      {{202, 50, 5, 101, 5, 103}, 3},
      // ...and after one, the pending operator applies again
      {{202, 50, 101, 5, 5, 103}, 6},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(::testing::PrintToString(c.codigos));
    EXPECT_EQ(AvaliaFormula(c.codigos, ctx), c.esperado);
  }
}

TEST_F(Formulas, MestresDaFormulaDependemDaOpcao) {
  const std::vector<int16_t> dia{201, 0, 103};  // today's day 29
  EXPECT_EQ(AvaliaFormula(dia, ctx), 11);
  ctx.numerosMagicos = false;
  EXPECT_EQ(AvaliaFormula(dia, ctx), 2);
  ctx.nome = U"ANA";
  EXPECT_EQ(ValorDoBloco(11, true, ctx), 0);  // no space: no first name
}

}  // namespace
}  // namespace cifra
