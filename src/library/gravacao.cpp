#include "gravacao.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace cifra {

bool GravaArquivoInteiro(const std::string& caminho,
                         const std::function<bool(QIODevice& destino)>& escreve) {
  const QString nome = QString::fromStdString(caminho);
  std::error_code ec;
  const auto tipo = std::filesystem::status(caminho, ec).type();
  if (tipo != std::filesystem::file_type::not_found && tipo != std::filesystem::file_type::regular) {
    // A device or a pipe: there is nothing to put aside. A folder fails to open.
    QFile arquivo(nome);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
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

bool GravaArquivoInteiro(const std::string& caminho, const std::string& conteudo) {
  return GravaArquivoInteiro(caminho, [&](QIODevice& destino) {
    return destino.write(conteudo.data(), static_cast<qint64>(conteudo.size())) ==
           static_cast<qint64>(conteudo.size());
  });
}

std::string MensagemDeFalhaAoGravar(const std::string& caminho) {
  namespace fs = std::filesystem;
  const std::string inicio = "Não foi possível gravar o arquivo \"" + caminho + "\": ";
  std::error_code ec;
  if (fs::is_directory(caminho, ec)) return inicio + "é uma pasta.";
  fs::path pasta = fs::path(caminho).parent_path();
  if (pasta.empty()) pasta = ".";
  if (!fs::exists(pasta, ec)) return inicio + "a pasta \"" + pasta.string() + "\" não existe.";
  if (!fs::is_directory(pasta, ec)) return inicio + "\"" + pasta.string() + "\" não é uma pasta.";
  if (::access(pasta.c_str(), W_OK | X_OK) != 0) {
    return inicio + "sem permissão para gravar na pasta \"" + pasta.string() + "\".";
  }
  if (fs::exists(caminho, ec) && ::access(caminho.c_str(), W_OK) != 0) {
    return inicio + "o arquivo não permite gravação.";
  }
  return inicio + "verifique o espaço livre no disco.";
}

}  // namespace cifra
