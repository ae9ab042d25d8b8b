#pragma once
// The about box: the product, where it was made, the maker's web page and a
// button that starts a support mail.
#include <QDialog>
#include <QString>
#include <QUrl>

class QSoundEffect;

namespace cifra {

class frmSobre : public QDialog {
  Q_OBJECT
 public:
  // somDeBoasVindas: the welcome sound to play on opening (a missing file
  // plays nothing); empty for silence.
  explicit frmSobre(QWidget* pai = nullptr, const QString& somDeBoasVindas = {});

  // Shows the box modally over `pai` until the operator closes it.
  static void Exibe(QWidget* pai, const QString& somDeBoasVindas);

  // The mail the "Suporte" button asks the system to open.
  static QUrl EmailDeSuporte();
  static QUrl PaginaDoProduto();

 private:
  QSoundEffect* som_ = nullptr;
};

}  // namespace cifra
