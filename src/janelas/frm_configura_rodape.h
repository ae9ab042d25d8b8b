#pragma once
// The header line and the two footer lines of every page. "O&k" writes them
// to the file and the program reads them back, so the next analysis shows them.
#include <QDialog>

class QLineEdit;

namespace cifra {
class PastaDeDados;
struct LinhasRodape;
struct Margens;

class frmConfiguraRodape : public QDialog {
  Q_OBJECT
 public:
  // margens: those of the paper, to tell the operator of a line too long.
  frmConfiguraRodape(QWidget* pai, const PastaDeDados& pasta, LinhasRodape& linhas,
                     const Margens& margens);
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, LinhasRodape& linhas,
                      const Margens& margens);

  void reject() override;  // "Cancela&r", Esc and the close box all ask first

  static constexpr int kMaximoCabecalho = 40;
  static constexpr const char* kPerguntaCancelar =
      "Você está certa de que deseja cancelar esta alteração da linha de rodapé? Nenhuma "
      "alteração terá efeito.";
  static constexpr const char* kAvisoGravado =
      "Atenção: Na próxima análise que você gerar estas alterações terão efeito!";

 private:
  void cmdOk_Click();

  const PastaDeDados& pasta_;
  LinhasRodape& linhas_;
  const Margens& margens_;
  QLineEdit* txtCabecalhoLinhaUm_;
  QLineEdit* txtRodapeLinhaUm_;
  QLineEdit* txtRodapeLinhaDois_;
};

}  // namespace cifra
