// The built-in manual: every page and picture it names is there, and the
// links are followed with the mouse.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "apoio/janelas.h"
#include "janelas/frm_ajuda.h"

namespace {

TEST(frmAjuda, TodasAsPaginasEFigurasEstaoNoPrograma) {
  frmAjuda janela(nullptr, QStringLiteral("/home/operadora/Cifralumina"));
  NavegadorDoManual* manual = janela.Manual();
  QStringList faltando;
  for (const char* pagina : {"indice.html", "caminho.html", "dialogos.html", "pasta.html", "linha_comando.html"}) {
    const QUrl url = frmAjuda::Sumario().resolved(QUrl(QString::fromLatin1(pagina)));
    const QString html = manual->loadResource(QTextDocument::HtmlResource, url).toString();
    EXPECT_FALSE(html.isEmpty()) << pagina;
    EXPECT_FALSE(html.contains(QStringLiteral("{{"))) << pagina;
    static const QRegularExpression referencia(QStringLiteral("(?:src|href)=\"([^\"#:]+)[\"#]"));
    for (auto m = referencia.globalMatch(html); m.hasNext();) {
      const QString alvo = m.next().captured(1);
      const int tipo = alvo.endsWith(QStringLiteral(".png")) ? QTextDocument::ImageResource
                                                              : QTextDocument::HtmlResource;
      if (!manual->loadResource(tipo, url.resolved(QUrl(alvo))).isValid()) faltando << alvo;
    }
  }
  EXPECT_TRUE(faltando.isEmpty()) << faltando.join(QStringLiteral("\n")).toStdString();
}

// Clicks the first link whose text is `texto` on the page shown.
void ClicaNoLink(NavegadorDoManual* manual, const QString& texto) {
  QTextCursor c = manual->document()->find(texto);
  ASSERT_FALSE(c.isNull()) << texto.toStdString();
  manual->setTextCursor(c);
  manual->ensureCursorVisible();
  c.setPosition(c.selectionStart() + 1);
  QTest::mouseClick(manual->viewport(), Qt::LeftButton, {}, manual->cursorRect(c).center());
}

TEST(frmAjuda, NavegaComOMouseEMostraAPastaDoOperador) {
  frmAjuda janela(nullptr, QStringLiteral("/home/operadora/Cifralumina"));
  janela.resize(860, 680);
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  NavegadorDoManual* manual = janela.Manual();
  cifra::teste::Retrata(&janela, QStringLiteral("ajuda-sumario"));
  ClicaNoLink(manual, QStringLiteral("O caminho principal"));
  EXPECT_EQ(manual->source().fileName(), QStringLiteral("caminho.html"));
  manual->verticalScrollBar()->setValue(0);
  cifra::teste::Retrata(&janela, QStringLiteral("ajuda-caminho"));
  cifra::teste::Clica(janela, QStringLiteral("cmdVoltar"));
  EXPECT_EQ(manual->source(), frmAjuda::Sumario());
  ClicaNoLink(manual, QStringLiteral("A pasta de dados"));
  EXPECT_TRUE(manual->toPlainText().contains(QStringLiteral("/home/operadora/Cifralumina")));
}

}  // namespace
