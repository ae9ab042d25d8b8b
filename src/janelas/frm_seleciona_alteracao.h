#pragma once
// Where the operator chooses the text to rewrite: a topic or a part of the
// karmic map, a number, and whether the interpretation, the description or
// the title. Which record each choice opens is decided in library/edicao.
#include <QDialog>
#include <array>

#include "library/edicao.h"
#include "library/interpretacoes.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace cifra {
class PastaDeDados;

class frmSelecionaAlteracao : public QDialog {
  Q_OBJECT
 public:
  // titulos: read back from the file after a title is edited.
  frmSelecionaAlteracao(QWidget* pai, const PastaDeDados& pasta, TitulosDosTopicos& titulos);
  static void Executa(QWidget* pai, const PastaDeDados& pasta, TitulosDosTopicos& titulos);

  static constexpr const char* kSemCabecalho =
      "Atenção: O tópico que você está tentando alterar não possui cabeçalho ou então possui um "
      "cabeçalho padrão e não pode ser alterado.";
  static constexpr const char* kTituloPadrao =
      "O tópico que você está tentando alterar possui interpretação padrão e não poderá ser "
      "alterado.";

 private:
  int ItemEscolhido() const;
  int BotaoEscolhido() const;
  void cmbItem_Change();
  void cmdAlterarTexto_Click();
  void cmdAlterarHeader_Click();
  void cmdAlterarTitulo_Click();
  void Edita(const QString& info, const TextoDaBiblioteca& texto);

  const PastaDeDados& pasta_;
  TitulosDosTopicos& titulos_;
  QComboBox* cmbItem_;
  std::array<QRadioButton*, kBotoesDeNumero> optNumeros_{};
  QRadioButton* optNumeroZero_;
  QRadioButton* optNaoPossui_;
  QLabel* lblTextoUnico_;
  QPushButton* cmdAlterarTitulo_;
};

}  // namespace cifra
