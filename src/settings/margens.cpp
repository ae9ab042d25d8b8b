#include "margens.h"

#include <cmath>
#include <vector>

#include "library/campos.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 168;
constexpr const char* kArquivo = "margens.dat";

constexpr Campo<Margens> kCampos[] = {
    {0, &Margens::Esquerda},
    {4, &Margens::Superior},
    {8, &Margens::Direita},
    {12, &Margens::Inferior},
};
// Only the first 16 bytes of the record carry data; a save writes those
// and leaves the rest of the record as it was.
constexpr size_t kUsados = FimDosCampos<Margens>(kCampos);
static_assert(CamposEmOrdem<Margens>(kCampos) && kUsados == 16);

std::vector<uint8_t> Bytes(const Margens& m, size_t tamanho) {
  std::vector<uint8_t> r(tamanho);
  GravaCampos<Margens>(r, kCampos, m);
  return r;
}

}  // namespace

Margens LerMargens(const PastaDeDados& pasta) {
  Margens m;
  LeCampos<Margens>(LeRegistroUnico(pasta, kArquivo, kRegistro, Bytes(Margens{}, kRegistro), kUsados),
                    kCampos, m);
  return m;
}

void GravarMargens(const PastaDeDados& pasta, const Margens& m) {
  GravaRegistroUnico(pasta, kArquivo, kRegistro, Bytes(m, kUsados));
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
