#pragma once
// The numerology chart ("Quadro Numerológico"): one page that shows every
// number of the analysis at a glance, as a numerologist hands it over with
// the written analysis: the table of numbers, the life drawn as a timeline
// of its cycles, realizations and challenges, the name worked out letter by
// letter and the karmic map of the person.
#include <string>
#include <vector>

#include "engine/data.h"
#include "engine/mapa_carmico.h"
#include "presentation/compositor.h"

namespace cifra {

inline constexpr const char* kTituloDoQuadro = "Quadro Numerológico";

// One row of the table: the topic's name, its number in display form
// ("11/2", "Não Possui", the vowel itself for the first vowel) and, for the
// cycles and the realizations, when they hold.
struct NumeroDoQuadro {
  int topico = 0;
  std::string rotulo;
  std::string numero;
  std::string detalhe;
};

struct GrupoDoQuadro {
  std::string titulo;
  std::vector<NumeroDoQuadro> numeros;
  int coluna = 0;  // 0 left, 1 right
};

// A character of the name with what it adds: its vowel value, or else its
// value among the consonants (a digit of the name counts as itself there).
struct LetraDoQuadro {
  char32_t letra = 0;
  int vogal = 0;
  int consoante = 0;
};

// The timeline runs from birth to this age; a later today is marked at its end.
inline constexpr int kIdadeFinalDaLinhaDaVida = 90;

// A stretch of the timeline, from the age it begins to the age the next one
// begins: a cycle, a realization, or the challenge lived beside a realization.
struct TrechoDaVida {
  int topico = 0;
  std::string nome;     // "Formativo", "1ª"; none for a challenge
  std::string numero;   // display form; none when the topic is switched off
  std::string periodo;  // as the table says it: "até 1983", "dos 27 aos 36 anos"
  int inicio = 0;       // ages
  int fim = 0;
};

// The life as one band: three rows on the same ages, each left empty when
// all its topics are switched off. The challenges follow the realizations'
// stretches: the first and second minor ones beside the first two
// realizations, the major one beside the third, the additional one beside
// the fourth.
struct LinhaDaVida {
  std::vector<TrechoDaVida> ciclos;
  std::vector<TrechoDaVida> realizacoes;
  std::vector<TrechoDaVida> desafios;
  int anoDeNascimento = 0;
  int idadeHoje = 0;  // completed years on the chart's day
  bool Vazia() const { return ciclos.empty() && realizacoes.empty() && desafios.empty(); }
};

// A line of the karmic map beside the square: its name and its numbers, a
// debt with where it was met ("Caminho da Vida, Impulso da Alma"); no
// number reads "Nenhuma".
struct NumeroCarmico {
  std::string numero;
  std::string origem;
  friend bool operator==(const NumeroCarmico&, const NumeroCarmico&) = default;
};
struct LinhaCarmica {
  std::string rotulo;
  std::vector<NumeroCarmico> numeros;
};
inline constexpr const char* kNenhumNumeroCarmico = "Nenhuma";

struct QuadroNumerologico {
  std::vector<GrupoDoQuadro> grupos;  // only the groups with a topic switched on
  LinhaDaVida linhaDaVida;            // empty without a date of birth
  std::vector<std::vector<LetraDoQuadro>> palavras;
  int somaDasVogais = 0;
  int somaDasConsoantes = 0;  // with the digits of the name, if any
  MapaCarmico mapa;           // the inclusion square
  // The lessons, the hidden tendency, the subconscious response and the
  // debts, each debt once with all its origins.
  std::vector<LinhaCarmica> carmico;
};

// The chart's content for an analysis built on the day hoje: only the topics
// switched on in TopicoAtivo, grouped as name numbers, birth-date numbers,
// the numbers of today and the operator's two numbers; the timeline of the
// same topics; the karmic map always, whatever the analysis's pages show,
// for it is the person's own.
QuadroNumerologico MontaQuadro(const Analise& analise, const ProgramOptions& opcoes,
                               const Data& hoje);

// Draws the chart as one page on a surface whose drawing area is the page of
// the geometry: the page header, the table, the timeline, the name letter by
// letter, the karmic map and the footer, without a page number. The
// operator's three fonts are used, made smaller together when the page
// would not hold it all otherwise.
void DesenhaQuadroNumerologico(SuperficieDeDesenho& superficie, const ConteudoDaAnalise& conteudo,
                               const GeometriaDaPagina& geometria, const Data& hoje);

}  // namespace cifra
