#pragma once
// The print dialog: what to print (chart, analysis or both), black and
// white, cover page, the four margins checked against the printer's usable
// page as they are typed, a small preview of a page, and the ways out:
// print, look at the print first, save it as a PDF, or cancel.
#include <QDialog>
#include <QPrinterInfo>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "analysis/analise.h"
#include "printing/imprimir.h"
#include "printing/impressao.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace cifra {
struct EstadoDoPrograma;
}

class frmImprimir : public QDialog {
  Q_OBJECT

 public:
  // Opens the dialog modally, on the system's default printer, for the
  // analysis of this person (the one of the viewer on show), built again
  // into estado.analise. Returns true when it was printed or saved as a PDF.
  static bool Executa(QWidget* pai, cifra::EstadoDoPrograma& estado,
                      const cifra::PessoaAnalisada& pessoa);

  // impressora: the printer to print on; a null one means there is none, and
  // the dialog works on an A4 page, offering the preview and the PDF only.
  frmImprimir(cifra::EstadoDoPrograma& estado, const cifra::PessoaAnalisada& pessoa,
              const QPrinterInfo& impressora, QWidget* pai = nullptr);
  ~frmImprimir() override;

  // The four text boxes into MargensAtuais.
  void RedefinirMargens();
  // The preview with the margins typed (which also become MargensAtuais).
  void DesenhaExemplo();

  cifra::Margens MargensAtuais;

  double LarguraUtil() const { return larguraUtil_; }
  double AlturaUtil() const { return alturaUtil_; }

 public slots:
  void reject() override;  // "Cancela&r", the close box and Escape

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void MontaControles();
  void VerificaMargem(cifra::LadoDaMargem lado);
  // Stores the three choices into the program options.
  void GuardaEscolhas();
  void FixaMargensEEscolhas();
  cifra::OpcoesDaImpressao OpcoesEscolhidas() const;
  cifra::ConteudoDaAnalise Conteudo() const;
  std::unique_ptr<QPrinter> NovaImpressora() const;
  // Paints the preview box white, then what desenho draws on it in millimetres.
  void PintaExemplo(const std::function<void(cifra::SuperficieDeDesenho&)>& desenho);
  void MostraAguarde();
  void cmdImprimir_Click();
  void cmdVisualizar_Click();
  void cmdSalvarPdf_Click();

  cifra::EstadoDoPrograma& estado_;
  cifra::Analise analise_;
  cifra::Data hoje_;
  QPrinterInfo impressora_;
  double larguraUtil_ = 210;
  double alturaUtil_ = 297;
  bool Desenhando = false;

  std::array<QRadioButton*, 3> optImprimir{};
  QCheckBox* chkPretoEmBranco = nullptr;
  QCheckBox* chkImprimirFolhaRosto = nullptr;
  std::array<QLineEdit*, 4> caixas_{};  // by LadoDaMargem
  QLabel* picExemplo = nullptr;
  QLabel* lblSemImpressora = nullptr;
  QPushButton* cmdVisualizar = nullptr;
  QPushButton* cmdSalvarPdf = nullptr;
  QPushButton* cmdImprimir = nullptr;
  QPushButton* cmdCancelar = nullptr;
};
