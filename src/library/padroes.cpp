#include "padroes.h"

#include <filesystem>
#include <fstream>
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
    std::ofstream saida(destino, std::ios::binary | std::ios::trunc);
    saida.write(a.bytes.data(), static_cast<std::streamsize>(a.bytes.size()));
    saida.flush();
    if (!saida) {
      saida.close();
      // A half-written default would pass for the operator's own file next time.
      std::filesystem::remove(destino, ec);
      throw ErroDeArquivo("Não foi possível gravar o arquivo \"" + destino.string() +
                          "\". Verifique se há espaço livre no disco e se a pasta de dados "
                          "permite gravação.");
    }
    escritos.push_back(std::string(a.nome));
  }
  return escritos;
}

}  // namespace cifra
