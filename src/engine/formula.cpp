#include "formula.h"

#include <cstdlib>
#include <optional>

#include "numeros_nome.h"
#include "numerologia.h"

namespace cifra {
namespace {

// What the name gives the blocks that read it. A formula may name the same
// block thousands of times; the name is read once per evaluation.
struct ValoresDoNome {
  int vogais = 0;
  int consoantes = 0;
  int nome = 0;
  int primeiraVogal = 0;
  int letras = 0;
  std::optional<int> primeiroNome;  // absent when the name has no space
};

ValoresDoNome LeONome(const ContextoFormula& c) {
  ValoresDoNome v;
  v.vogais = SomaDasVogais(c.nome, c.numerosMagicos);
  v.consoantes = SomaDasConsoantes(c.nome, c.numerosMagicos);
  v.nome = SomaDoNome(c.nome, c.numerosMagicos);
  const char32_t vogal = PrimeiraVogalDoNome(c.nome);
  v.primeiraVogal = vogal ? ValorDaVogal(vogal) : 0;
  v.letras = LetrasDoNome(c.nome);
  const auto espaco = c.nome.find(U' ');
  if (espaco != std::u32string::npos) {
    v.primeiroNome = SomaDoNome(std::u32string_view(c.nome).substr(0, espaco), c.numerosMagicos);
  }
  return v;
}

bool BlocoDoNome(int16_t codigo) {
  return codigo == 3 || codigo == 4 || (codigo >= 8 && codigo <= 11);
}

// doNome is read only for the blocks that take their value from the name.
int Valor(int16_t codigo, bool mestres, const ContextoFormula& c, const ValoresDoNome* doNome) {
  auto reduz = [&](int n) {
    return mestres ? ReduzComMestres(n, c.numerosMagicos) : ReduzNumero(n);
  };
  switch (codigo) {
    case 0: return reduz(c.hoje.dia);
    case 1: return reduz(c.hoje.mes);
    case 2: return reduz(c.hoje.ano);
    case 3: return doNome->vogais;
    case 4: return doNome->consoantes;
    case 5: return reduz(c.nascimento.dia);
    case 6: return reduz(c.nascimento.mes);
    case 7: return reduz(c.nascimento.ano);
    case 8: return doNome->nome;
    case 9: return doNome->primeiraVogal;
    case 10: return doNome->letras;
    case 11: {
      if (!doNome->primeiroNome) return 0;
      const int soma = *doNome->primeiroNome;
      return mestres ? soma : ReduzNumero(soma);
    }
    default: return 0;
  }
}

}  // namespace

int ValorDoBloco(int16_t codigo, bool mestres, const ContextoFormula& c) {
  const auto doNome = BlocoDoNome(codigo) ? std::optional(LeONome(c)) : std::nullopt;
  return Valor(codigo, mestres, c, doNome ? &*doNome : nullptr);
}

int16_t AvaliaFormula(std::span<const int16_t> codigos, const ContextoFormula& ctx) {
  using namespace codigo_formula;
  bool mestres = false;
  // Every block is at most the length of the name, so a 64-bit total cannot
  // overflow on any file that fits on a disk.
  int64_t total = 0;
  int16_t operador = 0;
  std::optional<ValoresDoNome> doNome;  // read when a block first needs it
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
    if (BlocoDoNome(codigo) && !doNome) doNome = LeONome(ctx);
    const int v = Valor(codigo, mestres, ctx, doNome ? &*doNome : nullptr);
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
