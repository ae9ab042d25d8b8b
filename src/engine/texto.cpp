#include "texto.h"

namespace cifra {
namespace {
bool EhBranco(char c) { return c == ' ' || c == '\0'; }
}  // namespace

std::string AparaBrancosADireita(std::string_view s) {
  size_t fim = s.size();
  while (fim > 0 && EhBranco(s[fim - 1])) --fim;
  return std::string(s.substr(0, fim));
}

std::string AparaBrancos(std::string_view s) {
  size_t inicio = 0;
  while (inicio < s.size() && EhBranco(s[inicio])) ++inicio;
  return AparaBrancosADireita(s.substr(inicio));
}

char32_t Maiuscula(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0xFF: return 0x178;   // ÿ
    case 0x161: return 0x160;  // š
    case 0x153: return 0x152;  // œ
    case 0x17E: return 0x17D;  // ž
    default: return c;
  }
}

std::string MaiusculasAscii(std::string_view s) {
  std::string m(s);
  for (char& c : m) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(Maiuscula(static_cast<char32_t>(c)));
  }
  return m;
}

size_t ContaCaracteres(std::string_view utf8) {
  size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string ComQuebrasCrLf(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size() + texto.size() / 32);
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r') {
      if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
      saida += "\r\n";
    } else if (c == '\n') {
      saida += "\r\n";
    } else if ((c >= 0 && c < 0x20) || c == 0x7F) {
      // A tab or another control character has no width on a page and
      // breaks words in a PDF: it is a space like any other.
      saida += ' ';
    } else {
      saida += c;
    }
  }
  return saida;
}

std::string PreencheModelo(std::string texto, std::string_view marca, const std::string& valor) {
  for (size_t p = texto.find(marca); p != std::string::npos; p = texto.find(marca, p + valor.size())) {
    texto.replace(p, marca.size(), valor);
  }
  return texto;
}

}  // namespace cifra
