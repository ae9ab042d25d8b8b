#include "padroes.h"

#include <QDir>
#include <QFile>

#include "arquivo_registros.h"

// The resources of a static library are registered by hand.
static void RegistraPadroes() { Q_INIT_RESOURCE(padroes); }

namespace cifra {
namespace {

const QString kRecursos = QStringLiteral(":/padroes");

}  // namespace

std::vector<std::string> ArquivosPadrao() {
  RegistraPadroes();
  std::vector<std::string> nomes;
  for (const QString& nome : QDir(kRecursos).entryList(QDir::Files, QDir::Name)) {
    nomes.push_back(nome.toStdString());
  }
  return nomes;
}

std::string RecursoPadrao(std::string_view nome) {
  for (const std::string& padrao : ArquivosPadrao()) {
    if (MaiusculasAscii(padrao) == MaiusculasAscii(nome)) {
      return (kRecursos + "/" + QString::fromStdString(padrao)).toStdString();
    }
  }
  return {};
}

std::optional<std::vector<uint8_t>> ConteudoPadrao(std::string_view nome) {
  const std::string recurso = RecursoPadrao(nome);
  QFile arquivo(QString::fromStdString(recurso));
  if (recurso.empty() || !arquivo.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = arquivo.readAll();
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::string> InstalarPadroes(const PastaDeDados& pasta,
                                         std::vector<std::string>* naoInstalados) {
  std::vector<std::string> escritos;
  for (const std::string& nome : ArquivosPadrao()) {
    const auto destino = pasta.Arquivo(nome);
    // Whatever is there (even a link that leads nowhere) is the operator's.
    if (NomeOcupado(destino)) continue;
    const auto bytes = ConteudoPadrao(nome);
    if (!bytes) continue;
    try {
      // A half-written default would pass for the operator's own file, and
      // another program starting now may be installing the same one.
      if (InstalaSeAusente(destino, std::string_view(reinterpret_cast<const char*>(bytes->data()),
                                                     bytes->size()))) {
        escritos.push_back(nome);
      }
    } catch (const ErroDeArquivo& erro) {
      if (!naoInstalados) throw;
      naoInstalados->emplace_back(erro.what());
    }
  }
  return escritos;
}

}  // namespace cifra
