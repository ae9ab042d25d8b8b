#include "formula.h"

#include <cstdlib>

#include "numeros_nome.h"
#include "numerologia.h"

namespace cifra {

int ValorDoBloco(int16_t codigo, bool mestres, const ContextoFormula& c) {
  auto reduz = [&](int n) {
    return mestres ? ReduzComMestres(n, c.numerosMagicos) : ReduzNumero(n);
  };
  switch (codigo) {
    case 0: return reduz(c.hoje.dia);
    case 1: return reduz(c.hoje.mes);
    case 2: return reduz(c.hoje.ano);
    case 3: return SomaDasVogais(c.nome, c.numerosMagicos);
    case 4: return SomaDasConsoantes(c.nome, c.numerosMagicos);
    case 5: return reduz(c.nascimento.dia);
    case 6: return reduz(c.nascimento.mes);
    case 7: return reduz(c.nascimento.ano);
    case 8: return SomaDoNome(c.nome, c.numerosMagicos);
    case 9: {
      const char32_t vogal = PrimeiraVogalDoNome(c.nome);
      return vogal ? ValorDaVogal(vogal) : 0;
    }
    case 10: return LetrasDoNome(c.nome);
    case 11: {
      const auto espaco = c.nome.find(U' ');
      if (espaco == std::u32string::npos) return 0;
      const int soma = SomaDoNome(std::u32string_view(c.nome).substr(0, espaco), c.numerosMagicos);
      return mestres ? soma : ReduzNumero(soma);
    }
    default: return 0;
  }
}

int16_t AvaliaFormula(std::span<const int16_t> codigos, const ContextoFormula& ctx) {
  using namespace codigo_formula;
  bool mestres = false;
  // Every block is at most the length of the name, so a 64-bit total cannot
  // overflow on any file that fits on a disk.
  int64_t total = 0;
  int16_t operador = 0;
  for (size_t i = 0; i < codigos.size(); ++i) {
    const int16_t codigo = codigos[i];
    if (codigo == kFim) break;
    if (i == 0) {
      mestres = codigo == kMestresValidos;
      continue;
    }
    if (codigo == kSomar || codigo == kSubtrair) {
      operador = codigo;
      continue;
    }
    const int v = ValorDoBloco(codigo, mestres, ctx);
    if (i == 1) {
      total = v;
    } else if (operador == kSomar) {
      total += v;
    } else if (operador == kSubtrair) {
      total = total >= v ? total - v : v - total;
    }
  }
  return mestres ? ReduzComMestres(total, ctx.numerosMagicos) : ReduzNumero(total);
}

}  // namespace cifra
