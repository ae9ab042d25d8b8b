// The request dialog driven by keys and clicks: the date box's slashes and
// completion, the sign, every refusal, folding and cancelling.
#include "janelas/frm_entra_nome.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/janelas.h"
#include "engine/signo.h"

namespace {

struct Dialogo {
  frmEntraNome janela{{6, 12, 2026}, {}};
  QLineEdit* nome = janela.findChild<QLineEdit*>(QStringLiteral("txtNome"));
  QLineEdit* data = janela.findChild<QLineEdit*>(QStringLiteral("txtDataNasc"));

  Dialogo() {
    janela.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&janela));
    janela.activateWindow();  // focus changes need the window in front
    EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
  }
  void Digita(const QString& n, const QString& d) {
    cifra::teste::Digita(nome, n);
    cifra::teste::Digita(data, d);
  }
};

TEST(frmEntraNome, DigitosViramDataCompletaEOSignoAparece) {
  Dialogo d;
  d.Digita(QStringLiteral("Maria da Conceição"), QStringLiteral("1a2/0-8x1978"));
  EXPECT_EQ(d.data->text(), QStringLiteral("12/08/1978"));
  EXPECT_EQ(d.janela.SignoExibido(), cifra::SignoDaData("12/08"));
  cifra::teste::GuardaImagem(d.janela.grab().toImage(), QStringLiteral("entra-nome-signo.png"));
  QTest::keyClick(d.data, Qt::Key_Backspace);  // the sign goes with the complete date
  EXPECT_EQ(d.janela.SignoExibido(), 0);
  d.janela.close();  // the close box cancels
  EXPECT_EQ(d.janela.result(), QDialog::Rejected);
  EXPECT_FALSE(d.janela.Pessoa());
}

TEST(frmEntraNome, RecusasComAMensagemEOFocoNaCaixaCulpada) {
  struct Caso {
    const char* nome;
    const char* data;
    std::string_view mensagem;  // empty: refused silently
    const char* foco;
    const char* imagem;
  };
  const Caso casos[] = {
      {"Maria da Silva", "31/02/1978", cifra::kMensagemDataInvalida, "txtDataNasc",
       "entra-nome-recusa-data.png"},
      {"", "12/08/1978", "", "txtNome", "entra-nome-recusa-nome-vazio.png"},
      {"ANA", "12/08/1978", cifra::kMensagemNomeIncompleto, "txtNome",
       "entra-nome-recusa-nome-curto.png"},
      {"", "2a/b", cifra::kMensagemDataInvalida, "txtDataNasc", nullptr},  // date first
  };
  for (const Caso& c : casos) {
    Dialogo d;
    d.Digita(QString::fromUtf8(c.nome), QString::fromUtf8(c.data));
    const QString imagem = QString::fromLatin1(c.imagem ? c.imagem : "");
    cifra::teste::RespondeCaixas caixas({}, [&](QMessageBox* caixa) {
      if (c.imagem) cifra::teste::GuardaImagem(cifra::teste::ComMensagemPorCima(&d.janela, caixa), imagem);
    });
    cifra::teste::Clica(d.janela, QStringLiteral("cmdOk"));
    QTest::qWait(50);
    EXPECT_FALSE(d.janela.Pessoa()) << c.nome;
    if (c.mensagem.empty()) {
      EXPECT_TRUE(caixas.Vistas().empty()) << c.nome;
      if (c.imagem) cifra::teste::GuardaImagem(d.janela.grab().toImage(), imagem);
    } else {
      ASSERT_EQ(caixas.Vistas().size(), 1u) << c.nome;
      EXPECT_EQ(caixas.Vistas()[0].icone, QMessageBox::Critical);
      EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), c.mensagem);
    }
    ASSERT_TRUE(d.janela.focusWidget());
    EXPECT_EQ(d.janela.focusWidget()->objectName(), QString::fromLatin1(c.foco)) << c.nome;
    EXPECT_EQ(d.nome->text(), QString::fromUtf8(c.nome));  // nothing typed is lost
  }
}

TEST(frmEntraNome, AnalisarDobraONomeECompletaADataDigitadaComEnter) {
  Dialogo d;
  d.Digita(QStringLiteral("joão da conceição"), QStringLiteral("200878"));
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/78"));
  d.data->setFocus();
  QTest::keyClick(d.data, Qt::Key_Return);  // confirmed with the focus still in the date box
  ASSERT_TRUE(d.janela.Pessoa());
  EXPECT_TRUE(d.janela.Pessoa()->Nome == U"JOAO DA CONCEICAO");
  EXPECT_EQ(d.janela.Pessoa()->Nascimento, (cifra::Data{20, 8, 1978}));
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/1978"));
  EXPECT_EQ(d.janela.windowTitle(), QStringLiteral("Gerando análise, aguarde..."));
  EXPECT_EQ(d.janela.result(), QDialog::Accepted);
}

}  // namespace
