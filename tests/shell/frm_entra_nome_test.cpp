// The request dialog driven by keys and clicks: the date box's slashes and
// completion, the sign, every refusal, folding, cancelling and the register hook.
#include "shell/frm_entra_nome.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/janelas.h"
#include "engine/signo.h"

namespace {

using cifra::teste::ResponderMensagem;

const cifra::Data kHoje{6, 12, 2026};

struct Dialogo {
  frmEntraNome janela{kHoje, {}};
  QLineEdit* nome = janela.findChild<QLineEdit*>(QStringLiteral("txtNome"));
  QLineEdit* data = janela.findChild<QLineEdit*>(QStringLiteral("txtDataNasc"));
  QPushButton* ok = janela.findChild<QPushButton*>(QStringLiteral("cmdOk"));

  Dialogo() {
    janela.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&janela));
    janela.activateWindow();  // focus changes need the window in front
    EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
  }
  void Digita(const QString& n, const QString& d) {
    nome->clear();
    data->clear();
    cifra::teste::Digita(nome, n);
    cifra::teste::Digita(data, d);
  }
};

TEST(frmEntraNome, DigitosViramDataCompletaEOSignoAparece) {
  Dialogo d;
  cifra::teste::Digita(d.nome, QStringLiteral("Maria da Conceição"));
  cifra::teste::Digita(d.data, QStringLiteral("1a2/0-8x1978"));
  EXPECT_EQ(d.data->text(), QStringLiteral("12/08/1978"));
  EXPECT_EQ(d.janela.SignoExibido(), cifra::SignoDaData("12/08"));
  for (int i = 0; i < 8; ++i) {
    auto* pic = d.janela.findChild<QLabel*>(QStringLiteral("picSigno%1").arg(i));
    ASSERT_TRUE(pic);
    EXPECT_FALSE(pic->pixmap().isNull()) << i;
  }
  cifra::teste::GuardaImagem(d.janela.grab().toImage(), QStringLiteral("entra-nome-signo.png"));
  // Backspace takes the sign away with the complete date.
  QTest::keyClick(d.data, Qt::Key_Backspace);
  EXPECT_EQ(d.janela.SignoExibido(), 0);
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
    auto msg = ResponderMensagem(QMessageBox::Ok, [&](QMessageBox* caixa) {
      if (c.imagem) {
        cifra::teste::GuardaImagem(cifra::teste::ComMensagemPorCima(&d.janela, caixa),
                                   QString::fromLatin1(c.imagem));
      }
    });
    QTest::mouseClick(d.ok, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_TRUE(d.janela.isVisible()) << c.nome;
    EXPECT_FALSE(d.janela.Pessoa()) << c.nome;
    if (c.mensagem.empty()) {
      EXPECT_FALSE(msg->vista) << c.nome;
      if (c.imagem) cifra::teste::GuardaImagem(d.janela.grab().toImage(), QString::fromLatin1(c.imagem));
    } else {
      EXPECT_TRUE(msg->vista) << c.nome;
      EXPECT_EQ(msg->titulo, QStringLiteral("Erro:"));
      EXPECT_EQ(msg->icone, QMessageBox::Critical);
      EXPECT_EQ(msg->texto.toStdString(), c.mensagem);
    }
    ASSERT_TRUE(d.janela.focusWidget());
    EXPECT_EQ(d.janela.focusWidget()->objectName(), QString::fromLatin1(c.foco))
        << c.nome;
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
  EXPECT_FALSE(d.ok->isEnabled());
  EXPECT_EQ(d.janela.result(), QDialog::Accepted);
}

TEST(frmEntraNome, SairDaCaixaDeDataCompletaOuSeleciona) {
  Dialogo d;
  d.data->setFocus();
  cifra::teste::Digita(d.data, QStringLiteral("200878"));
  QTest::keyClick(d.data, Qt::Key_Tab);  // the date box loses the focus
  QTest::qWait(20);
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/1978"));
  EXPECT_NE(d.janela.SignoExibido(), 0);
  d.data->setText(QStringLiteral("99/99"));
  d.data->setFocus();
  QTest::keyClick(d.data, Qt::Key_Tab);
  QTest::qWait(20);
  EXPECT_EQ(d.data->text(), QStringLiteral("99/99"));
  EXPECT_EQ(d.data->selectedText(), QStringLiteral("99/99"));
}

TEST(frmEntraNome, CaixaDeFecharCancelaECadastroPreencheOsDados) {
  Dialogo d;
  d.Digita(QStringLiteral("Maria da Silva"), QStringLiteral("12081978"));
  d.janela.close();
  EXPECT_EQ(d.janela.result(), QDialog::Rejected);
  EXPECT_FALSE(d.janela.Pessoa());

  int chamadas = 0;
  frmEntraNome comCadastro(kHoje, [&](frmEntraNome& pedido) {
    ++chamadas;
    pedido.PreencheDados(QStringLiteral("Ana Beatriz"), QStringLiteral("5/3/80"));
  });
  comCadastro.show();
  cifra::teste::Clica(comCadastro, QStringLiteral("cmdCadastro"));
  EXPECT_EQ(chamadas, 1);
  EXPECT_EQ(comCadastro.findChild<QLineEdit*>(QStringLiteral("txtDataNasc"))->text(),
            QStringLiteral("05/03/1980"));
  EXPECT_EQ(comCadastro.SignoExibido(), cifra::SignoDaData("05/03"));
  cifra::teste::Clica(comCadastro, QStringLiteral("cmdCancelar"));
  EXPECT_FALSE(comCadastro.Pessoa());
  EXPECT_FALSE(comCadastro.isVisible());
}

}  // namespace
