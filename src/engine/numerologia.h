#pragma once
// Letter values, reductions and the name sums: the arithmetic every number
// of an analysis rests on. Plain C++; names arrive already decoded, one
// code point a character (the request decodes the typed name once).
#include <cstdint>
#include <string>
#include <string_view>

namespace cifra {

// Values of one character (a Unicode code point) in the three letter tables.
int16_t ValorDaLetra(char32_t c);      // letters 1..9; digits count as themselves
int16_t ValorDaConsoante(char32_t c);  // consonants only (Y is a vowel)
int16_t ValorDaVogal(char32_t c);      // A E I O U Y only

// Sum of the decimal digits of |n| (any n, the most negative too).
int SomaDosDigitos(int64_t n);

// Reduction to one digit; applied at least once, so 11 gives 2.
int16_t ReduzNumero(int64_t n);
// Reduction that stops at 11 and 22; with master numbers off they become 2 and 4.
int16_t ReduzComMestres(int64_t n, bool numerosMagicos);

int16_t SomaDoNome(std::u32string_view nome, bool numerosMagicos);
int16_t SomaDasConsoantes(std::u32string_view nome, bool numerosMagicos);
int16_t SomaDasVogais(std::u32string_view nome, bool numerosMagicos);

// How a number is shown beside a title: 11 "11/2", 22 "22/4", 89 "Não Possui".
std::string FormaDeExibicao(int n);

// Decodes UTF-8 into code points; each byte of a malformed, overlong or
// surrogate sequence, or of one beyond U+10FFFF, becomes U+FFFD.
std::u32string Utf32(std::string_view utf8);
// Encodes code points as UTF-8; a value that is no Unicode scalar (a
// surrogate, or beyond U+10FFFF) is written as U+FFFD, so the result is
// always valid UTF-8.
std::string Utf8(std::u32string_view texto);

}  // namespace cifra
