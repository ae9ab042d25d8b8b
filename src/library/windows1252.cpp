#include "windows1252.h"

#include <array>

#include "engine/numerologia.h"

namespace cifra {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kBloco80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ByteDe(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (size_t i = 0; i < kBloco80.size(); ++i) {
    if (kBloco80[i] == c) return static_cast<int>(0x80 + i);
  }
  return -1;
}

}  // namespace

std::string DeWindows1252(std::string_view bytes) {
  std::u32string texto;
  texto.reserve(bytes.size());
  for (char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    texto.push_back(u >= 0x80 && u < 0xA0 ? kBloco80[u - 0x80] : char32_t{u});
  }
  return Utf8(texto);
}

std::string ParaWindows1252(std::string_view utf8, int* perdas) {
  std::string out;
  out.reserve(utf8.size());
  int perdidos = 0;
  for (char32_t c : Utf32(utf8)) {
    const int b = ByteDe(c);
    if (b < 0) ++perdidos;
    out.push_back(static_cast<char>(b < 0 ? '?' : b));
  }
  if (perdas) *perdas = perdidos;
  return out;
}

bool CodificavelEmWindows1252(std::string_view utf8) {
  int perdas = 0;
  ParaWindows1252(utf8, &perdas);
  return perdas == 0;
}

}  // namespace cifra
