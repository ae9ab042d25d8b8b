#include "clientes.h"

#include <filesystem>
#include <system_error>

#include "library/arquivo_registros.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 337;
constexpr const char* kArquivo = "caduser.dat";

struct Campo {
  std::string Cliente::*membro;
  size_t posicao;
  size_t tamanho;
};

constexpr Campo kCampos[] = {
    {&Cliente::Nome, 0, 100},      {&Cliente::Endereco, 100, 150},
    {&Cliente::CidadeUf, 250, 50}, {&Cliente::Cep, 300, 10},
    {&Cliente::Telefone, 310, 15}, {&Cliente::DataNascimento, 325, 10},
};

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
  for (int k = 0; k < total; ++k) {
    std::vector<uint8_t> r(kRegistro, 0);
    const size_t inicio = static_cast<size_t>(k) * kRegistro;
    for (size_t i = 0; i < kRegistro && inicio + i < bytes.size(); ++i) r[i] = bytes[inicio + i];
    Cliente c;
    for (const Campo& campo : kCampos) {
      c.*campo.membro = AparaBrancos(LeTextoFixo(r, campo.posicao, campo.tamanho));
    }
    clientes.push_back(std::move(c));
  }
  return clientes;
}

void AcrescentarCliente(const PastaDeDados& pasta, const Cliente& c) {
  const int total = ContarClientes(pasta);
  std::vector<uint8_t> r(kRegistro - 2);  // the last two bytes are never written
  for (const Campo& campo : kCampos) GravaTextoFixo(r, campo.posicao, campo.tamanho, c.*campo.membro);
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro).Grava(total + 1, r);
}

}  // namespace cifra
