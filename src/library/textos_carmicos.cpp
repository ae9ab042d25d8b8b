#include "textos_carmicos.h"

#include <algorithm>

#include "engine/mapa_carmico.h"

namespace cifra {
namespace {

constexpr std::array<ParteDoMapa, 4> kPartes{{
    {ParteCarmica::Licao, "Lição Cármica", "Lições Cármicas", "LICOCARM.DAT", 2},
    {ParteCarmica::Tendencia, "Tendência Oculta", "Tendência Oculta", "TENDOCUL.DAT", 3},
    {ParteCarmica::Resposta, "Resposta Subconsciente", "Resposta Subconsciente", "RESPSUBC.DAT", 4},
    {ParteCarmica::Divida, "Dívida Cármica", "Dívidas Cármicas", "DIVCARM.DAT", 5},
}};

}  // namespace

const std::array<ParteDoMapa, 4>& PartesDoMapa() { return kPartes; }

const ParteDoMapa& ParteDoMapaDe(ParteCarmica parte) {
  return kPartes[static_cast<size_t>(parte)];
}

std::vector<int> NumerosDaParte(ParteCarmica parte) {
  if (parte == ParteCarmica::Divida) return {kDividasCarmicas.begin(), kDividasCarmicas.end()};
  return {1, 2, 3, 4, 5, 6, 7, 8, 9};
}

int RegistroCarmico(ParteCarmica parte, int numero) {
  const std::vector<int> numeros = NumerosDaParte(parte);
  const auto p = std::find(numeros.begin(), numeros.end(), numero);
  if (p == numeros.end()) return 0;
  return parte == ParteCarmica::Divida ? static_cast<int>(p - numeros.begin()) + 1 : numero;
}

}  // namespace cifra
