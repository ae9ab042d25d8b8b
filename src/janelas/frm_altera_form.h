#pragma once
// Editing one text of the library: an interpretation, a description or a
// title, in its record of its file. The count of characters left is shown as
// the operator types; characters the file cannot keep are named before saving.
#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace cifra {
class PastaDeDados;

class frmAlteraForm : public QDialog {
  Q_OBJECT
 public:
  // arquivo: the file's name in the data folder; registro: from 1.
  frmAlteraForm(QWidget* pai, const PastaDeDados& pasta, const QString& info,
                const std::string& arquivo, int registro);

  void reject() override;  // "Retornar sem Salva&r", Esc and the close box ask first

  static constexpr const char* kPerguntaCancelar =
      "Cancelando esta edição as modificações que você acabou de fazer não serão atualizados "
      "no arquivo de interpretações. Cancelar assim mesmo?";

 private:
  void AtualizaContagem();
  void cmdSalvar_Click();

  const PastaDeDados& pasta_;
  std::string arquivo_;
  int registro_;
  size_t tamanhoDoRegistro_;
  QPlainTextEdit* txtTexto_;
  QLabel* lblRestantes_;
};

}  // namespace cifra
