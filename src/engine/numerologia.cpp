#include "numerologia.h"

#include <cstdlib>

#include "texto.h"

namespace cifra {
namespace {

// Pythagorean table: A=1 ... I=9, J=1 ... R=9, S=1 ... Z=8.
int16_t ValorPitagorico(char32_t c) {
  c = Maiuscula(c);
  if (c < U'A' || c > U'Z') return 0;
  return static_cast<int16_t>((c - U'A') % 9 + 1);
}

bool EhVogal(char32_t c) {
  c = Maiuscula(c);
  return c == U'A' || c == U'E' || c == U'I' || c == U'O' || c == U'U' || c == U'Y';
}

bool EhLetra(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }

template <typename Valor>
int16_t SomaReduzida(std::u32string_view nome, bool numerosMagicos, Valor valor) {
  int64_t soma = 0;
  for (char32_t c : nome) soma += valor(c);
  return numerosMagicos ? ReduzComMestres(soma, true) : ReduzNumero(soma);
}

}  // namespace

int16_t ValorDaLetra(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int16_t>(c - U'0');
  return ValorPitagorico(c);
}

int16_t ValorDaConsoante(char32_t c) {
  return EhLetra(c) && !EhVogal(c) ? ValorPitagorico(c) : 0;
}

int16_t ValorDaVogal(char32_t c) { return EhVogal(c) ? ValorPitagorico(c) : 0; }

int SomaDosDigitos(int64_t n) {
  // The magnitude as unsigned: -n of the most negative value does not fit.
  uint64_t m = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  int soma = 0;
  do {
    soma += static_cast<int>(m % 10);
    m /= 10;
  } while (m > 0);
  return soma;
}

int16_t ReduzNumero(int64_t n) {
  do {
    n = SomaDosDigitos(n);
  } while (n >= 10);
  return static_cast<int16_t>(n);
}

int16_t ReduzComMestres(int64_t n, bool numerosMagicos) {
  if (n != 11 && n != 22) {
    do {
      n = SomaDosDigitos(n);
    } while (n >= 10 && n != 11 && n != 22);
  }
  if (!numerosMagicos) {
    if (n == 11) n = 2;
    if (n == 22) n = 4;
  }
  return static_cast<int16_t>(n);
}

int16_t SomaDoNome(std::u32string_view nome, bool numerosMagicos) {
  return SomaReduzida(nome, numerosMagicos, ValorDaLetra);
}

int16_t SomaDasConsoantes(std::u32string_view nome, bool numerosMagicos) {
  return SomaReduzida(nome, numerosMagicos, ValorDaConsoante);
}

int16_t SomaDasVogais(std::u32string_view nome, bool numerosMagicos) {
  return SomaReduzida(nome, numerosMagicos, ValorDaVogal);
}

std::string FormaDeExibicao(int n) {
  switch (n) {
    case 11: return "11/2";
    case 22: return "22/4";
    case 89: return "Não Possui";
    default: return std::to_string(n);
  }
}

std::u32string Utf32(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    char32_t c = extra <= 0 ? b : (b & (0x3F >> extra));
    bool ok = extra >= 0 && i + extra < s.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(s[i + k]);
      ok = (cont >> 6) == 2;
      c = (c << 6) | (cont & 0x3F);
    }
    // The shortest form only, and scalar values only.
    static constexpr char32_t kMenor[] = {0, 0x80, 0x800, 0x10000};
    ok = ok && c >= kMenor[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    if (ok) {
      out.push_back(c);
      i += extra + 1;
    } else {
      out.push_back(0xFFFD);
      i += 1;
    }
  }
  return out;
}

std::string Utf8(std::u32string_view texto) {
  std::string out;
  out.reserve(texto.size());
  for (char32_t c : texto) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace cifra
