#include "rodape.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "library/arquivo_registros.h"
#include "library/windows1252.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 200;
constexpr const char* kArquivo = "rodape.dat";

std::string LeLinha(const ArquivoDeRegistros& f, int n) {
  const auto r = f.Le(n);
  const size_t tamanho = std::min<size_t>(LeUInt16(r, 0), kMaximoLinhaRodape);
  return DeWindows1252(std::string_view(reinterpret_cast<const char*>(r.data()) + 2, tamanho));
}

void GravaLinha(ArquivoDeRegistros& f, int n, const std::string& linha) {
  std::string bytes = ParaWindows1252(linha);
  if (bytes.size() > kMaximoLinhaRodape) bytes.resize(kMaximoLinhaRodape);
  std::vector<uint8_t> r(2 + bytes.size());
  GravaInt16(r, 0, static_cast<int16_t>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), r.begin() + 2);
  f.Grava(n, r);  // the rest of the record keeps whatever it held
}

}  // namespace

LinhasRodape LerLinhasRodape(const PastaDeDados& pasta) {
  const auto caminho = pasta.Arquivo(kArquivo);
  std::error_code ec;
  if (!std::filesystem::exists(caminho, ec) || std::filesystem::file_size(caminho, ec) == 0) {
    return {};
  }
  ArquivoDeRegistros f(caminho, kRegistro);
  return {LeLinha(f, 1), LeLinha(f, 2), LeLinha(f, 3)};
}

void GravarLinhasRodape(const PastaDeDados& pasta, const LinhasRodape& l) {
  ArquivoDeRegistros f(pasta.Arquivo(kArquivo), kRegistro);
  GravaLinha(f, 1, l.LinhaRodapeUm);
  GravaLinha(f, 2, l.LinhaRodapeDois);
  GravaLinha(f, 3, l.LinhaCabecalho);
}

}  // namespace cifra
