#include "engine/numerologia.h"

#include <gtest/gtest.h>

namespace cifra {
namespace {

TEST(ValoresDasLetras, TabelasPitagoricas) {
  struct Caso { char32_t c; int letra, consoante, vogal; };
  const Caso casos[] = {
      {U'A', 1, 0, 1}, {U'I', 9, 0, 9}, {U'R', 9, 9, 0}, {U'Y', 7, 0, 7}, {U'Z', 8, 8, 0},
      {U'W', 5, 5, 0}, {U'a', 1, 0, 1}, {U'7', 7, 0, 0}, {U' ', 0, 0, 0}, {U'Ñ', 0, 0, 0}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(static_cast<uint32_t>(c.c));
    EXPECT_EQ(ValorDaLetra(c.c), c.letra);
    EXPECT_EQ(ValorDaConsoante(c.c), c.consoante);
    EXPECT_EQ(ValorDaVogal(c.c), c.vogal);
  }
}

TEST(Reducao, ComESemMestres) {
  struct Caso { int n; int simples; int mestresLigados; int mestresDesligados; };
  const Caso casos[] = {{0, 0, 0, 0},     {7, 7, 7, 7},     {10, 1, 1, 1},  {11, 2, 11, 2},
                        {22, 4, 22, 4},   {29, 2, 11, 2},   {1957, 4, 22, 4}, {-29, 2, 11, 2},
                        {99, 9, 9, 9},    {32767, 7, 7, 7},
                        {33, 6, 6, 6},    {6999, 6, 6, 6}};  // 33 is no master number
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(ReduzNumero(c.n), c.simples);
    EXPECT_EQ(ReduzComMestres(c.n, true), c.mestresLigados);
    EXPECT_EQ(ReduzComMestres(c.n, false), c.mestresDesligados);
  }
}

TEST(FormaDeExibicao, MestresEMarcador) {
  const std::pair<int, const char*> casos[] = {
      {11, "11/2"}, {22, "22/4"}, {89, "Não Possui"}, {0, "0"}, {33, "33"}};
  for (const auto& [n, forma] : casos) EXPECT_EQ(FormaDeExibicao(n), forma);
}

}  // namespace
}  // namespace cifra
