#include "padroes.h"

#include <filesystem>
#include <system_error>

#include "arquivo_registros.h"
#include "padroes_embutidos.h"

namespace cifra {

std::vector<std::string> InstalarPadroes(const PastaDeDados& pasta) {
  std::vector<std::string> escritos;
  for (const ArquivoPadrao& a : ArquivosPadrao()) {
    if (a.nome.empty()) continue;
    const auto destino = pasta.Arquivo(a.nome);
    std::error_code ec;
    if (std::filesystem::exists(destino, ec)) continue;
    // Written aside and then put in place: a half-written default would pass
    // for the operator's own file next time.
    GravaArquivoInteiro(destino, a.bytes);
    escritos.push_back(std::string(a.nome));
  }
  return escritos;
}

}  // namespace cifra
