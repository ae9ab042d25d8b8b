#pragma once
// Rules of the two editors the operator rewrites the library with: which
// record of which file a text lives in, what a record can hold, and the
// operator's formulas as readable text. No windows here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/formula.h"

namespace cifra {

// --- Texts -------------------------------------------------------------------

// The number buttons of the text editor: 1 to 9, then 11 and 22.
inline constexpr int kBotoesDeNumero = 11;
// What the operator sees as the number of button b (0..10): "1".."9", "11", "22".
std::string NumeroDoBotao(int botao);
// Record of the topic's interpretation file that button b (0..10) edits:
// the button's position plus one (so 11 is record 10 and 22 record 11); the
// birth-day challenge and gift keep the value 0 in record 1, so their
// numbers sit one record further; the challenges too, except that button 9
// edits record 1, the challenge 0.
int RegistroDoTextoEditado(int topico, int botao);
// Records the number buttons cannot reach: the value 0 of the birth-day
// challenge and gift (record 1) and the "no challenge" text of the
// additional minor challenge (record 90). 0 when the topic has none.
int RegistroDoNumeroZero(int topico);
int RegistroDoNaoPossui(int topico);
// Titles the builder writes itself (cycles and realizations) cannot be edited.
bool TituloEditavel(int topico);

// The text box works with "\n"; records keep line breaks as CR LF.
std::string TextoParaRegistro(std::string_view caixa);
std::string TextoParaCaixa(std::string_view registro);
// Characters the record still has room for (negative when the text is too
// long), counting one byte per character and two per line break.
int CaracteresRestantes(std::string_view caixa, size_t tamanhoDoRegistro);
// Every character Windows-1252 has no byte for, each once, in order of
// appearance ("😀", "Ж"...). Empty when the whole text can be stored.
std::vector<std::string> CaracteresSemLugar(std::string_view utf8);
// The same list for a message: “😀”, “Ж”.
std::string ListaDeCaracteres(const std::vector<std::string>& caracteres);

// --- Formulas ----------------------------------------------------------------

inline constexpr int kBlocosDeFormula = 12;
// Caption of building block 0..11 ("Dia de Hoje" ... "Apenas o primeiro Nome").
std::string_view NomeDoBloco(int codigo);
// The codes as the editor collects them (block, operator, block, ... end)
// written for a person: "Nome Completo + Dia do Nascimento − Vogais do Nome".
// Stops at the end code; a trailing operator shows as " + " or " − ".
std::string TextoDaFormula(std::span<const int16_t> codigos);
// Value of the formula collected so far, plus the block now chosen (or -1),
// for one person, with the master numbers as mestresValidos says.
int ValorDaFormulaEmConstrucao(std::span<const int16_t> codigos, int blocoEscolhido,
                               bool mestresValidos, const ContextoFormula& pessoa);

}  // namespace cifra
