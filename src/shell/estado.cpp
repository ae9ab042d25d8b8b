#include "estado.h"

#include <QDate>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

#include "library/arquivo_registros.h"
#include "library/padroes.h"

namespace cifra {

std::string EscolhePastaDeDados(const std::optional<std::string>& pastaPedida) {
  if (pastaPedida && !pastaPedida->empty()) return *pastaPedida;
  if (const char* ambiente = std::getenv("CIFRALUMINA_PASTA"); ambiente && *ambiente) {
    return ambiente;
  }
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

EstadoDoPrograma CarregarEstado(const std::string& raiz, ProblemasDoInicio* problemas) {
  EstadoDoPrograma e{PastaDeDados(raiz), OrdemPadrao(), {}, {}, {}, {}, {}};
  // Each step keeps its first-run value when its file fails and problemas
  // collects the failure. A folder where the file should be is a failure
  // too, even for a reader that would take it for an empty file.
  auto passo = [&](const char* arquivo, auto&& le) {
    try {
      if (arquivo) {
        const std::filesystem::path caminho = e.pasta.Arquivo(arquivo);
        std::error_code ec;
        if (std::filesystem::exists(caminho, ec) && !std::filesystem::is_regular_file(caminho, ec)) {
          throw ErroDeArquivo("Não foi possível ler o arquivo \"" + caminho.string() +
                              "\": há uma pasta em seu lugar.");
        }
      }
      le();
      return true;
    } catch (const ErroDeArquivo& erro) {
      if (!problemas) throw;
      problemas->mensagens.emplace_back(erro.what());
      return false;
    }
  };
  passo(nullptr, [&] { InstalarPadroes(e.pasta); });
  passo("ordem.dat", [&] { e.OrdemTopicos = LerOrdemTopicos(e.pasta); });
  passo("Header.DAT", [&] { e.titulos = LerTitulos(e.pasta); });
  passo("fontes.dat", [&] { e.fontes = LerFontes(e.pasta); });
  if (!passo("cifralumina.dat", [&] { e.opcoes = CarregarEstadoPrograma(e.pasta); })) {
    problemas->opcoesIlegiveis = true;
  }
  passo("rodape.dat", [&] { e.linhas = LerLinhasRodape(e.pasta); });
  return e;
}

Data DataDeHoje() {
  const QDate hoje = QDate::currentDate();
  return {hoje.day(), hoje.month(), hoje.year()};
}

ConteudoDaAnalise ConteudoDoEstado(const EstadoDoPrograma& estado) {
  const FigurasDaAnalise& figuras = FigurasDoPrograma();
  return {estado.analise, estado.opcoes, estado.fontes, estado.linhas,
          ImagemDoCabecalho(estado.opcoes, estado.analise.DataNascimento, figuras),
          figuras.divisoria, estado.OrdemTopicos};
}

}  // namespace cifra
