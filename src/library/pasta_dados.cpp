#include "pasta_dados.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "arquivo_registros.h"

namespace cifra {
namespace fs = std::filesystem;

namespace {
bool MesmoNome(std::string_view a, std::string_view b) {
  return MaiusculasAscii(a) == MaiusculasAscii(b);
}
}  // namespace

PastaDeDados::PastaDeDados(fs::path raiz) : raiz_(std::move(raiz)) {
  std::error_code ec;
  fs::create_directories(raiz_, ec);
  const std::string nome = "a pasta de dados \"" + raiz_.string() + "\".";
  // A folder the program may not enter (or one above it) would otherwise
  // be reported file by file, as if each could not be written.
  const std::string fechada = "Não foi possível abrir " + nome +
                              " O programa não tem permissão para entrar nela ou numa das pastas "
                              "que a contêm.";
  struct stat info {};
  if (::stat(raiz_.c_str(), &info) != 0) {
    if (errno == EACCES) throw ErroDeArquivo(fechada);
    const bool semPermissao = ec.value() == EACCES || ec.value() == EPERM || ec.value() == EROFS;
    throw ErroDeArquivo("Não foi possível criar " + nome +
                        (semPermissao ? " O programa não tem permissão para criá-la."
                                      : MotivoDaFalha(raiz_, ec ? ec.value() : errno)));
  }
  if (!S_ISDIR(info.st_mode)) {
    throw ErroDeArquivo("Não foi possível criar " + nome +
                        " Há um arquivo com esse nome no lugar da pasta.");
  }
  if (::access(raiz_.c_str(), X_OK) != 0) throw ErroDeArquivo(fechada);
}

fs::path PastaDeDados::Arquivo(std::string_view nome) const {
  const fs::path exato = raiz_ / nome;
  std::error_code ec;
  if (NomeOcupado(exato)) return exato;
  for (fs::directory_iterator it(raiz_, ec), fim; !ec && it != fim; it.increment(ec)) {
    if (MesmoNome(it->path().filename().string(), nome)) return it->path();
  }
  return exato;
}

}  // namespace cifra
