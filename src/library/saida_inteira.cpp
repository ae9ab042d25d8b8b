#include "saida_inteira.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

namespace cifra {

bool EhArquivoEspecial(const std::string& caminho) {
  std::error_code ec;
  const auto tipo = std::filesystem::status(caminho, ec).type();
  return tipo != std::filesystem::file_type::not_found &&
         tipo != std::filesystem::file_type::regular &&
         tipo != std::filesystem::file_type::directory;
}

bool GravaSaidaInteira(const std::string& caminho,
                       const std::function<bool(QIODevice& destino)>& escreve) {
  const QString nome = QString::fromStdString(caminho);
  if (EhArquivoEspecial(caminho)) {
    // A device or a pipe: there is nothing to put aside.
    QFile arquivo(nome);
    if (!arquivo.open(QIODevice::WriteOnly)) return false;
    const bool escrito = escreve(arquivo) && arquivo.flush();
    return escrito && arquivo.error() == QFileDevice::NoError;
  }
  // Written beside the destination under another name, then renamed over it.
  QSaveFile arquivo(nome);
  if (!arquivo.open(QIODevice::WriteOnly)) return false;
  // The last buffered bytes are written here, where a failure can be seen:
  // commit() closes without checking its own final flush.
  if (!escreve(arquivo) || !arquivo.flush() || arquivo.error() != QFileDevice::NoError) {
    arquivo.cancelWriting();
    return false;
  }
  return arquivo.commit();
}

}  // namespace cifra
