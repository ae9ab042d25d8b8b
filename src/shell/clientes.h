#pragma once
// The client register "caduser.dat": fixed 337-byte records, only appended.
#include <string>
#include <vector>

#include "library/pasta_dados.h"

namespace cifra {

struct Cliente {
  std::string Nome;            // 100
  std::string Endereco;        // 150
  std::string CidadeUf;        // 50
  std::string Cep;             // 10
  std::string Telefone;        // 15
  std::string DataNascimento;  // 10, dd/mm/aaaa
  friend bool operator==(const Cliente&, const Cliente&) = default;
};

// Clients in record order, fields trimmed; a missing file holds none.
std::vector<Cliente> LerClientes(const PastaDeDados& pasta);
// Number of records: the file length over 337, to the nearest whole number.
int ContarClientes(const PastaDeDados& pasta);
// Appends a record; each field is cut to its length and blank-padded.
void AcrescentarCliente(const PastaDeDados& pasta, const Cliente& cliente);

}  // namespace cifra
