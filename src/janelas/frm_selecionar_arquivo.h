#pragma once
// The chooser of the header picture: Qt's own file dialog (the keyboard, a
// typed path and the side bar work as in every program), pictures only, with
// a preview of the one under the cursor and a button that brings the zodiac
// signs back. Only an explicit choice changes the picture, and the choice is
// saved with the program options as soon as it is made.
#include <QFileDialog>
#include <QString>
#include <string>

class QLabel;

namespace cifra {
struct ProgramOptions;
class PastaDeDados;

class frmSelecionarArquivo : public QFileDialog {
  Q_OBJECT
 public:
  frmSelecionarArquivo(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes);
  // Opens on the picture now in use (when there is one) and shows the chooser modally.
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes);

  // A folder is opened; a picture is checked (it loads, its path fits the
  // options record) and then becomes the header picture.
  void accept() override;
  void reject() override;  // "Cancelar" and the close box ask first

  static constexpr const char* kFiguraInvalida =
      "Desculpe mas você não selecionou um arquivo de figura válido. Verifique o problema e "
      "repita a operação.";
  static constexpr const char* kPerguntaCancelar =
      "Você está prestes a cancelar o procedimento de alteração da imagem do cabeçalho. "
      "Deseja prosseguir?";

 private:
  void Previa(const QString& caminho);
  void cmdDefinirPadrao_Click();
  // Saves the options with this picture and closes; a failed save keeps the dialog open.
  void Confirma(const std::string& imagem);

  const PastaDeDados& pastaDeDados_;
  ProgramOptions& opcoes_;
  QLabel* picPreview_;
};

}  // namespace cifra
