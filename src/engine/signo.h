#pragma once
#include <string_view>

namespace cifra {

// Number of the zodiac sign (1 Scorpio ... 12 Capricorn, the order of the
// stored sign pictures) of a "dd/mm" day; 0 when the text is not a day of the year.
int SignoDaData(std::string_view ddmm);

}  // namespace cifra
