#pragma once
// The opening window: the cover picture grows from the centre of its box,
// then the window closes itself. A timer drives it, so the interface answers
// all the while.
#include <QDialog>
#include <QRectF>
#include <QTimer>
#include <vector>

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
  QTimer relogio_;
  bool ampulheta_ = false;
};
