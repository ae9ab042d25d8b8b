#include "fontes.h"

#include <algorithm>
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

Fonte FonteUtilizavel(const Fonte& fonte, const Fonte& padrao, const FaceConhecida& conhecida) {
  Fonte f = fonte;
  f.Nome = AparaBrancos(f.Nome);
  if (f.Nome.empty() || (conhecida && !conhecida(f.Nome))) f.Nome = padrao.Nome;
  f.Tamanho = std::clamp(f.Tamanho, kMenorTamanhoDeFonte, kMaiorTamanhoDeFonte);
  return f;
}

Fontes FontesUtilizaveis(const Fontes& fontes, const FaceConhecida& conhecida) {
  const Fontes padrao;
  return {FonteUtilizavel(fontes.FonteTitulo, padrao.FonteTitulo, conhecida),
          FonteUtilizavel(fontes.FonteDescricao, padrao.FonteDescricao, conhecida),
          FonteUtilizavel(fontes.FonteTexto, padrao.FonteTexto, conhecida)};
}

}  // namespace cifra
