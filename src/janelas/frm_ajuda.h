#pragma once
// The manual built into the program: a few Portuguese pages with pictures,
// read without internet; links to the maker's site open in the browser.
#include <QDialog>
#include <QHash>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

namespace cifra {

// Fills the addresses and the data folder into the pages as they load, so
// the manual shows the same addresses as the about box and the footer.
class NavegadorDoManual : public QTextBrowser {
  Q_OBJECT
 public:
  NavegadorDoManual(QWidget* pai, QString pastaDeDados);
  QVariant loadResource(int tipo, const QUrl& endereco) override;

 private:
  QVariant FiguraNaLargura(const QVariant& recurso, const QUrl& endereco) const;

  QString pastaDeDados_;
  QHash<QString, int> larguras_;  // picture file name → width on the page, in pixels
};

class frmAjuda : public QDialog {
  Q_OBJECT
 public:
  static QUrl Sumario();

  // pastaDeDados: shown on the page about the data folder.
  explicit frmAjuda(QWidget* pai = nullptr, const QString& pastaDeDados = {});
  // Shows the manual modally over `pai`, from its table of contents.
  static void Exibe(QWidget* pai, const QString& pastaDeDados);

  NavegadorDoManual* Manual() const { return txtManual_; }

 private:
  NavegadorDoManual* txtManual_;
};

}  // namespace cifra
