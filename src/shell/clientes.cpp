#include "clientes.h"

#include "library/campos.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 337;
constexpr const char* kArquivo = "caduser.dat";

constexpr Campo<Cliente> kCampos[] = {
    {0, &Cliente::Nome, 100},      {100, &Cliente::Endereco, 150},
    {250, &Cliente::CidadeUf, 50}, {300, &Cliente::Cep, 10},
    {310, &Cliente::Telefone, 15}, {325, &Cliente::DataNascimento, 10},
};
// The last two bytes of a record are never written.
constexpr size_t kUsados = FimDosCampos<Cliente>(kCampos);
static_assert(CamposEmOrdem<Cliente>(kCampos) && kUsados == kRegistro - 2);

}  // namespace

int ContarClientes(const PastaDeDados& pasta) {
  std::error_code ec;
  const auto tamanho = std::filesystem::file_size(pasta.Arquivo(kArquivo), ec);
  if (ec) return 0;
  return static_cast<int>((tamanho + kRegistro / 2) / kRegistro);
}

std::vector<Cliente> LerClientes(const PastaDeDados& pasta) {
  const int total = ContarClientes(pasta);
  std::vector<Cliente> clientes;
  if (total < 1) return clientes;
  const auto bytes = ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).LeTudo();
  const std::span<const uint8_t> tudo(bytes);
  for (int k = 0; k < total; ++k) {
    const size_t inicio = static_cast<size_t>(k) * kRegistro;
    Cliente c;
    // The last record may be short: its missing bytes read as blanks.
    LeCampos<Cliente>(tudo.subspan(std::min(inicio, tudo.size())), kCampos, c);
    clientes.push_back(std::move(c));
  }
  return clientes;
}

void AcrescentarCliente(const PastaDeDados& pasta, const Cliente& c) {
  const int total = ContarClientes(pasta);
  std::vector<uint8_t> r(kUsados);
  GravaCampos<Cliente>(r, kCampos, c);
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(total + 1, r);
}

}  // namespace cifra
