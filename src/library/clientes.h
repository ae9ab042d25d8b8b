#pragma once
// The client register "caduser.dat": fixed 337-byte records. Appending takes a
// lock, so two programs on the same folder never write the same record, and
// never touches a byte already in the file. Changing or removing a client
// rewrites the whole file aside and then replaces it. The file holds personal
// data: only its owner may read or write it.
#include <cstdint>
#include <optional>
#include <span>
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

// The names of the register, read once, for a list of any length: every
// name and its search key kept end to end in two blocks of text (a million
// clients take some 85 MB; whole records with a widget item each took 640).
// The rest of a record is read from the file when it is chosen
// (LerRegistroDeCliente).
class NomesDoCadastro {
 public:
  NomesDoCadastro() = default;
  // Throws ErroDeArquivo; a missing file holds none.
  explicit NomesDoCadastro(const PastaDeDados& pasta);

  int Quantos() const { return static_cast<int>(danificado_.size()); }
  std::string_view Nome(int i) const;
  bool Danificado(int i) const { return danificado_[static_cast<size_t>(i)]; }
  // Positions of the records whose name contains the filter, accents and
  // case ignored (ChaveDeBusca), in file order; every one for an empty filter.
  std::vector<int> Filtrar(std::string_view filtro) const;

 private:
  void Acrescenta(std::span<const uint8_t> registro);

  std::string nomes_;                  // UTF-8, one after another
  std::vector<uint32_t> fimDoNome_;    // where name i ends in nomes_
  std::string chaves_;                 // each key followed by '\n', which no key holds
  std::vector<uint32_t> fimDaChave_;   // where key i's '\n' lies
  std::vector<bool> danificado_;
};

// Record `indice` (from 0) as the file holds it now; nothing when the file
// ends before it. Throws ErroDeArquivo.
std::optional<RegistroDeCliente> LerRegistroDeCliente(const PastaDeDados& pasta, int indice);

}  // namespace cifra
