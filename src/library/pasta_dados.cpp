#include "pasta_dados.h"

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
  if (!fs::is_directory(raiz_, ec)) {
    throw ErroDeArquivo("Não foi possível criar a pasta de dados \"" + raiz_.string() + "\".");
  }
}

fs::path PastaDeDados::Arquivo(std::string_view nome) const {
  const fs::path exato = raiz_ / nome;
  std::error_code ec;
  if (fs::exists(exato, ec)) return exato;
  for (fs::directory_iterator it(raiz_, ec), fim; !ec && it != fim; it.increment(ec)) {
    if (MesmoNome(it->path().filename().string(), nome)) return it->path();
  }
  return exato;
}

}  // namespace cifra
