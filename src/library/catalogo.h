#pragma once
// The thirty topics of every analysis, fixed once: every part of the program
// that walks the topics (builder, pages, export, editor, options) reads them
// here.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace cifra {

inline constexpr int kTopicos = 30;

// One value per topic, indexed by topic number 1..kTopicos; element 0 carries
// no topic (the record files keep that slot too).
template <class T>
using PorTopico = std::array<T, kTopicos + 1>;

struct Topico {
  int numero;
  std::string_view nome;       // catalogue name
  std::string_view codigo;     // interpretation file is codigo + ".DAT"
  std::string_view rotulo;     // label in the editor and the options
  int registroDescricao;       // record of "CDATA.DAT", 0 when none
  std::string_view descricaoFixa = {};  // the description of a topic without a record
};

// Topic 1..kTopicos; throws std::out_of_range otherwise.
const Topico& TopicoDoNumero(int numero);
const std::array<Topico, kTopicos>& Catalogo();
inline constexpr bool TopicoValido(int numero) { return numero >= 1 && numero <= kTopicos; }

std::string NomeDoTopico(int numero);  // "[Desconhecido]" outside the catalogue
// Exact match on the catalogue name; 0 when the name is not there.
int TopicoRealDoNome(std::string_view nome);
inline constexpr std::string_view kErroTopicoDesconhecido =
    "Erro QTX4 na Função \"TopicoRealDoNome()\"! Contate Calderix!";

std::string ArquivoDoTopico(int numero);  // e.g. "CVIDA.DAT"

}  // namespace cifra
