// Bad input is bounded: fonts, margins, formula arithmetic, text decoding and
// the typed name each have a rule that keeps the program on its feet.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/pedido.h"
#include "engine/formula.h"
#include "engine/numerologia.h"
#include "engine/texto.h"
#include "settings/fontes.h"
#include "settings/margens.h"

namespace cifra {
namespace {

TEST(FonteUtilizavel, NomeETamanhoForaDoQueSeDesenha) {
  const Fonte padrao{"Arial", false, true, 10};
  const auto conhecida = [](const std::string& n) { return n == "Arial" || n == "Verdana"; };
  struct Caso { Fonte lida; Fonte esperada; };
  const Caso casos[] = {
      {{"Verdana", true, false, 12}, {"Verdana", true, false, 12}},
      {{"", false, false, 0}, {"Arial", false, false, 6}},            // a short file
      {{"     ", true, true, 11}, {"Arial", true, true, 11}},         // a name of blanks
      {{"Fonte Que Nao Ha", false, false, 14}, {"Arial", false, false, 14}},
      {{"Verdana", false, false, 5}, {"Verdana", false, false, 6}},
      {{"Verdana", false, false, 72}, {"Verdana", false, false, 72}},
      {{"Verdana", false, false, 73}, {"Verdana", false, false, 72}},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(FonteUtilizavel(c.lida, padrao, conhecida), c.esperada)
        << "'" << c.lida.Nome << "' " << c.lida.Tamanho;
  }
}

TEST(Margens, SoAsQueDeixamUmaPaginaUtil) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Caso { Margens m; bool cabem; };
  const Caso casos[] = {
      {{10, 10, 10, 10}, true},
      {{80, 90, 80, 90}, true},     // 50 x 117 mm left on A4
      {{81, 10, 80, 10}, false},    // 49 mm wide
      {{10, 100, 10, 98}, false},   // 99 mm high
      {{inf, 10, 10, 10}, false},
      {{10, nan, 10, 10}, false},
      {{10, 10, 10, -1}, false},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(MargensCabem(c.m, 210, 297), c.cabem)
        << c.m.Esquerda << " " << c.m.Superior << " " << c.m.Direita << " " << c.m.Inferior;
    bool substituidas = false;
    const Margens usadas = MargensParaOTrabalho(c.m, 210, 297, &substituidas);
    EXPECT_EQ(substituidas, !c.cabem);
    EXPECT_EQ(usadas, c.cabem ? c.m : Margens{});
  }
}

TEST(AritmeticaSemEstouro, FormulaLongaESomaDosDigitos) {
  using namespace codigo_formula;
  // 30 000 times the letter count of a 100 000-letter name: 3 000 000 000,
  // past any 32-bit total; its digits sum to 3.
  ContextoFormula ctx;
  ctx.nome = std::u32string(100000, U'A');
  std::vector<int16_t> codigos{kSemMestres, 10};
  for (int i = 1; i < 30000; ++i) codigos.insert(codigos.end(), {kSomar, 10});
  codigos.push_back(kFim);
  EXPECT_EQ(AvaliaFormula(codigos, ctx), 3);
  EXPECT_EQ(SomaDosDigitos(std::numeric_limits<int64_t>::min()), 89);  // 9223372036854775808
}

// Bytes that are no UTF-8 (a stray or cut sequence, an overlong form, a
// surrogate, a value past U+10FFFF) become U+FFFD, one per byte; such
// values never go out as UTF-8 either.
TEST(Utf8Estrito, SoValoresUnicodeEntramESaem) {
  const std::pair<std::string, std::u32string> casos[] = {
      {"a\x80z", {U'a', 0xFFFD, U'z'}},
      {"\xC3", std::u32string(1, 0xFFFD)},
      {"\xC0\xAF", std::u32string(2, 0xFFFD)},
      {"\xED\xA0\x80", std::u32string(3, 0xFFFD)},
      {"\xF4\x90\x80\x80", std::u32string(4, 0xFFFD)},
      {"Conceição € ✓ 𝄞", U"Conceição € ✓ 𝄞"},
  };
  for (const auto& [bytes, esperado] : casos) EXPECT_EQ(Utf32(bytes), esperado) << bytes;
  EXPECT_EQ(Utf8(U"Conceição € ✓ 𝄞"), "Conceição € ✓ 𝄞");
  EXPECT_EQ(Utf8(std::u32string{0xD800, U'a', 0x110000}), "\xEF\xBF\xBD" "a" "\xEF\xBF\xBD");
  EXPECT_EQ(ContaCaracteres("ação!"), 5u);  // 7 bytes
}

TEST(NomeNormalizado, AcentosComControlesEBrancos) {
  const Data hoje{6, 12, 2026};
  struct Caso { const char* digitado; const char32_t* normalizado; };
  const Caso casos[] = {
      {"Conceic\xCC\xA7" "a\xCC\x83" "o", U"Conceição"},       // c + cedilla, a + tilde
      {"  Maria\tda\nSilva \r\n", U"Maria da Silva"},
      {"Ana\x7F" "Maria\xC2\x85Souza", U"Ana Maria Souza"},  // DEL and NEL
      {"Ana\xE2\x80\xA8Souza", U"Ana Souza"},            // line separator
  };
  for (const Caso& c : casos) EXPECT_EQ(NormalizaNome(c.digitado), c.normalizado) << c.digitado;

  // The same person whichever way the accent was typed.
  const auto composto = AceitaPedido("José da Silva", "12/08/1978", hoje, nullptr);
  const auto separado = AceitaPedido("Jose\xCC\x81 da Silva", "12/08/1978", hoje, nullptr);
  ASSERT_TRUE(composto && separado);
  EXPECT_EQ(*composto, *separado);
  EXPECT_EQ(composto->Nome, U"JOSE DA SILVA");

  EXPECT_FALSE(AceitaPedido("\t\t\n  A  \n", "12/08/1978", hoje, nullptr));
}

}  // namespace
}  // namespace cifra
