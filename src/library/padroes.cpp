#include "padroes.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

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

std::vector<std::string> InstalarPadroes(const PastaDeDados& pasta) {
  std::vector<std::string> escritos;
  for (const std::string& nome : ArquivosPadrao()) {
    const auto destino = pasta.Arquivo(nome);
    std::error_code ec;
    if (std::filesystem::exists(destino, ec)) continue;
    QFile recurso(kRecursos + "/" + QString::fromStdString(nome));
    if (!recurso.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = recurso.readAll();
    // Written aside and then put in place: a half-written default would pass
    // for the operator's own file next time.
    GravaArquivoInteiro(destino, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    escritos.push_back(nome);
  }
  return escritos;
}

}  // namespace cifra
