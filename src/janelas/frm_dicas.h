#pragma once
// The toolbar hint: a small always-on-top popup with a lamp and one sentence
// about the button under the mouse, and the controller that follows the
// mouse over a toolbar to show, move and close it.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "dicas.h"

class QLabel;
class QToolButton;

namespace cifra {

class frmDicas : public QWidget {
  Q_OBJECT
 public:
  explicit frmDicas(QWidget* dono);

  // Shows the popup at `posicao` (screen) with the text, without taking the
  // focus from the main window.
  void MostrarDica(const QString& texto, const QPoint& posicao);
  QString Texto() const;

 signals:
  void MouseSobreTexto();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QLabel* lblDica_;
};

// Give it the toolbar (a QToolBar, or any widget whose QToolButton children are
// the toolbar buttons, named by their objectName or their action's) and the
// main window. It shows each button's hint when the mouse enters it, moves
// the one popup to the next button, and closes it over the toolbar's
// background, over every widget passed to AcompanhaFundo, on a button click
// and over the popup itself. No hint is shown while the hourglass is up.
class ControleDeDicas : public QObject {
  Q_OBJECT
 public:
  ControleDeDicas(QWidget* barra, QWidget* janela);
  ~ControleDeDicas() override;

  void AcompanhaFundo(QWidget* fundo);
  // Prologue of every toolbar click and menu action: DicaAtual := "Nenhum"
  // and the popup closes.
  void FechaDica();
  // DicaAtual := "Nenhum"; the popup stays.
  void ApagaAjudaDoBotao();

  QString DicaAtual() const;
  frmDicas* Dica() const { return dica_; }  // the popup on show, or null

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void AcompanhaBotao(QToolButton* botao);
  void MouseSobreBotao(QToolButton* botao);
  void FechaPopup();
  bool Ampulheta() const;

  QPointer<QWidget> barra_;
  QPointer<QWidget> janela_;
  QPointer<frmDicas> dica_;
  AcompanhamentoDeDicas estado_;
};

}  // namespace cifra
