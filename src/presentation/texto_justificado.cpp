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

// Whether a line is wider than the room, without shaping the line.
//
// Far from the edge the sum of the characters' own widths decides: it differs
// from the measured width only by kerning, a few hundredths of an em per
// pair, so a line whose sum stays 5 % (and two em) short of the room surely
// fits. Near the edge the measured width decides, and that is put together
// from pieces, each a word with the space after it: in the surface's unit of
// measure a line measures exactly what its pieces measure plus the kerning
// between each closing space and the next piece's first character, and the
// surface keeps the width of every piece it has measured. So the figure is
// the very one measuring the whole line would give, at the cost of a lookup.
//
// The line is asked only where a word ends and where a space is added: a
// word grows wider with every character, so it overflows the room as a
// whole exactly when some beginning of it does, and the line is then cut
// before the word either way. Measuring each beginning of each word near the
// edge would shape a new text at every character.
class MedidaDaLinha {
 public:
  MedidaDaLinha(const SuperficieDeDesenho& s, double largura)
      : s_(s), largura_(largura), margem_(std::max(0.05 * largura, 2 * s.TextWidth("M"))) {}

  void Inicia() {
    soma_ = 0;
    pecas_ = 0;
    inicioDaPeca_ = 0;
    larguraDasPecas_ = 0;
  }
  // The line has just grown by c.
  void Acrescenta(const std::u32string& linha, char32_t c) {
    auto [it, novo] = larguras_.try_emplace(c, 0.0);
    if (novo) it->second = s_.TextWidth(std::u32string_view(&c, 1));
    soma_ += it->second;
    if (c == kEspaco) {
      larguraDasPecas_ += Peca(std::u32string_view(linha).substr(inicioDaPeca_), pecas_ > 0);
      ++pecas_;
      inicioDaPeca_ = linha.size();
    }
  }
  // Is the line as it stands wider than the room?
  bool Transborda(const std::u32string& linha) {
    if (soma_ < largura_ - margem_) return false;
    const std::u32string_view resto = std::u32string_view(linha).substr(inicioDaPeca_);
    const double unidades = larguraDasPecas_ + (resto.empty() ? 0 : Peca(resto, pecas_ > 0));
    return unidades / s_.UnidadesPorMm() > largura_;
  }
  // A line of one word wider than the room: how many of its characters fit
  // (at least one), the word grown a character at a time.
  size_t CaracteresQueCabem(std::u32string_view palavra) {
    Inicia();
    std::u32string inicio;
    for (char32_t c : palavra) {
      inicio += c;
      Acrescenta(inicio, c);
      if (Transborda(inicio)) return std::max<size_t>(1, inicio.size() - 1);
    }
    return palavra.size();
  }

  // The width of a whole line, as TextWidth would give it.
  double Largura(std::u32string_view linha) {
    double unidades = 0;
    for (size_t i = 0; i < linha.size();) {
      const size_t espaco = linha.find(kEspaco, i);
      const size_t fim = espaco == std::u32string_view::npos ? linha.size() : espaco + 1;
      unidades += Peca(linha.substr(i, fim - i), i > 0);
      i = fim;
    }
    return unidades / s_.UnidadesPorMm();
  }

 private:
  // A piece's width in the unit of measure, with the kerning against the
  // space before it when it follows one.
  double Peca(std::u32string_view peca, bool depoisDeEspaco) {
    double unidades = s_.LarguraNaUnidade(peca);
    if (depoisDeEspaco) {
      auto [it, novo] = kerning_.try_emplace(peca.front(), 0.0);
      if (novo) {
        const char32_t par[] = {kEspaco, peca.front()};
        it->second = s_.LarguraNaUnidade(std::u32string_view(par, 2)) -
                     s_.LarguraNaUnidade(std::u32string_view(par, 1)) -
                     s_.LarguraNaUnidade(std::u32string_view(par + 1, 1));
      }
      unidades += it->second;
    }
    return unidades;
  }

  const SuperficieDeDesenho& s_;
  double largura_;
  double margem_;
  double soma_ = 0;
  int pecas_ = 0;               // complete pieces on the line
  size_t inicioDaPeca_ = 0;     // where the piece being read starts
  double larguraDasPecas_ = 0;  // the complete pieces, in the unit of measure
  std::unordered_map<char32_t, double> larguras_;
  std::unordered_map<char32_t, double> kerning_;  // after a space, in the unit of measure
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
    bool palavraTransbordou = false;  // the line overflowed inside its last word
    medida.Inicia();
    const auto palavraTransborda = [&] {
      return !linha.empty() && linha.back() != kEspaco && medida.Transborda(linha);
    };
    while (lidos < n) {
      const char32_t c = texto[lidos++];
      if (c == kCR) {
        fimDeParagrafo = true;
        break;
      }
      if (c == kEspaco && palavraTransborda()) {
        palavraTransbordou = true;
        break;
      }
      linha += c;
      medida.Acrescenta(linha, c);
      if (c == kEspaco) {
        ++espacos;
        ultimoEspaco = lidos;
        if (medida.Transborda(linha)) {
          transbordou = true;
          linha.pop_back();  // the break space is not set, but still counted
          break;
        }
      }
    }
    if (!transbordou && !palavraTransbordou) palavraTransbordou = palavraTransborda();

    if (palavraTransbordou) {
      transbordou = true;
      fimDeParagrafo = false;
      if (ultimoEspaco > 0) {
        linha.resize(ultimoEspaco - 1 - inicio);
        lidos = ultimoEspaco;
      } else {
        // One word wider than the line: cut it where it stops fitting.
        linha.resize(medida.CaracteresQueCabem(linha));
        lidos = inicio + linha.size();
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
      const double folga = (largura - medida.Largura(linha)) / (espacos - 1);
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
