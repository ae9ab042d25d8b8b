#include "ordem.h"

#include "arquivo_registros.h"

namespace cifra {
namespace {
constexpr size_t kRegistro = 62;
constexpr const char* kArquivo = "ordem.dat";
}  // namespace

OrdemDosTopicos OrdemPadrao() {
  OrdemDosTopicos ordem{};
  for (int i = 1; i <= 30; ++i) ordem[i] = static_cast<int16_t>(i);
  return ordem;
}

void GravaOrdemTopicos(const PastaDeDados& pasta, const OrdemDosTopicos& ordem) {
  std::vector<uint8_t> r(kRegistro);
  for (size_t i = 0; i < ordem.size(); ++i) GravaInt16(r, 2 * i, ordem[i]);
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(1, r);
}

OrdemDosTopicos CarregaOrdemTopicos(const PastaDeDados& pasta) {
  ArquivoDeRegistros arquivo(pasta.Arquivo(kArquivo), kRegistro);
  if (arquivo.Vazio()) GravaOrdemTopicos(pasta, OrdemPadrao());
  const auto r = arquivo.Le(1);
  OrdemDosTopicos ordem{};
  for (size_t i = 0; i < ordem.size(); ++i) ordem[i] = LeInt16(r, 2 * i);
  return ordem;
}

}  // namespace cifra
