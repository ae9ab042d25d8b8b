#pragma once
// The chooser of the header picture: a volume, a folder, a picture with its
// preview; or the zodiac signs. The choice is saved with the program options
// as soon as it is made.
#include <QDialog>
#include <QString>
#include <string>

class QComboBox;
class QLabel;
class QListWidget;

namespace cifra {
struct ProgramOptions;
class PastaDeDados;

class frmSelecionarArquivo : public QDialog {
  Q_OBJECT
 public:
  frmSelecionarArquivo(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes);
  // Opens on the picture now in use (when there is one) and shows the chooser modally.
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes);

  void DefineCaminho(const QString& caminho) { Caminho = caminho; }
  void AtualizaCaminho();
  void reject() override;  // "Cancela&r Procedimento" and the close box ask first

  // The pictures the lists show.
  static QStringList Padroes();

  static constexpr const char* kFiguraInvalida =
      "Desculpe mas você não selecionou um arquivo de figura válido. Verifique o problema e "
      "repita a operação.";
  static constexpr const char* kPerguntaCancelar =
      "Você está prestes a cancelar o procedimento de alteração da imagem do cabeçalho. "
      "Deseja prosseguir?";
  static constexpr const char* kUnidadeIlegivel =
      "Houve algum problema na tentativa de acessar a unidade correspondente. Verifique se há "
      "disquete ou CD em sua unidade e tente novamente.";

 private:
  void unidade_Change();
  void MostraPasta(const QString& pasta);
  void pasta_Activated();
  void arquivo_Click();
  void cmdAlterarFigura_Click();
  void cmdDefinirPadrao_Click();
  // Saves the options with this picture and closes; a failed save keeps the dialog open.
  void Confirma(const std::string& imagem);
  QString CaminhoDoSelecionado() const;
  bool Previa(const QString& caminho);

  const PastaDeDados& pastaDeDados_;
  ProgramOptions& opcoes_;
  QString Caminho;
  bool Pronto = false;
  QString pastaAtual_;
  QComboBox* unidade_;
  QLabel* lblPasta_;
  QListWidget* pasta_;
  QListWidget* arquivo_;
  QLabel* picPreview_;
};

}  // namespace cifra
