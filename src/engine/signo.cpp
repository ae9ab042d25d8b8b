#include "signo.h"

#include "data.h"

namespace cifra {
namespace {

struct Faixa {
  int signo;
  int diaInicio, mesInicio, diaFim, mesFim;
};

// Tested in this order; whatever none of them holds is Capricorn (12).
constexpr Faixa kFaixas[] = {
    {5, 22, 11, 21, 12}, {1, 23, 10, 21, 11}, {2, 23, 9, 22, 10}, {3, 23, 8, 22, 9},
    {4, 22, 7, 22, 8},   {6, 21, 6, 21, 7},   {7, 21, 5, 20, 6},  {8, 21, 4, 20, 5},
    {9, 21, 3, 20, 4},   {10, 20, 2, 20, 3},  {11, 21, 1, 19, 2},
};

}  // namespace

int SignoDaData(std::string_view ddmm) {
  if (ddmm.size() < 5) return 0;
  // Every day is placed in a leap year, so that 29/02 is a day like any other
  // (it falls among the days of Pisces).
  const auto data = LeData(std::string(ddmm.substr(0, 5)) + "/2000");
  if (!data) return 0;
  const long dia = DiasDesdeEpoca(*data);
  for (const Faixa& f : kFaixas) {
    const long inicio = DiasDesdeEpoca({f.diaInicio, f.mesInicio, 2000});
    const long fim = DiasDesdeEpoca({f.diaFim, f.mesFim, 2000});
    if (dia - inicio >= 0 && dia - fim <= 0) return f.signo;
  }
  return 12;
}

}  // namespace cifra
