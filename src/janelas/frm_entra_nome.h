#pragma once
// The analysis request: the person's full name and date of birth. The date
// box takes digits and puts in the slashes; a complete date shows the
// person's zodiac sign; "&Analisar" refuses a date that is not one and a
// name that is not a full name, with the message that says why. The
// forecast's request is the same dialog with the first and last year of the
// forecast, checked after the person; the compatibility's asks two people,
// each with its own "Cadastro", both checked by the same rules.
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <functional>
#include <optional>

#include "analysis/pedido.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace cifra {

// The date box: every typed character goes through the date's keystroke filter.
class CaixaDeData : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
};

class frmEntraNome : public QDialog {
  Q_OBJECT
 public:
  // Opens the client register from "&Cadastro"; it may fill the person's two
  // boxes (PreencheDados) before it returns.
  using AbreCadastro = std::function<void(frmEntraNome&)>;

  enum class Finalidade { Analise, Previsao, Compatibilidade };
  // For a forecast the dialog also asks the years, from AnosPadraoDaPrevisao(hoje);
  // for a compatibility, a second person.
  frmEntraNome(const Data& hoje, AbreCadastro abreCadastro, QWidget* pai = nullptr,
               Finalidade finalidade = Finalidade::Analise);

  // Shows the dialog modally: the accepted person, or nothing when the
  // operator cancelled (the window's close box cancels too).
  static std::optional<PessoaAnalisada> Executa(QWidget* pai, const Data& hoje,
                                                       AbreCadastro abreCadastro = {});

  struct PedidoDePrevisao {
    PessoaAnalisada pessoa;
    int anoInicial = 0, anoFinal = 0;
  };
  // The forecast's request, modally: the person and a range of years that
  // RecusaDosAnos accepts for that person, or nothing when cancelled.
  static std::optional<PedidoDePrevisao> ExecutaPrevisao(QWidget* pai, const Data& hoje,
                                                         AbreCadastro abreCadastro = {});

  struct PedidoDeCompatibilidade {
    PessoaAnalisada primeira, segunda;
  };
  // The compatibility's request, modally: two people the request accepts,
  // or nothing when cancelled.
  static std::optional<PedidoDeCompatibilidade> ExecutaCompatibilidade(
      QWidget* pai, const Data& hoje, AbreCadastro abreCadastro = {});

  // The person accepted by "&Analisar"; nothing before, or after cancelling.
  const std::optional<PessoaAnalisada>& Pessoa() const { return pessoa_; }
  // The compatibility's second person, accepted with the first.
  const std::optional<PessoaAnalisada>& SegundaPessoa() const { return segunda_; }
  // The years in the boxes (a forecast's request; both 0 for an analysis).
  std::pair<int, int> Anos() const;
  // Puts a name and a date in the boxes and completes the date, as when the
  // operator leaves the date box: the boxes of the person whose "Cadastro"
  // was clicked last (the first person's before any).
  void PreencheDados(const QString& nome, const QString& data);
  // The sign now drawn in the sign pictures (1 to 12), 0 when none.
  int SignoExibido() const { return signo_; }

  void cmdOk_Click();
  void cmdCancelar_Click();
  void cmdCadastro_Click();
  void cmdCadastro2_Click();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void reject() override;

 private:
  // Completion of the date when the box is left: dd/mm/aaaa and its sign,
  // or, when it is not a date, the whole text selected for retyping.
  void txtDataNasc_LostFocus(CaixaDeData* caixa);
  void MostraSigno(int signo);

  Data hoje_;
  AbreCadastro abreCadastro_;
  Finalidade finalidade_;
  QSpinBox* txtAnoInicial_ = nullptr;
  QSpinBox* txtAnoFinal_ = nullptr;
  QLineEdit* txtNome_;
  CaixaDeData* txtDataNasc_;
  std::array<QLabel*, 8> picSigno_{};
  QPushButton* cmdCadastro_;
  // The compatibility's second person (nullptr otherwise).
  QLineEdit* txtNome2_ = nullptr;
  CaixaDeData* txtDataNasc2_ = nullptr;
  QPushButton* cmdCadastro2_ = nullptr;
  int pessoaDoCadastro_ = 0;  // 0 or 1: whose boxes the register fills
  QPushButton* cmdCancelar_;
  QPushButton* cmdOk_;
  int signo_ = 0;
  std::optional<PessoaAnalisada> pessoa_;
  std::optional<PessoaAnalisada> segunda_;
};

}  // namespace cifra
