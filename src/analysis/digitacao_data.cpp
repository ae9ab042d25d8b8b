#include "digitacao_data.h"

namespace cifra {

DecisaoDaTecla FiltraTeclaDaData(const QString& texto, bool haSelecao, QChar tecla) {
  constexpr char16_t kRetrocesso = 8, kCopia = 3, kCola = 22;
  const char16_t c = tecla.unicode();
  if (c == kRetrocesso || c == kCopia || c == kCola || haSelecao) return {};
  const bool digito = c >= u'0' && c <= u'9';
  switch (texto.size()) {
    case 1:
    case 4:  // the day's or the month's second digit closes it with a slash
      if (!digito) return {DecisaoDaTecla::Descarta, {}, 0};
      return {DecisaoDaTecla::Substitui, texto + tecla + u'/', static_cast<int>(texto.size()) + 2};
    case 2:
    case 5:  // where a slash was deleted: anything goes, so it can be typed again
      return {};
    default:
      if (texto.size() >= 10 || digito) return {};
      return {DecisaoDaTecla::Descarta, {}, 0};
  }
}

}  // namespace cifra
