// Settings and editing dialogs given up after a change, by their cancel
// button and by the close box: the program's state and every file of the
// data folder stay as they were, even for the fonts, which the dialog
// applies at once. Those that ask first stay open on "No".
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <map>

#include "apoio/janelas.h"
#include "library/formulas.h"
#include "janelas/frm_edita_calculo.h"
#include "janelas/frm_configura_fonte.h"
#include "janelas/frm_configura_rodape.h"

namespace cifra {
namespace {

using teste::Clica;

std::map<std::string, std::vector<uint8_t>> Arquivos(const std::filesystem::path& pasta) {
  std::map<std::string, std::vector<uint8_t>> a;
  for (const auto& e : std::filesystem::directory_iterator(pasta)) {
    a[e.path().filename().string()] = teste::LeBytes(e.path());
  }
  return a;
}

struct Caso {
  const char* janela;
  std::function<std::unique_ptr<QDialog>(Configuracao&)> abre;
  std::function<void(QDialog&)> muda;
  const char* cancelar;
  const char* pergunta;  // nullptr: leaves without asking
};

TEST(DialogoCancelado, NadaMudaNaMemoriaNemNosArquivos) {
  const Caso casos[] = {
      {"frmConfiguraFonte",
       [](Configuracao& e) { return std::make_unique<frmConfiguraFonte>(nullptr, e.pasta, e.fontes); },
       [](QDialog& j) {  // applied at once to what the program shows
         teste::Substitui(teste::Controle<QComboBox>(j, QStringLiteral("cmbTamanho_1"))->lineEdit(),
                          QStringLiteral("18"));
         Clica(j, QStringLiteral("chkNegrito_0"));
       },
       "cmdCancelar", nullptr},
      {"frmConfiguraRodape",
       [](Configuracao& e) { return std::make_unique<frmConfiguraRodape>(nullptr, e.pasta, e.linhas, e.margens); },
       [](QDialog& j) {
         teste::Substitui(teste::Controle(j, QStringLiteral("txtRodapeLinhaUm")), QStringLiteral("Novo"));
       },
       "cmdCancelar", frmConfiguraRodape::kPerguntaCancelar},
      {"frmEditaCalculo",
       [](Configuracao& e) {
         auto j = std::make_unique<frmEditaCalculo>(nullptr, e.pasta, e.opcoes.NumerosMagicos, nullptr);
         j->DefineArquivoAGravar(kFormulaB);
         return j;
       },
       [](QDialog& j) {
         Clica(j, QStringLiteral("optNumero_2"));
         Clica(j, QStringLiteral("cmdSomarCom"));
       },
       "cmdCancelar", frmEditaCalculo::kPerguntaCancelar},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.janela);
    teste::ComConfiguracao s;
    const Configuracao antes = s.configuracao;
    const auto arquivos = Arquivos(s.pasta.Caminho());
    for (const bool pelaCaixaDeFechar : {false, true}) {
      const auto janela = c.abre(s.configuracao);
      janela->show();
      c.muda(*janela);
      teste::RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
      const auto sai = [&] {
        if (pelaCaixaDeFechar) {
          teste::ClicaNaCaixaDeFechar(janela.get());
        } else {
          Clica(*janela, QString::fromLatin1(c.cancelar));
        }
      };
      sai();
      if (c.pergunta) {
        EXPECT_TRUE(janela->isVisible());  // "No": back to the dialog
        sai();
        ASSERT_EQ(caixas.Vistas().size(), 2u);
        EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), c.pergunta);
      } else {
        EXPECT_TRUE(caixas.Vistas().empty());
      }
      EXPECT_FALSE(janela->isVisible());
      EXPECT_EQ(janela->result(), QDialog::Rejected);
      EXPECT_EQ(s.configuracao.ordem, antes.ordem);
      EXPECT_EQ(s.configuracao.titulos, antes.titulos);
      EXPECT_EQ(s.configuracao.fontes, antes.fontes);
      EXPECT_EQ(s.configuracao.opcoes, antes.opcoes);
      EXPECT_EQ(s.configuracao.linhas, antes.linhas);
      EXPECT_EQ(Arquivos(s.pasta.Caminho()), arquivos);
    }
  }
}

}  // namespace
}  // namespace cifra
