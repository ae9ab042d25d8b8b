#include "data.h"

#include <chrono>
#include <cstdio>
#include <tuple>

namespace cifra {

bool AnoBissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

bool DataValida(const Data& d) {
  if (d.ano < 1 || d.ano > 9999 || d.mes < 1 || d.mes > 12 || d.dia < 1) return false;
  static constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int limite = kDias[d.mes - 1] + (d.mes == 2 && AnoBissexto(d.ano) ? 1 : 0);
  return d.dia <= limite;
}

long DiasDesdeEpoca(const Data& d) {
  using namespace std::chrono;
  const year_month_day ymd{year{d.ano}, month{static_cast<unsigned>(d.mes)},
                           day{static_cast<unsigned>(d.dia)}};
  return sys_days{ymd}.time_since_epoch().count();
}

std::optional<Data> LeData(std::string_view s) {
  if (s.size() != 10 || s[2] != '/' || s[5] != '/') return std::nullopt;
  auto numero = [&](size_t inicio, size_t tamanho) {
    int v = 0;
    for (size_t i = inicio; i < inicio + tamanho; ++i) {
      if (s[i] < '0' || s[i] > '9') return -1;
      v = v * 10 + (s[i] - '0');
    }
    return v;
  };
  const Data d{numero(0, 2), numero(3, 2), numero(6, 4)};
  if (!DataValida(d)) return std::nullopt;
  return d;
}

std::string FormataData(const Data& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.dia % 100, d.mes % 100, d.ano % 10000);
  return buf;
}

bool AntesDe(const Data& a, const Data& b) {
  return std::tie(a.ano, a.mes, a.dia) < std::tie(b.ano, b.mes, b.dia);
}

}  // namespace cifra
