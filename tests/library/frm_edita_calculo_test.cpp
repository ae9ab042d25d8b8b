#include <gtest/gtest.h>

#include <QLabel>

#include "apoio/janelas.h"
#include "library/formulas.h"
#include "library/frm_edita_calculo.h"

namespace cifra {
namespace {

using teste::RespondeCaixas;

std::vector<uint8_t> Codigos(std::initializer_list<int> codigos) {
  std::vector<uint8_t> b;
  for (int c : codigos) b.insert(b.end(), {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>(c >> 8)});
  return b;
}

struct Calculo : teste::ComEstado, ::testing::Test {
  frmEditaCalculo janela{nullptr, estado};
  void SetUp() override {
    janela.DefineArquivoAGravar(kFormulaB);
    janela.show();
  }
  void Clica(const QString& nome) { teste::Clica(janela, nome); }
  void Bloco(int i) { Clica(QStringLiteral("optNumero_%1").arg(i)); }
  QString Texto(const char* rotulo) { return teste::Controle<QLabel>(janela, QString::fromLatin1(rotulo))->text(); }
};

TEST_F(Calculo, UmaFormulaDeDoisBlocosGravadaSobreUmaDeCincoGuardaARestaAntiga) {
  const auto cinco = Codigos({201, 8, 101, 5, 102, 3, 101, 7, 102, 10, 103});
  teste::EscreveBytes(pasta / "DEFUSERB.CFG", cinco);
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Ok});
  Bloco(10);
  Clica(QStringLiteral("cmdSomarCom"));
  EXPECT_EQ(janela.RecuperaOpcao(), frmEditaCalculo::kNenhumaOpcao);
  EXPECT_EQ(teste::LeBytes(pasta / "DEFUSERB.CFG"), cinco);  // nothing written yet
  Bloco(5);
  Clica(QStringLiteral("cmdEncerrarCalculo"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmEditaCalculo::kPerguntaMestres);
  EXPECT_EQ(caixas.Vistas()[1].titulo, "Operação OK");
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  // The layout is the formula files' test; here, the codes now in the file.
  EXPECT_EQ(LerFormula(estado.pasta, kFormulaB),
            (std::vector<int16_t>{202, 10, 101, 5, 103, 3, 101, 7, 102, 10, 103}));
}

TEST_F(Calculo, AFormulaAparecePorExtensoEComSeuValorEnquantoCresce) {
  EXPECT_EQ(Texto("lblFormula"), "(vazio)");
  Bloco(8);
  Clica(QStringLiteral("cmdSomarCom"));
  Bloco(5);
  Clica(QStringLiteral("cmdDiminuirDe"));
  EXPECT_EQ(Texto("lblFormula"), "Nome Completo + Dia do Nascimento − ");
  Bloco(3);
  EXPECT_EQ(Texto("lblFormula"), "Nome Completo + Dia do Nascimento − Vogais do Nome");
  teste::Retrata(&janela, QStringLiteral("frmEditaCalculo"));
  // 12 letters in MARIA DA SILVA, plus the birth day 12 reduced to 3: 15, which is 6.
  RespondeCaixas caixas({QMessageBox::Yes});
  Clica(QStringLiteral("cmdCancelar"));
  frmEditaCalculo outra(nullptr, estado);
  outra.show();
  for (const char* nome : {"optNumero_10", "cmdSomarCom", "optNumero_5"}) {
    teste::Clica(outra, QString::fromLatin1(nome));
  }
  EXPECT_EQ(teste::Controle<QLabel>(outra, QStringLiteral("lblValor"))->text(),
            "Valor para MARIA DA SILVA, 12/08/1978: 6");
}

TEST_F(Calculo, SemNumeroEscolhidoAOperacaoERecusada) {
  const auto antes = teste::LeBytes(pasta / "DEFUSERB.CFG");
  RespondeCaixas caixas;
  Clica(QStringLiteral("cmdDiminuirDe"));
  Clica(QStringLiteral("cmdEncerrarCalculo"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  for (const auto& c : caixas.Vistas()) EXPECT_EQ(c.texto.toStdString(), frmEditaCalculo::kEscolhaONumero);
  EXPECT_EQ(Texto("lblFormula"), "(vazio)");
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(teste::LeBytes(pasta / "DEFUSERB.CFG"), antes);
}

}  // namespace
}  // namespace cifra
