#pragma once
// Everything the program keeps for the whole run, loaded as at start-up.
#include <optional>
#include <string>

#include "analysis/analise.h"
#include "library/ordem.h"
#include "library/pasta_dados.h"
#include "settings/fontes.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

namespace cifra {

struct EstadoDoPrograma {
  PastaDeDados pasta;
  OrdemDosTopicos OrdemTopicos{};
  TitulosDosTopicos titulos;  // "Header.DAT", what MontaAnalise starts from
  Fontes fontes;
  ProgramOptions opcoes;
  LinhasRodape linhas;
  Analise analise;  // the analysis on show; empty until one is built
};

// Installs missing defaults, then reads the order, the titles, the fonts,
// the options and the header and footer lines (creating missing files).
EstadoDoPrograma CarregarEstado(const std::string& raiz);

// --pasta DIR, else CIFRALUMINA_PASTA, else the per-user data location.
std::string EscolhePastaDeDados(const std::optional<std::string>& pastaPedida);

Data DataDeHoje();

}  // namespace cifra
