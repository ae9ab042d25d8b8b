#pragma once
// How the date box of the request dialog takes each typed character: digits
// only, with the slashes put in by the box itself after the day and the
// month, so typing 12081978 gives 12/08/1978.
#include <QString>

namespace cifra {

struct DecisaoDaTecla {
  enum Acao { Passa, Descarta, Substitui } acao = Passa;
  QString texto;   // for Substitui: the box's new text
  int cursor = 0;  // for Substitui: where the caret goes
};

// tecla is the character typed (backspace 8, copy 3 and paste 22 included);
// texto is the box's text before it, haSelecao whether part of it is selected.
DecisaoDaTecla FiltraTeclaDaData(const QString& texto, bool haSelecao, QChar tecla);

}  // namespace cifra
