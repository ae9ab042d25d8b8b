#include <gtest/gtest.h>

#include <QLabel>

#include "apoio/janelas.h"
#include "library/formulas.h"
#include "janelas/frm_edita_calculo.h"

namespace cifra {
namespace {

using teste::RespondeCaixas;

// The formula is shown in words as it grows; given up, nothing is written;
// a two-block formula saved over a five-block one keeps the older tail.
TEST(frmEditaCalculo, FormulaPorExtensoEDoisBlocosGravadosSobreCinco) {
  teste::ComConfiguracao s;
  const std::vector<uint8_t> cinco{201, 0, 8, 0, 101, 0, 5, 0, 102, 0, 3, 0,
                                   101, 0, 7, 0, 102, 0, 10, 0, 103, 0};
  teste::EscreveBytes(s.pasta / "DEFUSERB.CFG", cinco);
  const auto constroi = [](frmEditaCalculo& j, std::initializer_list<const char*> botoes) {
    for (const char* b : botoes) teste::Clica(j, QString::fromLatin1(b));
  };
  {
    frmEditaCalculo janela(nullptr, s.configuracao.pasta, false, nullptr);
    janela.DefineArquivoAGravar(kFormulaB);
    janela.show();
    constroi(janela, {"optNumero_8", "cmdSomarCom", "optNumero_5", "cmdDiminuirDe", "optNumero_3"});
    EXPECT_EQ(teste::Controle<QLabel>(janela, QStringLiteral("lblFormula"))->text(),
              "Nome Completo + Dia do Nascimento − Vogais do Nome");
    teste::Retrata(&janela, QStringLiteral("frmEditaCalculo"));
    RespondeCaixas caixas({QMessageBox::Yes});
    teste::Clica(janela, QStringLiteral("cmdCancelar"));
    EXPECT_EQ(teste::LeBytes(s.pasta / "DEFUSERB.CFG"), cinco);
  }
  frmEditaCalculo janela(nullptr, s.configuracao.pasta, false, nullptr);
  janela.DefineArquivoAGravar(kFormulaB);
  janela.show();
  constroi(janela, {"optNumero_10", "cmdSomarCom", "optNumero_5"});
  // 12 letters in MARIA DA SILVA, plus the birth day 12 reduced to 3: 15, which is 6.
  EXPECT_EQ(teste::Controle<QLabel>(janela, QStringLiteral("lblValor"))->text(),
            "Valor para MARIA DA SILVA, 12/08/1978: 6");
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Ok});
  teste::Clica(janela, QStringLiteral("cmdEncerrarCalculo"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmEditaCalculo::kPerguntaMestres);
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_EQ(LerFormula(s.configuracao.pasta, kFormulaB),
            (std::vector<int16_t>{202, 10, 101, 5, 103, 3, 101, 7, 102, 10, 103}));
}

}  // namespace
}  // namespace cifra
