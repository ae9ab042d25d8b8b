#include "fontes.h"

#include <algorithm>
#include <vector>

#include "library/arquivo_registros.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 168;
constexpr size_t kFonte = 56;  // 50 of name, then bold, italic and size
constexpr const char* kArquivo = "fontes.dat";

Fonte LeFonte(std::span<const uint8_t> r, size_t pos) {
  return {LeTextoFixo(r, pos, 50), LeFlag(r, pos + 50), LeFlag(r, pos + 52), LeInt16(r, pos + 54)};
}

void GravaFonte(std::span<uint8_t> r, size_t pos, const Fonte& f) {
  GravaTextoFixo(r, pos, 50, f.Nome);
  GravaFlag(r, pos + 50, f.Negrito);
  GravaFlag(r, pos + 52, f.Italico);
  GravaInt16(r, pos + 54, f.Tamanho);
}

}  // namespace

void GravarFontes(const PastaDeDados& pasta, const Fontes& f) {
  std::vector<uint8_t> r(kRegistro);
  GravaFonte(r, 0, f.FonteTitulo);
  GravaFonte(r, kFonte, f.FonteDescricao);
  GravaFonte(r, 2 * kFonte, f.FonteTexto);
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(1, r);
}

Fontes LerFontes(const PastaDeDados& pasta) {
  ArquivoDeRegistros arquivo(pasta.Arquivo(kArquivo), kRegistro);
  if (arquivo.Vazio()) GravarFontes(pasta, Fontes{});
  const auto r = arquivo.Le(1);
  return {LeFonte(r, 0), LeFonte(r, kFonte), LeFonte(r, 2 * kFonte)};
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
