#include "engine/mapa_carmico.h"

#include <gtest/gtest.h>

#include "engine/numerologia.h"

namespace cifra {
namespace {

using O = OrigemDaDivida;

// Names worked by hand, letter by letter (A=1 ... I=9, J=1 ... R=9, S=1 ... Z=8).
TEST(MapaCarmico, NomesCalculadosAMao) {
  struct Caso {
    const char32_t* nome;
    Data nascimento;
    std::array<int, 9> inclusao;
    std::vector<int16_t> licoes, tendencia;
    int16_t resposta;
    std::vector<DividaCarmica> dividas;
  };
  const Caso casos[] = {
      // Every value present; nine I and R against four A: no lesson, response 9.
      // Totals 2019, 102, 51, 51 meet no debt; a 29 is no debt either.
      {U"ANA VICTORIA ZAMPIERI", {29, 2, 1988}, {4, 1, 1, 2, 2, 1, 1, 1, 6}, {}, {9}, 9, {}},
      // Five lessons: M A R I A D A S I L V A has only 1, 3, 4 and 9.
      {U"MARIA DA SILVA", {12, 8, 1978}, {5, 0, 1, 3, 0, 0, 0, 0, 3}, {2, 5, 6, 7, 8}, {1}, 4, {}},
      // A debt from every origin: 16+1+1955 = 1972 → 19 → 10; letters 68 → 14;
      // vowels A A O A E E = 19; consonants 49 → 13; and the day 16.
      {U"CLARA ROCHA MENDES", {16, 1, 1955}, {4, 0, 3, 2, 3, 1, 0, 1, 2}, {2, 7}, {1}, 7,
       {{19, O::CaminhoDaVida}, {14, O::Expressao}, {19, O::ImpulsoDaAlma}, {13, O::EuSilencioso},
        {16, O::DiaDoNascimento}}},
      // A tie for the highest count: both values are the hidden passion.
      {U"CAMILA DUARTE", {13, 1, 1990}, {3, 1, 3, 2, 1, 0, 0, 0, 2}, {6, 7, 8}, {1, 3}, 6,
       {{13, O::DiaDoNascimento}}},
      // Digits count as themselves, other characters not at all; 0 has no cell.
      {U"JO-Ã0 1", {1, 1, 2000}, {2, 0, 0, 0, 0, 1, 0, 0, 0}, {2, 3, 4, 5, 7, 8, 9}, {1}, 2, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(Utf8(c.nome));
    const MapaCarmico m = CalculaMapaCarmico(c.nome, c.nascimento);
    EXPECT_EQ(m.Inclusao, c.inclusao);
    EXPECT_EQ(m.LicoesCarmicas, c.licoes);
    EXPECT_EQ(m.TendenciaOculta, c.tendencia);
    EXPECT_EQ(m.RespostaSubconsciente, c.resposta);
    EXPECT_EQ(m.DividasCarmicas, c.dividas);
  }
}

TEST(MapaCarmico, DividasNoCaminhoDaReducao) {
  const std::pair<int64_t, std::vector<int16_t>> casos[] = {
      {77, {14}},      // the example of every numerology book: 77 → 14 → 5
      {13, {13}},      // the total itself
      {1993, {}},      // 1993 → 22 → 4: a master number is no debt
      {49, {13}},      // 49 → 13 → 4
      {9994, {}},      // 31 → 4
      {199, {19}},     // 199 → 19 → 10 → 1
      {0, {}}};
  for (const auto& [total, dividas] : casos) EXPECT_EQ(DividasNaReducao(total), dividas) << total;
}

}  // namespace
}  // namespace cifra

#include "engine/harmonia.h"

namespace cifra {
namespace {

// Every unordered pair of 1..9 once, against the groups worked by hand:
// mental 1 5 7, creative 3 6 9, practical 2 4 8.
TEST(Harmonia, CadaParUmaVezEMestresReduzidos) {
  const char* grupos = "MPCPMCMPC";  // the group of 1..9
  auto esperada = [&](int a, int b) {
    const char ga = grupos[a - 1], gb = grupos[b - 1];
    if (ga == gb) return Harmonia::Natural;
    if (ga == 'C' || gb == 'C') return Harmonia::Complementar;
    return Harmonia::Desafiadora;
  };
  int pares = 0;
  for (int a = 1; a <= 9; ++a) {
    for (int b = a; b <= 9; ++b, ++pares) {
      EXPECT_EQ(HarmoniaEntre(a, b), esperada(a, b)) << a << " " << b;
      EXPECT_EQ(HarmoniaEntre(a, b), HarmoniaEntre(b, a));
    }
  }
  EXPECT_EQ(pares, 45);
  EXPECT_EQ(HarmoniaEntre(11, 2), Harmonia::Natural);       // 11 is taken as 2
  EXPECT_EQ(HarmoniaEntre(22, 5), Harmonia::Desafiadora);   // 22 as 4
  EXPECT_EQ(HarmoniaEntre(22, 11), Harmonia::Natural);
  EXPECT_EQ(HarmoniaEntre(0, 3), Harmonia::Desafiadora);    // no group, nothing to build on
  EXPECT_EQ(NomeDaHarmonia(Harmonia::Complementar), "Complementar");
}

}  // namespace
}  // namespace cifra
