#include "fontes.h"

#include <vector>

#include "library/campos.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 168;
constexpr const char* kArquivo = "fontes.dat";

// One font: 50 bytes of name, then bold, italic and size.
constexpr Campo<Fonte> kCamposDaFonte[] = {
    {0, &Fonte::Nome, 50},
    {50, &Fonte::Negrito},
    {52, &Fonte::Italico},
    {54, &Fonte::Tamanho},
};
constexpr size_t kFonte = FimDosCampos<Fonte>(kCamposDaFonte);
static_assert(CamposEmOrdem<Fonte>(kCamposDaFonte) && kFonte == 56);

// The three fonts one after the other.
constexpr Fonte Fontes::*kOrdem[] = {&Fontes::FonteTitulo, &Fontes::FonteDescricao,
                                     &Fontes::FonteTexto};
static_assert(std::size(kOrdem) * kFonte == kRegistro);

std::vector<uint8_t> Bytes(const Fontes& f) {
  std::vector<uint8_t> r(kRegistro);
  for (size_t i = 0; i < std::size(kOrdem); ++i) {
    GravaCampos<Fonte>(r, kCamposDaFonte, f.*kOrdem[i], i * kFonte);
  }
  return r;
}

}  // namespace

void GravarFontes(const PastaDeDados& pasta, const Fontes& f) {
  GravaRegistroUnico(pasta, kArquivo, kRegistro, Bytes(f));
}

Fontes LerFontes(const PastaDeDados& pasta) {
  const auto r = LeRegistroUnico(pasta, kArquivo, kRegistro, Bytes(Fontes{}));
  Fontes f;
  for (size_t i = 0; i < std::size(kOrdem); ++i) {
    LeCampos<Fonte>(r, kCamposDaFonte, f.*kOrdem[i], i * kFonte);
  }
  return f;
}

}  // namespace cifra
