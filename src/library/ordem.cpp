#include "ordem.h"

#include "campos.h"

namespace cifra {
namespace {

// One int16 per slot of the order, slot 0 included: 62 bytes.
constexpr size_t kRegistro = 2 * std::tuple_size_v<OrdemDosTopicos>;
constexpr const char* kArquivo = "ordem.dat";

std::vector<uint8_t> Bytes(const OrdemDosTopicos& ordem) {
  std::vector<uint8_t> r(kRegistro);
  for (size_t i = 0; i < ordem.size(); ++i) GravaInt16(r, 2 * i, ordem[i]);
  return r;
}

}  // namespace

OrdemDosTopicos OrdemPadrao() {
  OrdemDosTopicos ordem{};
  for (const Topico& t : Catalogo()) ordem[t.numero] = static_cast<int16_t>(t.numero);
  return ordem;
}

void GravarOrdemTopicos(const PastaDeDados& pasta, const OrdemDosTopicos& ordem) {
  GravaRegistroUnico(pasta, kArquivo, kRegistro, Bytes(ordem));
}

OrdemDosTopicos LerOrdemTopicos(const PastaDeDados& pasta) {
  const auto r = LeRegistroUnico(pasta, kArquivo, kRegistro, Bytes(OrdemPadrao()));
  // A file cut short keeps the usual place of every slot it does not hold.
  OrdemDosTopicos ordem = OrdemPadrao();
  for (size_t i = 0; 2 * i + 2 <= r.size(); ++i) ordem[i] = LeInt16(r, 2 * i);
  return ordem;
}

OrdemDosTopicos OrdemValida(const OrdemDosTopicos& ordem) {
  PorTopico<bool> posto{};
  OrdemDosTopicos valida{};
  size_t i = 1;
  auto poe = [&](int topico) {
    if (!TopicoValido(topico) || posto[static_cast<size_t>(topico)]) return;
    posto[static_cast<size_t>(topico)] = true;
    valida[i++] = static_cast<int16_t>(topico);
  };
  for (size_t p = 1; p < ordem.size(); ++p) poe(ordem[p]);
  for (const Topico& t : Catalogo()) poe(t.numero);
  return valida;
}

}  // namespace cifra
