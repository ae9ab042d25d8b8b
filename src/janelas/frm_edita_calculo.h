#pragma once
// The editor of the operator's own numbers A and B: building blocks joined by
// add and subtract. The formula is shown as words and as its value for a
// person while it grows; the file is written only by "Encerra&r Cálculo".
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "analysis/pedido.h"
#include "library/pasta_dados.h"

class QButtonGroup;
class QLabel;

namespace cifra {

class frmEditaCalculo : public QDialog {
  Q_OBJECT
 public:
  // The value is shown for amostra, the person of the analysis in front, or
  // for an example person when none is open; master numbers count as the
  // options in force say (numerosMagicos).
  frmEditaCalculo(QWidget* pai, const PastaDeDados& pasta, bool numerosMagicos,
                  const PessoaAnalisada* amostra);
  // arquivo: "DEFUSERA.CFG" or "DEFUSERB.CFG" (kFormulaA, kFormulaB).
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, bool numerosMagicos,
                      const PessoaAnalisada* amostra, const std::string& arquivo);

  void DefineArquivoAGravar(const std::string& arquivo) { arquivo_ = arquivo; }
  // The chosen building block, 0..11, or 901 when none is chosen.
  int RecuperaOpcao() const;
  void reject() override;  // "&Cancelar" and the close box ask first

  static constexpr int kNenhumaOpcao = 901;
  static constexpr const char* kEscolhaONumero =
      "Importante: Antes de selecionar a operação, por favor, selecione o número a ser utilizado!";
  static constexpr const char* kPerguntaMestres =
      "Você deseja que o programa considere válidos os números 11 e 22 para este cálculo?";
  static constexpr const char* kCriado =
      "Cálculo criado com sucesso! Para testá-lo, por favor, selecione o cálculo na opção de "
      "configurações e então realize uma análise.";
  static constexpr const char* kPerguntaCancelar =
      "Atenção: Cancelando esta edição, nenhum dado será salvo e nem modificado. Cancelar "
      "assim mesmo?";

 private:
  bool TemOpcao();
  void Acrescenta(int16_t operador);
  void cmdEncerrarCalculo_Click();
  void LimpaOpcoes();
  void MostraFormula();

  const PastaDeDados& pasta_;
  bool numerosMagicos_;
  std::optional<PessoaAnalisada> amostra_;
  std::string arquivo_;
  std::vector<int16_t> codigos_;
  QButtonGroup* optNumero_;
  QLabel* lblFormula_;
  QLabel* lblValor_;
};

}  // namespace cifra
