#pragma once
// Calendar dates as the analysis uses them: day, month, four-digit year.
#include <optional>
#include <string>
#include <string_view>

namespace cifra {

struct Data {
  int dia = 0;
  int mes = 0;
  int ano = 0;
  friend bool operator==(const Data&, const Data&) = default;
};

bool DataValida(const Data& d);
// a comes before b in the calendar.
bool AntesDe(const Data& a, const Data& b);
// Days from 01/01/1970; only meaningful for valid dates.
long DiasDesdeEpoca(const Data& d);
// Strict "dd/mm/aaaa" reading, as every stored date is written.
std::optional<Data> LeData(std::string_view ddmmaaaa);
std::string FormataData(const Data& d);  // "dd/mm/aaaa"
bool AnoBissexto(int ano);

}  // namespace cifra
