#pragma once
// The analysis builder: one person's name and date of birth in, the numbers
// and texts of all thirty topics out.
#include <array>
#include <string>

#include "engine/data.h"
#include "library/pasta_dados.h"
#include "settings/opcoes.h"

namespace cifra {

struct LinhaResultado {
  std::string Titulo;
  std::string Descricao;
  std::string Interpretacao;
  std::string Numero;  // decimal text; the first vowel itself for topic 26
  friend bool operator==(const LinhaResultado&, const LinhaResultado&) = default;
};

struct Analise {
  std::string NomeCompleto;    // folded name
  std::string DataNascimento;  // dd/mm/aaaa
  std::array<LinhaResultado, 31> ResultadoAnalise;  // row t = topic t; row 0 unused
};

// Fills rows 1..30 in place; fields the builder does not write (the titles
// of most topics, some descriptions) keep what they held, normally the titles
// loaded from "Header.DAT". The date must be a valid dd/mm/aaaa.
void MontaAnalise(Analise& analise, const PastaDeDados& pasta, const ProgramOptions& opcoes,
                  const Data& hoje);

// Titles from "Header.DAT" into every row, as at start-up.
void CarregaTitulosNaAnalise(Analise& analise, const PastaDeDados& pasta);

}  // namespace cifra
