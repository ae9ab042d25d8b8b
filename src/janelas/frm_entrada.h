#pragma once
// The opening window: the cover picture grows from the centre of its box,
// then the window closes itself. Two timers drive it (a child each, "relogio"
// for the frames and "esperaFinal" for the pause after the last one), so the
// interface answers all the while and a test can set their pace.
#include <QDialog>
#include <QRectF>
#include <QTimer>
#include <vector>

namespace cifra {

class frmEntrada : public QDialog {
  Q_OBJECT
 public:
  explicit frmEntrada(QWidget* pai = nullptr);

  // The last step of start-up: shows the window modally over `pai` and
  // returns when it has closed itself (about 4.6 seconds).
  static void Exibe(QWidget* pai);

  int QuadrosMostrados() const { return quadro_ + 1; }
  int TotalDeQuadros() const { return static_cast<int>(quadros_.size()); }

  void done(int resultado) override;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void Avanca();

  class CaixaDaFigura;
  CaixaDaFigura* imgEntrada_;
  std::vector<QRectF> quadros_;
  int quadro_ = -1;
  QTimer relogio_{this};
  QTimer esperaFinal_{this};
  bool ampulheta_ = false;
};

}  // namespace cifra
