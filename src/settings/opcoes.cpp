#include "opcoes.h"

#include <vector>

#include "library/campos.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 168;
constexpr const char* kArquivo = "cifralumina.dat";

using O = ProgramOptions;
constexpr Campo<O> kCampos[] = {
    {0, &O::ImprimirDescricao},
    {2, &O::ImprimirNumero},
    {4, &O::ImprimirPretoEmBranco},
    {6, &O::ImprimirFolhaRosto},
    {8, &O::ImprimirCabecalho},
    {10, &O::Reservado},
    {16, &O::TopicoAtivo},  // one flag per slot, slot 0 included
    {78, &O::EscutarSons},
    {80, &O::ImagemCabecalho, 80},
    {160, &O::ExibirQuadroNumerologico},
    {162, &O::TipoImpressao},
    {164, &O::ConsiderarDiaNascimento},
    {166, &O::NumerosMagicos},
};
static_assert(CamposEmOrdem<O>(kCampos) && FimDosCampos<O>(kCampos) == kRegistro);

// The options that came after the thirty topics, with room for more: a
// newer program adds fields after these, and an older one leaves them be.
constexpr size_t kRegistroExtras = 64;
constexpr const char* kArquivoExtras = "extras.dat";
constexpr Campo<O> kCamposExtras[] = {
    {0, &O::IncluirMapaCarmico},
};
constexpr size_t kUsadosExtras = FimDosCampos<O>(kCamposExtras);
static_assert(CamposEmOrdem<O>(kCamposExtras));

std::vector<uint8_t> Bytes(const ProgramOptions& o) {
  std::vector<uint8_t> r(kRegistro);
  GravaCampos<O>(r, kCampos, o);
  return r;
}

std::vector<uint8_t> BytesExtras(const ProgramOptions& o, size_t tamanho) {
  std::vector<uint8_t> r(tamanho);
  GravaCampos<O>(r, kCamposExtras, o);
  return r;
}

}  // namespace

void GravarEstadoPrograma(const PastaDeDados& pasta, const ProgramOptions& o) {
  GravaRegistroUnico(pasta, kArquivo, kRegistro, Bytes(o));
  // A new file starts as the whole default record, so that a field a newer
  // program reads past ours finds its default and not a short file.
  LeRegistroUnico(pasta, kArquivoExtras, kRegistroExtras, BytesExtras(ProgramOptions{}, kRegistroExtras),
                  kUsadosExtras);
  GravaRegistroUnico(pasta, kArquivoExtras, kRegistroExtras, BytesExtras(o, kUsadosExtras));
}

ProgramOptions CarregarEstadoPrograma(const PastaDeDados& pasta) {
  ProgramOptions o;
  LeCampos<O>(LeRegistroUnico(pasta, kArquivo, kRegistro, Bytes(ProgramOptions{})), kCampos, o);
  // A blank path (a record damaged inside) is no picture: the signs are the safe choice.
  if (o.ImagemCabecalho.empty()) o.ImagemCabecalho = kImagemDosSignos;
  LeCampos<O>(LeRegistroUnico(pasta, kArquivoExtras, kRegistroExtras,
                              BytesExtras(ProgramOptions{}, kRegistroExtras), kUsadosExtras),
              kCamposExtras, o);
  return o;
}

}  // namespace cifra
