#pragma once
// What an analysis request accepts, the same for the request dialog and the
// command line: a full name, folded to upper case without the common
// Portuguese accents, and a date brought to dd/mm/aaaa. The typed name is
// decoded here once; from here on the core works on its code points.
#include <optional>
#include <string>
#include <string_view>

#include "engine/data.h"

namespace cifra {

inline constexpr std::string_view kMensagemDataInvalida =
    "A data informada não é uma data válida. Se você informou o ano com apenas dois "
    "dígitos, tente informá-lo com quatro (ex.: 20/08/78 = 20/08/1978).";
inline constexpr std::string_view kMensagemNomeIncompleto =
    "Para gerar uma análise numerológica, você precisa informar um nome completo. "
    "Tente novamente.";
inline constexpr std::string_view kMensagemDataForaDoIntervalo =
    "A data de nascimento precisa estar entre 01/01/1000 e a data de hoje.";
inline constexpr std::string_view kMensagemNomeLongo =
    "O nome pode ter no máximo 100 caracteres. Abrevie algum sobrenome e tente novamente.";
inline constexpr int kMinimoDeCaracteresDoNome = 5;
inline constexpr int kMaximoDeCaracteresDoNome = 100;  // the register's field

// The person an analysis is about, as a request accepted it.
struct PessoaAnalisada {
  std::u32string Nome;  // folded full name: what the numbers are computed from
  Data Nascimento;      // a valid date
  // The name as typed, in upper case with its accents ("CONCEIÇÃO"): what the
  // pages, the chart and the windows show. Empty means the folded name.
  std::u32string NomeExibido{};
  friend bool operator==(const PessoaAnalisada&, const PessoaAnalisada&) = default;
};

// Whether a birth date is one the program works with: from 01/01/1000 to
// hoje. Four-digit years only, and nobody is born after today: the cycles'
// years and every date shown stay in the form dd/mm/aaaa. The request, the
// command line and the register all ask this.
bool NascimentoAceito(const Data& nascimento, const Data& hoje);

// The typed name and date (UTF-8) as a person, or nothing and in *recusa the
// message that tells the operator why: the date is checked first (a valid
// date from 01/01/1000 to hoje), then the normalised name's length
// (kMinimoDeCaracteresDoNome to kMaximoDeCaracteresDoNome characters).
std::optional<PessoaAnalisada> AceitaPedido(std::string_view nome, std::string_view data,
                                            const Data& hoje, std::string* recusa);

// The typed name as code points, ready to fold: malformed UTF-8 becomes
// U+FFFD, combining accents are composed (NFC, so "José" typed with a
// separate accent is the same name), control characters (tabs, line breaks)
// become blanks, and blanks at both ends go. A name of blanks gives "".
std::u32string NormalizaNome(std::string_view utf8);

// Upper case, accents kept: the name as the client reads it.
std::u32string NomeEmMaiusculas(std::u32string_view nome);

// Upper case, then Á À Â Ã É Ê Í Î Ï Ó Ô Õ Ú Û Ü Ç folded to plain letters;
// every other character stays (Ñ, È, digits, hyphens, spaces).
std::u32string DobraNome(std::u32string_view nome);

// Reads a typed date: day, month and year separated by "/", "-" or ".", or
// written as 6 or 8 digits. A two-digit year is the latest such year that is
// not after hoje's year (78 is 1978, 05 is 2005 in 2026).
std::optional<Data> InterpretaData(std::string_view texto, const Data& hoje);
// The typed date as dd/mm/aaaa, or nothing when it is not a date.
std::optional<std::string> CompletaData(std::string_view texto, const Data& hoje);

// Today by the computer's clock: the one date of "today" every part of the
// program asks for.
Data DataDeHoje();

}  // namespace cifra
