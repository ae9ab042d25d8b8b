#include "estado.h"

#include <QDate>
#include <QStandardPaths>
#include <cstdlib>

#include "library/padroes.h"

namespace cifra {

std::string EscolhePastaDeDados(const std::optional<std::string>& pastaPedida) {
  if (pastaPedida && !pastaPedida->empty()) return *pastaPedida;
  if (const char* ambiente = std::getenv("CIFRALUMINA_PASTA"); ambiente && *ambiente) {
    return ambiente;
  }
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

EstadoDoPrograma CarregarEstado(const std::string& raiz) {
  EstadoDoPrograma e{PastaDeDados(raiz), {}, {}, {}, {}, {}, {}};
  InstalarPadroes(e.pasta);
  e.OrdemTopicos = LerOrdemTopicos(e.pasta);
  e.titulos = LerTitulos(e.pasta);
  e.fontes = LerFontes(e.pasta);
  e.opcoes = CarregarEstadoPrograma(e.pasta);
  e.linhas = LerLinhasRodape(e.pasta);
  return e;
}

Data DataDeHoje() {
  const QDate hoje = QDate::currentDate();
  return {hoje.day(), hoje.month(), hoje.year()};
}

}  // namespace cifra
