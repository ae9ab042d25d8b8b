#pragma once
// The order in which the topics appear in every analysis: the selected topic
// moves one place per click; "O&k" stores the order in memory and in the file.
#include <QDialog>

class QListWidget;

namespace cifra {
struct EstadoDoPrograma;

class frmOrdem : public QDialog {
  Q_OBJECT
 public:
  frmOrdem(QWidget* pai, EstadoDoPrograma& estado);
  static bool Executa(QWidget* pai, EstadoDoPrograma& estado);

 signals:
  // A move past either end: the system beep sounds instead.
  void Bipe();

 private:
  void Move(int deslocamento);
  void cmdOk_Click();

  EstadoDoPrograma& estado_;
  QListWidget* lstPrioridade_;
};

}  // namespace cifra
