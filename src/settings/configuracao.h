#pragma once
// The configuration: everything the operator sets, as the data folder holds
// it, loaded once at start-up. Windows receive the parts they edit; the
// builders and the composer read the parts they need. It holds no analysis:
// an analysis belongs to the document that shows it.
#include <optional>
#include <string>
#include <vector>

#include "library/interpretacoes.h"
#include "library/ordem.h"
#include "library/pasta_dados.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

namespace cifra {

struct Configuracao {
  PastaDeDados pasta;
  OrdemDosTopicos ordem{};
  TitulosDosTopicos titulos;  // "Header.DAT", what MontaAnalise starts from
  Fontes fontes;
  ProgramOptions opcoes;
  LinhasRodape linhas;
  Margens margens;
  // What start-up could not do but went on without (defaults it could not
  // install), for a caller that gave CarregarConfiguracao no ProblemasDoInicio.
  std::vector<std::string> avisos;
};

// What start-up could not read. The program goes on with first-run values
// for those files; an options file it could not read is never written over.
struct ProblemasDoInicio {
  std::vector<std::string> mensagens;  // one per file, naming it
  bool opcoesIlegiveis = false;        // "cifralumina.dat" must be left alone
};

// Installs missing defaults (one that cannot be written is reported in
// problemas, or else in avisos, and the program's own copy serves), then
// reads the order, the titles, the fonts, the options, the header and footer
// lines and the margins (creating missing files). Without problemas the
// first file that cannot be read throws ErroDeArquivo; with it every such
// file is reported there and start-up goes on. Only a data folder that
// cannot be created always throws.
Configuracao CarregarConfiguracao(const std::string& raiz, ProblemasDoInicio* problemas = nullptr);

// --pasta DIR, else CIFRALUMINA_PASTA, else the per-user data location;
// throws ErroDeArquivo when there is no home to find that location in.
std::string EscolhePastaDeDados(const std::optional<std::string>& pastaPedida);

}  // namespace cifra
