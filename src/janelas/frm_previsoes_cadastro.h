#pragma once
// The forecasts of the whole client register, one PDF per client: the
// dialog asks the years and the folder, then a progress window names the
// client just done, counts them and estimates the time left while the batch
// runs off the window's thread; "Cancelar" stops it once the clients being
// written are done, keeping what is written. At the end a box says how many
// were written and which clients were left out, and why.
#include <QDialog>
#include <QString>
#include <optional>

#include "engine/data.h"
#include "printing/lote.h"
#include "settings/configuracao.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace cifra {

class frmPrevisoesDoCadastro : public QDialog {
  Q_OBJECT
 public:
  // configuracao: read only, copied for the batch. pasta: the folder offered
  // (where the last files went); the folder used replaces it.
  frmPrevisoesDoCadastro(const Configuracao& configuracao, const Data& hoje, QString& pasta,
                         QWidget* pai = nullptr);
  // Shows the dialog modally; the batch, when started, runs to its end (or
  // its cancel) before this returns.
  static void Executa(QWidget* pai, const Configuracao& configuracao, const Data& hoje,
                      QString& pasta);

  // What the batch did; nothing until it ran.
  const std::optional<ResultadoDoLote>& Resultado() const { return resultado_; }

 private:
  void cmdProcurar_Click();
  void cmdGerar_Click();
  // Runs the batch on a thread of its own while a modal progress window
  // follows it; the event loop keeps running meanwhile.
  ResultadoDoLote GravaComProgresso(int anoInicial, int anoFinal, const std::string& pasta,
                                    int& total);
  void MostraResultado(const ResultadoDoLote& resultado, int total, const QString& pasta);

  const Configuracao& configuracao_;
  Data hoje_;
  QString& pasta_;
  std::optional<ResultadoDoLote> resultado_;
  QSpinBox* txtAnoInicial_;
  QSpinBox* txtAnoFinal_;
  QLineEdit* txtPasta_;
  QPushButton* cmdProcurar_;
  QPushButton* cmdGerar_;
  QPushButton* cmdCancelar_;
};

// "3 de 10 — faltam cerca de 12 segundos": the count and, while clients
// remain, the time left in seconds under a minute and in minutes above.
QString TextoDoProgresso(const ProgressoDoLote& progresso);

}  // namespace cifra
