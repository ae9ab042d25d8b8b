#pragma once
// The client register: a short list of people whose name and date of birth
// can be recalled into the analysis request. Clients are appended through a
// row of input boxes, found by typing part of the name (accents and case
// ignored), changed or removed after a confirmation.
#include <QDialog>
#include <QMessageBox>
#include <optional>

#include "engine/data.h"
#include "library/pasta_dados.h"
#include "library/clientes.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace cifra {

class ListaDeClientes;

class frmCadastro : public QDialog {
  Q_OBJECT
 public:
  frmCadastro(const PastaDeDados& pasta, QWidget* pai = nullptr);

  // Shows the register modally over `pai`. The client chosen with "Carregar
  // Informações" (its name and date of birth go into the request), or
  // nothing when the operator closed the register.
  static std::optional<Cliente> Executa(QWidget* pai, const PastaDeDados& pasta);

  const std::optional<Cliente>& Escolhido() const { return escolhido_; }

  // Reloads the list from the file, keeping the filter; `selecionar` is the
  // record to select (the first one shown when it is not listed).
  void CarregarDadosNoCombo(int selecionar = -1);
  // Reads the selected client from the file and shows it in the five boxes.
  void UpdateFields();

 private:
  void FiltraLista(int selecionar);
  int Selecionado() const;  // record index of the selected entry, or -1
  void cmdRetrieve_Click();
  void cmdPrepToInserir_Click();
  void cmdAlterar_Click();
  void cmdExcluir_Click();

  // The input boxes in order; nothing when the operator gave up (cancelled
  // the date, or any box while changing a client).
  std::optional<Cliente> PerguntaDados(const Cliente& inicial, bool alterando);
  QString Pergunta(const QString& titulo, const QString& texto, const QString& inicial,
                   int maximo, bool* ok);
  bool Confirma(const QString& titulo, const QString& texto,
                QMessageBox::Icon icone = QMessageBox::Question);
  void Erro(const QString& texto);

  PastaDeDados pasta_;
  Data hoje_;
  NomesDoCadastro nomes_;
  ListaDeClientes* lista_;
  // The selected record as the file held it when it was shown.
  std::optional<RegistroDeCliente> mostrado_;
  bool relendo_ = false;
  std::optional<Cliente> escolhido_;

  QLineEdit* txtFiltro_;
  QComboBox* cmbClientes_;
  QLineEdit* txtEndereco_;
  QLineEdit* txtCidadeUf_;
  QLineEdit* txtCEP_;
  QLineEdit* txtTelefone_;
  QLineEdit* txtDataNasc_;
  QPushButton* cmdAlterar_;
  QPushButton* cmdExcluir_;
};

}  // namespace cifra
