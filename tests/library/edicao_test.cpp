// The editors' rules, without windows: which record a number's button edits,
// how a text is counted against its record, and the topic order as far as
// the file holds a valid one.
#include <gtest/gtest.h>

#include <algorithm>

#include "library/edicao.h"
#include "library/ordem.h"

namespace cifra {
namespace {

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
}

TEST(Edicao, QuebraDeLinhaContaDoisEAcentoUm) {
  EXPECT_EQ(TextoParaRegistro("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
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

TEST(OrdemValida, UsaOArquivoAteOndeEValidoECompletaEmOrdemDeNumero) {
  OrdemDosTopicos lida{0, 5, 5, 99, 3, -1};
  OrdemDosTopicos esperada{0, 5, 3, 1, 2, 4};
  for (int i = 6; i <= 30; ++i) esperada[static_cast<size_t>(i)] = static_cast<int16_t>(i);
  EXPECT_EQ(OrdemValida(lida), esperada);
  EXPECT_EQ(OrdemValida(OrdemDosTopicos{}), OrdemPadrao());
  OrdemDosTopicos invertida = OrdemPadrao();
  std::reverse(invertida.begin() + 1, invertida.end());
  EXPECT_EQ(OrdemValida(invertida), invertida);
}

}  // namespace
}  // namespace cifra
