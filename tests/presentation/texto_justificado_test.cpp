#include "presentation/texto_justificado.h"

#include <gtest/gtest.h>

#include <random>

#include "superficie_teste.h"

namespace cifra {
namespace {

using Linhas = std::vector<std::pair<double, std::string>>;
constexpr double X = 10, Y = 50;  // at 10 points: 1 mm a character, 5 mm a line

TEST(TextoJustificado, QuebrasParagrafosEUltimasLinhasAEsquerda) {
  struct Caso {
    std::string texto;
    double largura;
    Linhas linhas;
  };
  const Caso casos[] = {
      {"abc def", 20, {{50, "abc def"}}},
      {"", 20, {}},
      {"abc\r\ndef\r\n", 20, {{50, "abc"}, {55, "def"}}},
      {"abc\r\n\r\ndef", 20, {{50, "abc"}, {60, "def"}}},  // empty line
      {"ação é só", 9, {{50, "ação é só"}}},               // characters, not bytes
      {"abcdefghij", 4, {{50, "abcd"}, {55, "efgh"}, {60, "ij"}}},  // word cut at the width
      {"abcdefgh ij", 9, {{50, "abcdefgh"}, {55, "ij"}}},  // nothing inside to stretch
  };
  for (const Caso& c : casos) {
    teste::SuperficieDeTeste s;
    std::string texto = c.texto;
    EXPECT_TRUE(ImprimirTextoJustificado(s, Y, X, X + c.largura, 1000, texto));
    EXPECT_EQ(s.Linhas(), c.linhas) << c.texto;
    EXPECT_EQ(s.textos.size(), c.linhas.size()) << c.texto;  // one piece: flush left
    for (const auto& t : s.textos) EXPECT_EQ(t.x, X);
    EXPECT_EQ(s.CurrentY, c.linhas.empty() ? Y : c.linhas.back().first) << c.texto;
  }
}

TEST(TextoJustificado, LinhaCheiaTerminaNaMargemDireita) {
  struct Caso {
    const char* texto;
    std::vector<std::pair<double, std::string>> pecas;  // of the first line
  };
  const Caso casos[] = {
      {"aaa bb c dddd", {{10, "aaa "}, {15, "bb "}, {19, "c"}}},  // 1 mm more a space
      {"aa  bb c dddd", {{10, "aa "}, {13 + 2. / 3, " "}, {14 + 4. / 3, "bb "}, {19, "c"}}},
      {"aaaa bbbbb ccc", {{10, "aaaa "}, {15, "bbbbb"}}},  // broken at the space that overflowed
  };
  for (const Caso& c : casos) {
    teste::SuperficieDeTeste s;
    std::string texto = c.texto;
    ImprimirTextoJustificado(s, Y, X, X + 10, 1000, texto);
    std::vector<std::pair<double, std::string>> pecas;
    for (const auto& t : s.textos) {
      if (t.y == Y) pecas.push_back({t.x, t.texto});
    }
    ASSERT_EQ(pecas.size(), c.pecas.size()) << c.texto;
    for (size_t i = 0; i < pecas.size(); ++i) {
      EXPECT_NEAR(pecas[i].first, c.pecas[i].first, 1e-9) << c.texto;
      EXPECT_EQ(pecas[i].second, c.pecas[i].second) << c.texto;
    }
  }
}

TEST(TextoJustificado, NoLimiteDevolveORestoSemQuebraNaFrente) {
  struct Caso {
    const char* texto;
    double limite;  // passed when a line's top + 5 > limite
    const char* resto;  // nullptr: all drawn
    int linhas;
  };
  const Caso casos[] = {
      {"aaaa bbbb cccc dddd eeee", 54.9, "cccc dddd eeee", 1},
      {"aaaa bbbb cccc dddd eeee", 59.9, "eeee", 2},
      {"aaaa bbbb cccc dddd eeee", 60, nullptr, 3},  // the last line passes it
      {"aaaa\r\n\r\nbbbb", 54, "bbbb", 1},
      {"aaaa\r\n\r\n", 54, nullptr, 1},  // only CR LF left
      {"aaaaaaaaaaaaaa", 54, "aaaa", 1},
  };
  for (const Caso& c : casos) {
    teste::SuperficieDeTeste s;
    std::string texto = c.texto;
    EXPECT_EQ(ImprimirTextoJustificado(s, Y, X, X + 10, c.limite, texto), c.resto == nullptr);
    if (c.resto) {
      EXPECT_EQ(texto, c.resto);
    }
    EXPECT_EQ(s.Linhas().size(), static_cast<size_t>(c.linhas)) << c.texto;
    EXPECT_EQ(s.CurrentY, Y + 5 * (c.linhas - 1)) << c.texto;
  }
}

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
