#pragma once
// The analysis builder: one person's name and date of birth in, the numbers
// and texts of all the topics out.
#include <string>
#include <vector>

#include "engine/data.h"
#include "engine/mapa_carmico.h"
#include "library/catalogo.h"
#include "library/interpretacoes.h"
#include "library/ordem.h"
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

// The karmic map: its numbers, and the texts its section shows after the
// topics (whether it is shown is the options' choice).
struct SecaoCarmica {
  MapaCarmico Numeros;
  std::string Titulo;     // "Mapa Cármico"
  std::string Descricao;  // of the map and of its square
  // The lessons, the hidden passion, the subconscious response and the
  // debts, in that order; the first text of each part carries the part's
  // description. A debt met from two origins is told once, naming both.
  std::vector<LinhaResultado> Itens;
  friend bool operator==(const SecaoCarmica&, const SecaoCarmica&) = default;
};

struct Analise {
  std::string NomeCompleto;    // folded name, UTF-8: what the numbers come from
  std::string NomeExibido;     // the name as typed, upper case with accents: what is shown
  std::string DataNascimento;  // dd/mm/aaaa
  Data Hoje{};                 // the day the numbers of today were taken for
  PorTopico<LinhaResultado> ResultadoAnalise;  // row t = topic t
  SecaoCarmica Carmico;
  friend bool operator==(const Analise&, const Analise&) = default;
};

// Builds every topic of the person's analysis: numbers from the name and the
// dates, texts from the interpretation files of the folder (with the master
// numbers as the options say), the titles given (normally LerTitulos), some
// of them replaced by the dates and ages they announce. A number that comes
// back among the realizations or among the challenges has its full text
// only where it is first shown (in the order given, among the topics the
// options show); each later one has a linking paragraph from the library.
Analise MontaAnalise(const PessoaAnalisada& pessoa, const Data& hoje,
                     const ProgramOptions& opcoes, const TitulosDosTopicos& titulos,
                     const PastaDeDados& pasta, const OrdemDosTopicos& ordem = OrdemPadrao());

// The builder ends the texts of the gift, the realizations and the
// challenges with a period, unless the operator already typed one; an empty
// text stays empty.
std::string ComPonto(std::string texto);

// Where the linking texts are kept: the template that names the topic, its
// period and the earlier topic ({topico}, {periodo}, {numero}, {anterior}),
// and one text per later topic and number, after the records of the numbers.
inline constexpr int kModeloDeLigacaoRealizacao = 20;  // APICES
inline constexpr int kModeloDeLigacaoDesafio = 100;    // DESVIDA
// The record of the text for a realization (9, 10, 11) or a minor challenge
// (13, 14) that repeats an earlier one with this number; 0 when there is none.
int RegistroDeLigacao(int topico, int numero, bool numerosMagicos);

}  // namespace cifra
