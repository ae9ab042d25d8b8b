#pragma once
// Where the operator chooses the text to rewrite: a topic, a number, and
// whether the interpretation, the description or the title.
#include <QDialog>
#include <array>

#include "edicao.h"

class QComboBox;
class QRadioButton;

namespace cifra {
struct EstadoDoPrograma;

class frmSelecionaAlteracao : public QDialog {
  Q_OBJECT
 public:
  frmSelecionaAlteracao(QWidget* pai, EstadoDoPrograma& estado);
  static void Executa(QWidget* pai, EstadoDoPrograma& estado);

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

  EstadoDoPrograma& estado_;
  QComboBox* cmbItem_;
  std::array<QRadioButton*, kBotoesDeNumero> optNumeros_{};
  QRadioButton* optNumeroZero_;
  QRadioButton* optNaoPossui_;
};

}  // namespace cifra
