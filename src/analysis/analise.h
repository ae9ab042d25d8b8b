#pragma once
// The analysis builder: one person's name and date of birth in, the numbers
// and texts of all the topics out.
#include <string>

#include "engine/data.h"
#include "library/catalogo.h"
#include "library/interpretacoes.h"
#include "library/pasta_dados.h"
#include "pedido.h"
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
  std::string NomeCompleto;    // folded name, UTF-8
  std::string DataNascimento;  // dd/mm/aaaa
  Data Hoje{};                 // the day the numbers of today were taken for
  PorTopico<LinhaResultado> ResultadoAnalise;  // row t = topic t
  friend bool operator==(const Analise&, const Analise&) = default;
};

// Builds every topic of the person's analysis: numbers from the name and the
// dates, texts from the interpretation files of the folder (with the master
// numbers as the options say), the titles given (normally LerTitulos), some
// of them replaced by the dates and ages they announce.
Analise MontaAnalise(const PessoaAnalisada& pessoa, const Data& hoje,
                     const ProgramOptions& opcoes, const TitulosDosTopicos& titulos,
                     const PastaDeDados& pasta);

}  // namespace cifra
