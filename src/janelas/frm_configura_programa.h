#pragma once
// The program options: which topics every analysis holds, whether the karmic
// map follows them, and how it is computed and printed. Changes live in
// memory and reach the files at shutdown.
#include <QDialog>
#include <array>

#include "library/catalogo.h"

class QCheckBox;

namespace cifra {
struct ProgramOptions;
class PastaDeDados;

class frmConfiguraPrograma : public QDialog {
  Q_OBJECT
 public:
  // The options confirmed are saved in the folder at once (a program killed
  // later loses nothing), and only then given to `opcoes`.
  frmConfiguraPrograma(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes);
  // Shows the dialog modally; true when the operator accepted it.
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes);

  static constexpr const char* kMensagemSemTopicos =
      "Impossível prosseguir sem que haja ao menos um cálculo a ser executado pelo programa. "
      "Marque pelo menos um cálculo e então repita a operação.";

 private:
  void cmdOk_Click();

  const PastaDeDados& pasta_;
  ProgramOptions& opcoes_;
  std::array<QCheckBox*, kTopicos> chkInterpretacoes_{};
  QCheckBox* chkIncluirMapaCarmico_;
  QCheckBox* chkImprimirDescricao_;
  QCheckBox* chkImprimirCabecalho_;
  QCheckBox* chkImprimirNumero_;
  QCheckBox* chkEscutarSons_;
  QCheckBox* chkConsiderarDiaNascimento_;
  QCheckBox* chkExibirQuadroNumerologico_;
  QCheckBox* chkNumerosMagicos_;
};

}  // namespace cifra
