#pragma once
// The header line and the two footer lines of every page ("rodape.dat").
#include <string>

#include "library/pasta_dados.h"
#include "settings/contato.h"

namespace cifra {

inline constexpr size_t kMaximoLinhaRodape = 198;  // what a 200-byte record holds

struct LinhasRodape {
  std::string LinhaRodapeUm = "Análise numerológica personalizada";
  std::string LinhaRodapeDois =
      "Para adquirir este programa ou obter outras informações, visite " +
      std::string(kSiteDoFabricante);
  std::string LinhaCabecalho = "Sua vida através da Cifralumina";
  friend bool operator==(const LinhasRodape&, const LinhasRodape&) = default;
};

// The stored lines, or the defaults when the file is missing or empty.
LinhasRodape LerLinhasRodape(const PastaDeDados& pasta);
// Lines longer than a record holds are cut to kMaximoLinhaRodape characters.
void GravarLinhasRodape(const PastaDeDados& pasta, const LinhasRodape& linhas);

}  // namespace cifra
