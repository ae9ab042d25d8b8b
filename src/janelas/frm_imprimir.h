#pragma once
// The print dialog: what to print (chart, analysis or both), black and
// white, cover page, the four margins checked against the printer's usable
// page as they are typed, a small preview of a page, and the ways out:
// print, look at the print first, save it as a PDF or as an editable
// document, or cancel. A forecast prints alone: no chart, no cover.
#include <QDialog>
#include <QPrinterInfo>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "analysis/analise.h"
#include "library/pasta_dados.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "printing/imprimir.h"
#include "printing/impressao.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace cifra {

// What the print dialog keeps from one opening to the next while the
// program runs: where the last PDF or document went, and whether the
// operator was told that there is no printer (said once).
struct LembrancasDaImpressao {
  QString pastaDoUltimoPdf;
  bool avisouSemImpressora = false;
};

class frmImprimir : public QDialog {
  Q_OBJECT

 public:
  // Opens the dialog modally, on the system's default printer, for what
  // conteudo draws (the report of the viewer in front); nomeDoArquivo is the
  // name offered for the PDF and the document, without the extension. The
  // three choices go into opcoes and the margins into margens (and
  // margens.dat in pasta) when the operator prints or saves a PDF; a
  // forecast keeps only the black-and-white choice. Returns true when it was
  // printed or saved.
  static bool Executa(QWidget* pai, ConteudoDaAnalise conteudo,
                      const std::string& nomeDoArquivo, const PastaDeDados& pasta,
                      ProgramOptions& opcoes, Margens& margens,
                      LembrancasDaImpressao& lembrancas);

  // impressora: the printer to print on; a null one means there is none, and
  // the dialog works on an A4 page, offering the preview and the PDF only.
  frmImprimir(ConteudoDaAnalise conteudo, std::string nomeDoArquivo,
              const PastaDeDados& pasta,
              ProgramOptions& opcoes, Margens& margens,
              LembrancasDaImpressao& lembrancas, const QPrinterInfo& impressora,
              QWidget* pai = nullptr);
  ~frmImprimir() override;

  // The four text boxes into MargensAtuais.
  void RedefinirMargens();
  // The preview with the margins typed (which also become MargensAtuais).
  void DesenhaExemplo();

  Margens MargensAtuais;

  double AlturaUtil() const { return alturaUtil_; }

 public slots:
  void reject() override;  // "Cancela&r", the close box and Escape

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void MontaControles();
  void VerificaMargem(LadoDaMargem lado);
  // Stores the three choices into the program options.
  void GuardaEscolhas();
  void FixaMargensEEscolhas();
  OpcoesDaImpressao OpcoesEscolhidas() const;
  std::unique_ptr<QPrinter> NovaImpressora() const;
  // Paints the preview box white, then what desenho draws on it in millimetres.
  void PintaExemplo(const std::function<void(SuperficieDeDesenho&)>& desenho);
  void MostraAguarde();
  void cmdImprimir_Click();
  void cmdVisualizar_Click();
  void cmdSalvarPdf_Click();
  void cmdSalvarOdt_Click();
  // A report other than the analysis (a forecast): printed alone.
  bool EhRelatorio() const { return !conteudo_.tituloDoRelatorio.empty(); }

  const ConteudoDaAnalise conteudo_;
  const std::string nomeDoArquivo_;
  const PastaDeDados& pasta_;
  ProgramOptions& opcoes_;
  Margens& margens_;
  LembrancasDaImpressao& lembrancas_;
  QPrinterInfo impressora_;
  double larguraUtil_ = 210;
  double alturaUtil_ = 297;
  bool desenhando_ = false;

  std::array<QRadioButton*, 3> optImprimir_{};
  QCheckBox* chkPretoEmBranco_ = nullptr;
  QCheckBox* chkImprimirFolhaRosto_ = nullptr;
  std::array<QLineEdit*, 4> caixas_{};  // by LadoDaMargem
  QLabel* picExemplo_ = nullptr;
  QLabel* lblSemImpressora_ = nullptr;
  QPushButton* cmdVisualizar_ = nullptr;
  QPushButton* cmdSalvarPdf_ = nullptr;
  QPushButton* cmdSalvarOdt_ = nullptr;
  QPushButton* cmdImprimir_ = nullptr;
  QPushButton* cmdCancelar_ = nullptr;
};

// Asks where to save the content as an editable document (OpenDocument
// text), offering nomeDoArquivo + ".odt" in pasta, and writes it whole or
// not at all; a failure is told in a box. pasta becomes the folder chosen.
// True when the file was written.
bool SalvaComoOdt(QWidget* pai, const ConteudoDaAnalise& conteudo, const std::string& nomeDoArquivo,
                  QString& pasta);

}  // namespace cifra
