#pragma once
// Which topics of an analysis are shown, and with what: the rules the pages,
// the printer and the exported text share.
#include <string>
#include <string_view>

#include "analysis/analise.h"
#include "settings/opcoes.h"

namespace cifra {

// The number a text begins with (blanks skipped, optional sign), 0 when none:
// "89" is 89, "" and "A" are 0.
int ValorDoNumero(std::string_view texto);

// Topic t is shown when it is on; topic 15 never with the number 89,
// which means the person has no such challenge.
bool TopicoApresentado(const Analise& analise, const ProgramOptions& opcoes, int t);

// The karmic map is shown after the topics when the options include it and
// the analysis has one (an analysis made by hand may not).
bool MapaCarmicoApresentado(const Analise& analise, const ProgramOptions& opcoes);

// A title with its number, as the pages and the exported text show it: topic
// 26 gets " Letra " and its vowel; a title that already says "Número" gets
// ": " and the number ("Seu Número da Expressão: 5"); any other " Número "
// and the number.
std::string TituloComNumero(const std::string& titulo, int topico, const std::string& numero);

// A description is shown when asked for and when it says something: six
// characters or more.
bool DescricaoApresentada(std::string_view descricao, const ProgramOptions& opcoes);
inline bool DescricaoApresentada(const LinhaResultado& linha, const ProgramOptions& opcoes) {
  return DescricaoApresentada(linha.Descricao, opcoes);
}

}  // namespace cifra
