#pragma once
// The numerology chart ("Quadro Numerológico"): one page that shows every
// number of the analysis at a glance, as a numerologist hands it over with
// the written analysis, and the name worked out letter by letter.
#include <string>
#include <vector>

#include "engine/data.h"
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

struct QuadroNumerologico {
  std::vector<GrupoDoQuadro> grupos;  // only the groups with a topic switched on
  std::vector<std::vector<LetraDoQuadro>> palavras;
  int somaDasVogais = 0;
  int somaDasConsoantes = 0;  // with the digits of the name, if any
};

// The chart's content for an analysis built on the day hoje: only the topics
// switched on in TopicoAtivo, grouped as name numbers, birth-date numbers,
// the numbers of today and the operator's two numbers.
QuadroNumerologico MontaQuadro(const Analise& analise, const ProgramOptions& opcoes,
                               const Data& hoje);

// Draws the chart as one page on a surface whose drawing area is the page of
// the geometry: the page header, the table, the name letter by letter and
// the footer, without a page number. The operator's three fonts are used,
// made smaller together when the table would not fit the page otherwise.
void DesenhaQuadroNumerologico(SuperficieDeDesenho& superficie, const ConteudoDaAnalise& conteudo,
                               const GeometriaDaPagina& geometria, const Data& hoje);

}  // namespace cifra
