// The request dialog driven by keys and clicks: the date box's slashes and
// completion, the sign, every refusal, folding, and the close box.
#include "janelas/frm_entra_nome.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "apoio/janelas.h"
#include "engine/signo.h"

namespace {

struct Dialogo {
  frmEntraNome janela{{6, 12, 2026}, {}};
  QLineEdit* nome = janela.findChild<QLineEdit*>(QStringLiteral("txtNome"));
  QLineEdit* data = janela.findChild<QLineEdit*>(QStringLiteral("txtDataNasc"));

  Dialogo(const QString& n, const QString& d) {
    janela.show();
    janela.activateWindow();  // focus changes need the window in front
    EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
    cifra::teste::Digita(nome, n);
    cifra::teste::Digita(data, d);
  }
};

// Only digits reach the date box, which puts the slashes in; the sign comes
// with a complete date and goes with it; Enter in the date box completes a
// two-digit year and analyses the folded name.
TEST(frmEntraNome, DigitosViramDataComSignoEEnterAnalisaONomeDobrado) {
  Dialogo d(QStringLiteral("joão da conceição"), QStringLiteral("1a2/0-8x1978"));
  EXPECT_EQ(d.data->text(), QStringLiteral("12/08/1978"));
  EXPECT_EQ(d.janela.SignoExibido(), cifra::SignoDaData("12/08"));
  QTest::keyClick(d.data, Qt::Key_Backspace);
  EXPECT_EQ(d.janela.SignoExibido(), 0);
  d.data->selectAll();
  QTest::keyClick(d.data, Qt::Key_Backspace);
  cifra::teste::Digita(d.data, QStringLiteral("200878"));
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/78"));
  QTest::keyClick(d.data, Qt::Key_Return);
  ASSERT_TRUE(d.janela.Pessoa());
  EXPECT_TRUE(d.janela.Pessoa()->Nome == U"JOAO DA CONCEICAO");
  EXPECT_EQ(d.janela.Pessoa()->Nascimento, (cifra::Data{20, 8, 1978}));
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/1978"));
  EXPECT_EQ(d.janela.windowTitle(), QStringLiteral("Gerando análise, aguarde..."));
  EXPECT_EQ(d.janela.result(), QDialog::Accepted);
}

// Each refusal names its reason (or none, for an empty name), puts the focus
// in the guilty box and loses nothing typed; the close box then cancels.
TEST(frmEntraNome, RecusasComAMensagemEOFocoNaCaixaCulpada) {
  struct Caso { const char* nome; const char* data; std::string_view mensagem; const char* foco; };
  const Caso casos[] = {
      {"Maria da Silva", "31/02/1978", cifra::kMensagemDataInvalida, "txtDataNasc"},
      {"", "12/08/1978", "", "txtNome"},
      {"ANA", "12/08/1978", cifra::kMensagemNomeIncompleto, "txtNome"},
      {"", "2a/b", cifra::kMensagemDataInvalida, "txtDataNasc"},  // the date first
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Dialogo d(QString::fromUtf8(c.nome), QString::fromUtf8(c.data));
    cifra::teste::RespondeCaixas caixas;
    cifra::teste::Clica(d.janela, QStringLiteral("cmdOk"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return d.janela.focusWidget() && d.janela.focusWidget()->objectName() == QLatin1String(c.foco);
    }));
    EXPECT_FALSE(d.janela.Pessoa());
    ASSERT_EQ(caixas.Vistas().size(), c.mensagem.empty() ? 0u : 1u);
    if (!c.mensagem.empty()) {
      EXPECT_EQ(caixas.Vistas()[0].icone, QMessageBox::Critical);
      EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), c.mensagem);
    }
    EXPECT_EQ(d.nome->text(), QString::fromUtf8(c.nome));
    d.janela.close();
    EXPECT_EQ(d.janela.result(), QDialog::Rejected);
    EXPECT_FALSE(d.janela.Pessoa());
  }
}

}  // namespace
