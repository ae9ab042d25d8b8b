#pragma once
// Where the operator chooses the text to rewrite: a topic, a number, and
// whether the interpretation, the description or the title.
#include <QDialog>
#include <array>

#include "library/edicao.h"
#include "library/interpretacoes.h"

class QComboBox;
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
  int TopicoEscolhido() const;
  void cmbItem_Change();
  void cmdAlterarTexto_Click();
  void cmdAlterarHeader_Click();
  void cmdAlterarTitulo_Click();
  void Edita(const QString& info, const std::string& arquivo, int registro);

  const PastaDeDados& pasta_;
  TitulosDosTopicos& titulos_;
  QComboBox* cmbItem_;
  std::array<QRadioButton*, kBotoesDeNumero> optNumeros_{};
  QRadioButton* optNumeroZero_;
  QRadioButton* optNaoPossui_;
};

}  // namespace cifra
