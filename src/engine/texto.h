#pragma once
// Text basics every layer shares: trimming, upper case, line breaks.
#include <string>
#include <string_view>

namespace cifra {

// Removes blanks (and NUL bytes, which a record never written holds) from
// both ends; line breaks stay.
std::string AparaBrancos(std::string_view s);
std::string AparaBrancosADireita(std::string_view s);

// The upper case of a letter of the Windows-1252 repertoire (a-z, à-þ, ÿ, š,
// œ, ž); any other character is returned as it is.
char32_t Maiuscula(char32_t c);
// ASCII letters upper-cased, every other byte kept (file names).
std::string MaiusculasAscii(std::string_view s);

// Characters (code points) of a UTF-8 text, counted without decoding it.
size_t ContaCaracteres(std::string_view utf8);

// The program's paragraph break is CR LF. Every text that enters the program
// (a typed or pasted text, a text source, a hand-written data file) comes
// through here: CR LF stays, a lone LF and a lone CR each become CR LF, and a
// tab or any other control character becomes a space.
std::string ComQuebrasCrLf(std::string_view texto);

// Every "{marca}" of a library template replaced by its value; the value is
// not searched again, so a value that holds a mark stays as it is.
std::string PreencheModelo(std::string texto, std::string_view marca, const std::string& valor);

}  // namespace cifra
