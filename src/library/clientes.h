#pragma once
// The client register "caduser.dat": fixed 337-byte records. Appending takes a
// lock, so two programs on the same folder never write the same record, and
// never touches a byte already in the file. Changing or removing a client
// rewrites the whole file aside and then replaces it. The file holds personal
// data: only its owner may read or write it.
#include <string>
#include <string_view>
#include <vector>

#include "pasta_dados.h"

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

// One record as found in the file. A damaged record (cut short by an
// interrupted write, or with bytes inside its fields that no save writes) is
// still listed, with what could be read, and kept until the operator changes
// or removes it.
struct RegistroDeCliente {
  Cliente cliente;
  bool danificado = false;
  friend bool operator==(const RegistroDeCliente&, const RegistroDeCliente&) = default;
};

// Every record in file order, fields trimmed; a missing file holds none. A
// register larger than the program works with (a million clients) lists the
// first million, says so once (AvisaSobreArquivo), and refuses every change.
std::vector<RegistroDeCliente> LerCadastro(const PastaDeDados& pasta);
std::vector<Cliente> LerClientes(const PastaDeDados& pasta);
// Whole and partial records: a trailing partial record counts as one.
int ContarClientes(const PastaDeDados& pasta);

// The operations below throw ErroDeArquivo with a message for the operator
// and leave the file as it was.
//
// Appends a record after the last one; each field is cut to its length and
// blank-padded. A trailing partial record is kept: the new one starts at the
// next record boundary.
void AcrescentarCliente(const PastaDeDados& pasta, const Cliente& cliente);
// Record `indice` (from 0), which must still be `lido`: if another program
// changed it meanwhile, nothing is written and the message says so.
void AlterarCliente(const PastaDeDados& pasta, int indice, const RegistroDeCliente& lido,
                    const Cliente& novo);
void ExcluirCliente(const PastaDeDados& pasta, int indice, const RegistroDeCliente& lido);

// A name as searched: accents removed, case folded ("João" and "JOAO" match).
std::string ChaveDeBusca(std::string_view texto);
// Positions of the records whose name contains the filter, accents and case
// ignored; every record for an empty filter.
std::vector<int> FiltrarClientes(const std::vector<RegistroDeCliente>& registros,
                                 std::string_view filtro);

}  // namespace cifra
