#include "numeros_nome.h"

#include "numerologia.h"
#include "texto.h"

namespace cifra {

int LetrasDoNome(std::u32string_view nome) {
  int total = 0;
  for (char32_t c : nome) total += c != U' ';
  return total;
}

char32_t PrimeiraVogalDoNome(std::u32string_view nome) {
  for (char32_t c : nome) {
    c = Maiuscula(c);
    if (ValorDaVogal(c) != 0) return c;
  }
  return 0;
}

NumerosDoNome CalculaNumerosDoNome(std::u32string_view nome, int16_t caminhoDaVida,
                                   bool mestres) {
  NumerosDoNome n;
  n.Expressao = SomaDoNome(nome, mestres);
  n.ImpulsoDaAlma = SomaDasVogais(nome, mestres);
  n.EuSilencioso = SomaDasConsoantes(nome, mestres);
  n.PrimeiraVogal = PrimeiraVogalDoNome(nome);
  constexpr std::u32string_view kVogais = U"AEIOUY";
  const auto pos = n.PrimeiraVogal ? kVogais.find(n.PrimeiraVogal) : std::u32string_view::npos;
  n.IndiceVogal = pos == std::u32string_view::npos ? 0 : static_cast<int16_t>(pos + 1);
  n.Caracteristicas = ReduzComMestres(LetrasDoNome(nome), mestres);
  n.Realidade = ReduzComMestres(ReduzNumero(caminhoDaVida) + ReduzNumero(n.Expressao), mestres);
  return n;
}

}  // namespace cifra
