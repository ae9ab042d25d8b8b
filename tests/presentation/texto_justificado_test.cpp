#include "presentation/texto_justificado.h"

#include <gtest/gtest.h>

#include <random>

#include "superficie_teste.h"

namespace cifra {
namespace {

constexpr double X = 10, Y = 50;  // at 10 points: 1 mm a character, 5 mm a line

// Random texts, widths and limits, set over as many calls as it takes: every
// character comes out once and in order, every stretched line ends at the
// right edge, and only a call's last line passes the limit.
TEST(TextoJustificado, PropriedadeNadaSePerdeNemSeRepete) {
  std::mt19937 sorteio(20260806);
  auto de = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(sorteio); };
  const char* letras[] = {"a", "ç", "ã", "Z", "9", ","};
  const char* separadores[] = {" ", " ", " ", " ", "  ", "\r\n", "\r\n\r\n"};
  for (int rodada = 0; rodada < 400; ++rodada) {
    std::string original, esperado;
    for (int p = de(0, 60); p > 0; --p) {
      std::string palavra;
      for (int k = de(1, 12); k > 0; --k) palavra += letras[de(0, 5)];
      original += palavra + separadores[de(0, 6)];
      esperado += palavra;
    }
    const double direita = X + de(3, 40), limite = Y + de(0, 40);
    std::string texto = original, desenhado;
    for (bool tudo = false; !tudo;) {
      teste::SuperficieDeTeste s;
      tudo = ImprimirTextoJustificado(s, Y, X, direita, limite, texto);
      ASSERT_TRUE(tudo || (!texto.empty() && texto[0] != '\r')) << original;
      const auto linhas = s.Linhas();
      for (size_t i = 0; i < linhas.size(); ++i) {
        if (i + 1 < linhas.size()) {
          EXPECT_LE(linhas[i].first + 5, limite);
        }
        const auto& ultima = *std::find_if(s.textos.rbegin(), s.textos.rend(),
                                           [&](auto& t) { return t.y == linhas[i].first; });
        const double fim = ultima.x + s.TextWidth(ultima.texto);
        if (ultima.x > X) {
          EXPECT_NEAR(fim, direita, 1e-9) << linhas[i].second;
        }
        EXPECT_LE(fim, direita + 1e-9);
        for (char c : linhas[i].second) {
          if (c != ' ') desenhado += c;
        }
      }
    }
    ASSERT_EQ(desenhado, esperado) << "até " << direita << ": " << original;
  }
}

}  // namespace
}  // namespace cifra
