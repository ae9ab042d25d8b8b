#include "opcoes.h"

#include <vector>

#include "library/arquivo_registros.h"

namespace cifra {
namespace {
constexpr size_t kRegistro = 168;
constexpr const char* kArquivo = "cifralumina.dat";
}  // namespace

void GravarEstadoPrograma(const PastaDeDados& pasta, const ProgramOptions& o) {
  std::vector<uint8_t> r(kRegistro);
  GravaFlag(r, 0, o.ImprimirDescricao);
  GravaFlag(r, 2, o.ImprimirNumero);
  GravaFlag(r, 4, o.ImprimirPretoEmBranco);
  GravaFlag(r, 6, o.ImprimirFolhaRosto);
  GravaFlag(r, 8, o.ImprimirCabecalho);
  std::copy(o.Reservado.begin(), o.Reservado.end(), r.begin() + 10);
  for (size_t t = 0; t < o.TopicoAtivo.size(); ++t) GravaFlag(r, 16 + 2 * t, o.TopicoAtivo[t]);
  GravaFlag(r, 78, o.EscutarSons);
  GravaTextoFixo(r, 80, 80, o.ImagemCabecalho);
  GravaFlag(r, 160, o.ExibirQuadroNumerologico);
  GravaInt16(r, 162, o.TipoImpressao);
  GravaFlag(r, 164, o.ConsiderarDiaNascimento);
  GravaFlag(r, 166, o.NumerosMagicos);
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(1, r);
}

ProgramOptions CarregarEstadoPrograma(const PastaDeDados& pasta) {
  ArquivoDeRegistros arquivo(pasta.Arquivo(kArquivo), kRegistro);
  if (arquivo.Vazio()) GravarEstadoPrograma(pasta, ProgramOptions{});
  const auto r = arquivo.Le(1);
  ProgramOptions o;
  o.ImprimirDescricao = LeFlag(r, 0);
  o.ImprimirNumero = LeFlag(r, 2);
  o.ImprimirPretoEmBranco = LeFlag(r, 4);
  o.ImprimirFolhaRosto = LeFlag(r, 6);
  o.ImprimirCabecalho = LeFlag(r, 8);
  std::copy(r.begin() + 10, r.begin() + 16, o.Reservado.begin());
  for (size_t t = 0; t < o.TopicoAtivo.size(); ++t) o.TopicoAtivo[t] = LeFlag(r, 16 + 2 * t);
  o.EscutarSons = LeFlag(r, 78);
  o.ImagemCabecalho = LeTextoFixo(r, 80, 80);
  // A damaged or short record leaves no path: the signs are the safe choice.
  if (AparaBrancos(o.ImagemCabecalho).empty()) o.ImagemCabecalho = kImagemDosSignos;
  o.ExibirQuadroNumerologico = LeFlag(r, 160);
  o.TipoImpressao = LeInt16(r, 162);
  o.ConsiderarDiaNascimento = LeFlag(r, 164);
  o.NumerosMagicos = LeFlag(r, 166);
  return o;
}

}  // namespace cifra
