#pragma once
// Rules of the two editors the operator rewrites the library with: which
// record of which file a text lives in, what a record can hold, and the
// operator's formulas as readable text. No windows here.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogo.h"
#include "engine/formula.h"
#include "textos_carmicos.h"

namespace cifra {

// --- Texts -------------------------------------------------------------------

// The items of the text editor's list: the thirty topics in catalogue order
// (item t - 1 is topic t), then the four parts of the karmic map in the order
// the section shows them, then the map's own description.
inline constexpr int kItensDoEditor = kTopicos + 5;
inline constexpr int kItemDescricaoDoMapa = kTopicos + 4;
inline constexpr std::string_view kRotuloDescricaoDoMapa = "Mapa Cármico (descrição geral)";
std::string RotuloDoItem(int item);
// The topic of an item, or 0 for the karmic map's items.
int TopicoDoItem(int item);
std::optional<ParteCarmica> ParteDoItem(int item);

// A text of the library: a file of the data folder and its record (from 1).
// Record 0: the choice has no text the operator may rewrite.
struct TextoDaBiblioteca {
  std::string arquivo;
  int registro = 0;
  friend bool operator==(const TextoDaBiblioteca&, const TextoDaBiblioteca&) = default;
};

// The number buttons: at most eleven, and an item shows only its own.
inline constexpr int kBotoesDeNumero = 11;
struct BotaoDeNumero {
  int numero;
  std::string rotulo;  // "Número 1 (ou \"a\")", "Especial Número 22", "Dívida 16"
};
// The buttons an item shows, in order: a topic 1 to 9, 11 and 22; a karmic
// part its own numbers; the map's description none (it is a single text).
std::vector<BotaoDeNumero> BotoesDoItem(int item);
// The text "Alterar Texto" opens for button b of the item. The map's
// description has no numbers: any button leads to it.
TextoDaBiblioteca TextoDoBotao(int item, int botao);
// The description printed before the item ("Alterar o Cabeçalho"): a
// topic's record in CDATA.DAT (none for the topics whose comment is fixed),
// a part's or the whole map's record in DESCCARM.DAT.
TextoDaBiblioteca CabecalhoDoItem(int item);
// The title ("Alterar o Título"): record t of Header.DAT, except for the
// topics whose title the builder writes (cycles and realizations) and the
// karmic items, titled by the program.
TextoDaBiblioteca TituloDoItem(int item);

// Record of the topic's interpretation file that button b (0..10) edits:
// the button's position plus one (so 11 is record 10 and 22 record 11); the
// birth-day challenge and gift keep the value 0 in record 1, so their
// numbers sit one record further; the challenges too, except that button 9
// edits record 1, the challenge 0.
int RegistroDoTextoEditado(int topico, int botao);
// Records the number buttons cannot reach: the value 0 of the birth-day
// challenge and gift (record 1) and the "no challenge" text of the
// additional minor challenge (record 90). 0 when the topic has none (and
// for topic 0, the karmic items).
int RegistroDoNumeroZero(int topico);
int RegistroDoNaoPossui(int topico);

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
