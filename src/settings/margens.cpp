#include "margens.h"

#include <cmath>
#include <vector>

#include "library/arquivo_registros.h"

namespace cifra {
namespace {
constexpr size_t kRegistro = 168;  // only the first 16 bytes carry data
constexpr const char* kArquivo = "margens.dat";

std::vector<uint8_t> Bytes(const Margens& m, size_t tamanho) {
  std::vector<uint8_t> r(tamanho);
  GravaFloat(r, 0, m.Esquerda);
  GravaFloat(r, 4, m.Superior);
  GravaFloat(r, 8, m.Direita);
  GravaFloat(r, 12, m.Inferior);
  return r;
}
}  // namespace

Margens LerMargens(const PastaDeDados& pasta) {
  ArquivoDeRegistros arquivo(pasta.Arquivo(kArquivo), kRegistro);
  if (arquivo.Vazio()) arquivo.Grava(1, Bytes(Margens{}, kRegistro));
  const auto r = arquivo.Le(1);
  return {LeFloat(r, 0), LeFloat(r, 4), LeFloat(r, 8), LeFloat(r, 12)};
}

void GravarMargens(const PastaDeDados& pasta, const Margens& m) {
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(1, Bytes(m, 16));
}

bool MargensCabem(const Margens& m, double largura, double altura) {
  for (const float v : {m.Esquerda, m.Superior, m.Direita, m.Inferior}) {
    if (!std::isfinite(v) || v < 0) return false;
  }
  return largura - m.Esquerda - m.Direita >= kMenorLarguraUtil &&
         altura - m.Superior - m.Inferior >= kMenorAlturaUtil;
}

Margens MargensParaOTrabalho(const Margens& m, double largura, double altura,
                             bool* substituidas) {
  const bool cabem = MargensCabem(m, largura, altura);
  if (substituidas) *substituidas = !cabem;
  return cabem ? m : Margens{};
}

}  // namespace cifra
