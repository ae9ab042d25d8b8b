#pragma once
// The order in which the topics appear in every analysis: the selected topic
// moves one place per click; "O&k" stores the order in memory and in the file.
#include <QDialog>

#include "library/ordem.h"

class QListWidget;

namespace cifra {
class PastaDeDados;

class frmOrdem : public QDialog {
  Q_OBJECT
 public:
  frmOrdem(QWidget* pai, const PastaDeDados& pasta, OrdemDosTopicos& ordem);
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, OrdemDosTopicos& ordem);

 signals:
  // A move past either end: the system beep sounds instead.
  void Bipe();

 private:
  void Move(int deslocamento);
  void cmdOk_Click();

  const PastaDeDados& pasta_;
  OrdemDosTopicos& ordem_;
  QListWidget* lstPrioridade_;
};

}  // namespace cifra
