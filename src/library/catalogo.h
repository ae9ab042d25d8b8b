#pragma once
// The thirty topics of every analysis, fixed once.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace cifra {

inline constexpr int kTopicos = 30;

struct Topico {
  int numero;
  std::string_view nome;       // catalogue name
  std::string_view codigo;     // interpretation file is codigo + ".DAT"
  std::string_view rotulo;     // label in the editor and the options
  int registroDescricao;       // record of "CDATA.DAT", 0 when none
};

// Topic 1..30; throws std::out_of_range otherwise.
const Topico& TopicoDoNumero(int numero);
const std::array<Topico, kTopicos>& Catalogo();

std::string NomeDoTopico(int numero);  // "[Desconhecido]" outside 1..30
// Exact match on the catalogue name; 0 when the name is not there.
int TopicoRealDoNome(std::string_view nome);
inline constexpr std::string_view kErroTopicoDesconhecido =
    "Erro QTX4 na Função \"TopicoRealDoNome()\"! Contate Calderix!";

std::string ArquivoDoTopico(int numero);  // e.g. "CVIDA.DAT"

}  // namespace cifra
