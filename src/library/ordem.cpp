#include "ordem.h"

#include "arquivo_registros.h"

namespace cifra {
namespace {
constexpr size_t kRegistro = 2 * std::tuple_size_v<OrdemDosTopicos>;
constexpr const char* kArquivo = "ordem.dat";
}  // namespace

OrdemDosTopicos OrdemPadrao() {
  OrdemDosTopicos ordem{};
  for (const Topico& t : Catalogo()) ordem[t.numero] = static_cast<int16_t>(t.numero);
  return ordem;
}

void GravarOrdemTopicos(const PastaDeDados& pasta, const OrdemDosTopicos& ordem) {
  std::vector<uint8_t> r(kRegistro);
  for (size_t i = 0; i < ordem.size(); ++i) GravaInt16(r, 2 * i, ordem[i]);
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(1, r);
}

OrdemDosTopicos LerOrdemTopicos(const PastaDeDados& pasta) {
  ArquivoDeRegistros arquivo(pasta.Arquivo(kArquivo), kRegistro);
  if (arquivo.Vazio()) GravarOrdemTopicos(pasta, OrdemPadrao());
  const auto r = arquivo.Le(1);
  OrdemDosTopicos ordem{};
  for (size_t i = 0; i < ordem.size(); ++i) ordem[i] = LeInt16(r, 2 * i);
  return ordem;
}

}  // namespace cifra
