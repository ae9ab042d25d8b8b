#pragma once
// Everything the program keeps for the whole run, loaded as at start-up.
#include <optional>
#include <string>
#include <vector>

#include "analysis/analise.h"
#include "library/ordem.h"
#include "library/pasta_dados.h"
#include "presentation/compositor.h"
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
  // What start-up could not do but went on without (defaults it could not
  // install), for a caller that gave CarregarEstado no ProblemasDoInicio.
  std::vector<std::string> avisos;
};

// What start-up could not read. The program goes on with first-run values
// for those files; an options file it could not read is never written over.
struct ProblemasDoInicio {
  std::vector<std::string> mensagens;  // one per file, naming it
  bool opcoesIlegiveis = false;        // "cifralumina.dat" must be left alone
};

// Installs missing defaults (one that cannot be written is reported in
// problemas, or else in the state's avisos, and the program's own copy
// serves), then reads the order, the titles, the fonts,
// the options and the header and footer lines (creating missing files).
// Without problemas the first file that cannot be read throws ErroDeArquivo;
// with it every such file is reported there and start-up goes on. Only a
// data folder that cannot be created always throws.
EstadoDoPrograma CarregarEstado(const std::string& raiz, ProblemasDoInicio* problemas = nullptr);

// --pasta DIR, else CIFRALUMINA_PASTA, else the per-user data location.
std::string EscolhePastaDeDados(const std::optional<std::string>& pastaPedida);

Data DataDeHoje();

// What composing estado.analise draws: the analysis, the options, fonts and
// lines in force, the header picture and the separator.
ConteudoDaAnalise ConteudoDoEstado(const EstadoDoPrograma& estado);

}  // namespace cifra
