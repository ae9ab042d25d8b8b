#pragma once
// Two reports on top of the analysis's numbers: the compatibility of two
// people, aspect by aspect, and the harmonisation of candidate names with a
// date of birth. Every number is the analysis's own for that person.
#include <array>
#include <string>
#include <vector>

#include "analise.h"
#include "engine/harmonia.h"
#include "engine/mapa_carmico.h"
#include "pedido.h"

namespace cifra {

// The four numbers compared, as the analysis's "Numero" holds them.
struct NumerosComparados {
  std::string NomeCompleto, NomeExibido, DataNascimento;
  std::string CaminhoDaVida, Expressao, ImpulsoDaAlma, EuSilencioso;  // topics 1, 23, 24, 25
  friend bool operator==(const NumerosComparados&, const NumerosComparados&) = default;
};

struct AspectoComparado {
  int Topico = 0;         // 1, 23, 24 or 25
  std::string Aspecto;    // "Caminho da Vida", "Número da Expressão"...
  std::array<std::string, 2> Numeros;
  Harmonia Classe = Harmonia::Natural;
  friend bool operator==(const AspectoComparado&, const AspectoComparado&) = default;
};

struct Compatibilidade {
  std::array<NumerosComparados, 2> Pessoas;
  std::vector<AspectoComparado> Aspectos;  // in the order of the topics above
  // What the pages show: the two people's numbers, each aspect (its
  // description where the options show it, both numbers and the class in
  // the title, the text of the life path pair and of the class), then the
  // closing summary.
  std::vector<LinhaResultado> Textos;
  friend bool operator==(const Compatibilidade&, const Compatibilidade&) = default;
};

NumerosComparados NumerosParaComparar(const PessoaAnalisada& pessoa, const ProgramOptions& opcoes);
Compatibilidade MontaCompatibilidade(const PessoaAnalisada& primeira, const PessoaAnalisada& segunda,
                                     const ProgramOptions& opcoes, const PastaDeDados& pasta);

// Where the compatibility's texts are kept: one text per unordered pair of
// life paths (record of the pair a ≤ b in the order (1,1) (1,2) … (9,9));
// one per aspect and class, record (aspecto − 1) × 3 + classe, aspects in the
// order of the topics 1, 23, 24, 25; and the closing summaries after them.
// What each aspect is, record 1 to 4 in that order: the analysis's own
// description speaks to one reader, this one of the two people compared. A
// record the operator left empty shows the analysis's description instead.
inline constexpr const char* kArquivoDosPares = "COMPVIDA.DAT";
inline constexpr const char* kArquivoDasHarmonias = "COMPHARM.DAT";
inline constexpr const char* kArquivoDasDescricoesDosAspectos = "DESCCOMP.DAT";
int RegistroDoPar(int a, int b);  // numbers reduced 1..9 first; 0 outside
// The summary's record: 13 + the class of most aspects (Natural 13,
// Complementar 14, Desafiadora 15), or 16 when none has more than the others.
int RegistroDoResumo(const std::vector<AspectoComparado>& aspectos);

// One candidate name for a date of birth, as the harmonisation table shows it.
struct NomeAvaliado {
  std::string NomeDigitado;  // as typed, accents kept
  NumerosComparados Numeros;
  Harmonia HarmoniaComOCaminho = Harmonia::Natural;  // of the Expressão with the life path
  MapaCarmico Mapa;
  friend bool operator==(const NomeAvaliado&, const NomeAvaliado&) = default;
};

// Each name that the request accepts, with the date; a refused name is left
// out and its message added to recusas.
std::vector<NomeAvaliado> AvaliaNomes(const Data& nascimento, const std::vector<std::string>& nomes,
                                      const ProgramOptions& opcoes, const Data& hoje,
                                      std::vector<std::string>* recusas = nullptr);

}  // namespace cifra
