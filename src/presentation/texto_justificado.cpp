#include "texto_justificado.h"

#include <algorithm>
#include <unordered_map>

#include "engine/numerologia.h"

namespace cifra {
namespace {

constexpr char32_t kCR = U'\r';
constexpr char32_t kEspaco = U' ';

// Draws a line stretched to the full width: every space, inner or doubled,
// gets its own width plus an equal share of the spare room.
void DesenhaJustificada(SuperficieDeDesenho& s, std::u32string_view linha, double x,
                        double topo, double folga) {
  std::u32string palavra;
  for (char32_t c : linha) {
    if (c != kEspaco) {
      palavra += c;
      continue;
    }
    palavra += kEspaco;
    s.CurrentX = x;
    s.CurrentY = topo;
    s.Print(std::u32string_view(palavra));
    x += s.TextWidth(std::u32string_view(palavra)) + folga;
    palavra.clear();
  }
  s.CurrentX = x;
  s.CurrentY = topo;
  s.Print(std::u32string_view(palavra));
}

// Whether a line is wider than the room is decided by measuring the whole
// line, which shapes it anew at every character. Far from the edge that is
// not needed: the sum of the characters' own widths differs from the
// measured width only by kerning, a few hundredths of an em per pair, so a
// line whose sum stays 5 % (and two em) short of the room surely fits.
class MedidaDaLinha {
 public:
  MedidaDaLinha(const SuperficieDeDesenho& s, double largura)
      : s_(s), largura_(largura), margem_(std::max(0.05 * largura, 2 * s.TextWidth("M"))) {}

  void Inicia() { soma_ = 0; }
  // The line has just grown by c: is it wider than the room?
  bool Transborda(const std::u32string& linha, char32_t c) {
    auto [it, novo] = larguras_.try_emplace(c, 0.0);
    if (novo) it->second = s_.TextWidth(std::u32string_view(&c, 1));
    soma_ += it->second;
    if (soma_ < largura_ - margem_) return false;
    return s_.TextWidth(std::u32string_view(linha)) > largura_;
  }

 private:
  const SuperficieDeDesenho& s_;
  double largura_;
  double margem_;
  double soma_ = 0;
  std::unordered_map<char32_t, double> larguras_;
};

}  // namespace

bool ImprimirTextoJustificado(SuperficieDeDesenho& s, double Y, double X, double XDireito,
                              double YLimite, std::string& Texto) {
  const std::u32string texto = Utf32(Texto);
  const size_t n = texto.size();
  const double largura = XDireito - X;
  s.CurrentY = Y - s.TextHeight("ABZgzhj");
  MedidaDaLinha medida(s, largura);

  // `lidos` is the scan position: how many characters have been taken.
  size_t lidos = 0;
  bool noLimite = false;
  do {
    const size_t inicio = lidos;  // first character of this line
    std::u32string linha;
    int espacos = 0;
    size_t ultimoEspaco = 0;  // scan position just after the last space; 0: none
    bool fimDeParagrafo = false;
    bool transbordou = false;
    char32_t c = 0;
    medida.Inicia();
    while (lidos < n) {
      c = texto[lidos++];
      if (c == kCR) {
        fimDeParagrafo = true;
        break;
      }
      linha += c;
      if (c == kEspaco) {
        ++espacos;
        ultimoEspaco = lidos;
      }
      if (medida.Transborda(linha, c)) {
        transbordou = true;
        break;
      }
    }

    if (transbordou) {
      if (c == kEspaco) {
        linha.pop_back();  // the break space is not set, but still counted
      } else if (ultimoEspaco > 0) {
        linha.resize(ultimoEspaco - 1 - inicio);
        lidos = ultimoEspaco;
      } else if (linha.size() > 1) {
        // One word wider than the line: cut it where it stops fitting.
        linha.pop_back();
        --lidos;
      }
    }
    while (!linha.empty() && linha.back() == kEspaco) {
      linha.pop_back();
      --espacos;
    }

    s.CurrentY += s.TextHeight(std::u32string_view(linha));
    const double topo = s.CurrentY;
    if (topo + s.TextHeight("textoatual") > YLimite) noLimite = true;

    const bool fimDoTexto = lidos >= n;
    if (fimDeParagrafo) ++lidos;  // the LF after the CR
    if (fimDoTexto || fimDeParagrafo || !transbordou || espacos < 2) {
      s.CurrentX = X;
      if (!linha.empty()) s.Print(std::u32string_view(linha));
    } else {
      const double folga = (largura - s.TextWidth(std::u32string_view(linha))) / (espacos - 1);
      DesenhaJustificada(s, linha, X, topo, folga);
    }
    s.CurrentY = topo;

    if (noLimite) {
      size_t resto = std::min(lidos, n);
      while (resto < n && texto[resto] < 32) ++resto;
      if (resto >= n) return true;
      Texto = Utf8(std::u32string_view(texto).substr(resto));
      return false;
    }
  } while (lidos < n);
  return true;
}

}  // namespace cifra
