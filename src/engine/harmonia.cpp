#include "harmonia.h"

#include <array>

#include "numerologia.h"

namespace cifra {
namespace {

using H = Harmonia;
// Rows and columns: mental, creative, practical.
constexpr std::array<std::array<Harmonia, 3>, 3> kHarmonias{{
    {H::Natural, H::Complementar, H::Desafiadora},
    {H::Complementar, H::Natural, H::Complementar},
    {H::Desafiadora, H::Complementar, H::Natural},
}};

}  // namespace

std::string_view NomeDaHarmonia(Harmonia h) {
  switch (h) {
    case H::Natural: return "Natural";
    case H::Complementar: return "Complementar";
    case H::Desafiadora: return "Desafiadora";
  }
  return {};
}

int GrupoDoNumero(int numero) {
  switch (numero <= 0 ? 0 : ReduzNumero(numero)) {
    case 1: case 5: case 7: return 0;
    case 3: case 6: case 9: return 1;
    case 2: case 4: case 8: return 2;
    default: return -1;
  }
}

Harmonia HarmoniaEntre(int a, int b) {
  const int ga = GrupoDoNumero(a), gb = GrupoDoNumero(b);
  if (ga < 0 || gb < 0) return H::Desafiadora;
  return kHarmonias[static_cast<size_t>(ga)][static_cast<size_t>(gb)];
}

}  // namespace cifra
