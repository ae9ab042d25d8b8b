// The built-in manual: every page and picture it names is there, the links
// are followed with the mouse, and it shows the maker's addresses and the
// operator's data folder.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "apoio/janelas.h"
#include "settings/contato.h"
#include "shell/frm_ajuda.h"

namespace {

const QStringList kPaginas = {QStringLiteral("indice.html"), QStringLiteral("caminho.html"),
                              QStringLiteral("dialogos.html"), QStringLiteral("pasta.html"),
                              QStringLiteral("linha_comando.html")};

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Stands in for the system's browser.
class Navegador : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> pedidos;
 public slots:
  void abre(const QUrl& url) { pedidos.append(url); }
};

// Clicks the first link whose text is `texto` on the page shown.
void ClicaNoLink(NavegadorDoManual* manual, const QString& texto) {
  QTextCursor c = manual->document()->find(texto);
  ASSERT_FALSE(c.isNull()) << texto.toStdString();
  manual->setTextCursor(c);
  manual->ensureCursorVisible();
  c.setPosition(c.selectionStart() + 1);
  const QPoint ponto = manual->cursorRect(c).center();
  QTest::mouseClick(manual->viewport(), Qt::LeftButton, {}, ponto);
}

TEST(frmAjuda, TodasAsPaginasEFigurasEstaoNoPrograma) {
  frmAjuda janela(nullptr, QStringLiteral("/home/operadora/Cifralumina"));
  NavegadorDoManual* manual = janela.Manual();
  QStringList faltando;
  for (const QString& pagina : kPaginas) {
    const QUrl url = frmAjuda::Sumario().resolved(QUrl(pagina));
    manual->setSource(url);
    EXPECT_EQ(manual->source(), url);
    EXPECT_FALSE(manual->documentTitle().isEmpty()) << pagina.toStdString();
    const QString html = manual->loadResource(QTextDocument::HtmlResource, url).toString();
    EXPECT_FALSE(html.contains(QStringLiteral("{{"))) << pagina.toStdString();
    // Pictures and links to other pages.
    static const QRegularExpression referencia(QStringLiteral("(?:src|href)=\"([^\"#:]+)[\"#]"));
    for (auto m = referencia.globalMatch(html); m.hasNext();) {
      const QString alvo = m.next().captured(1);
      const QUrl resolvido = url.resolved(QUrl(alvo));
      const int tipo = alvo.endsWith(QStringLiteral(".png")) ? QTextDocument::ImageResource
                                                              : QTextDocument::HtmlResource;
      if (!manual->loadResource(tipo, resolvido).isValid()) faltando << pagina + " -> " + alvo;
    }
  }
  EXPECT_TRUE(faltando.isEmpty()) << faltando.join(QStringLiteral("\n")).toStdString();
}

TEST(frmAjuda, NavegaComOMouseEMostraEnderecosEPasta) {
  frmAjuda janela(nullptr, QStringLiteral("/home/operadora/Cifralumina"));
  janela.resize(860, 680);
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  NavegadorDoManual* manual = janela.Manual();
  EXPECT_EQ(manual->source(), frmAjuda::Sumario());
  const QString sumario = manual->toPlainText();
  EXPECT_TRUE(sumario.contains(Utf8(cifra::kPaginaDeSuporte)));
  EXPECT_TRUE(sumario.contains(Utf8(cifra::kEmailDeSuporte)));
  cifra::teste::Retrata(&janela, QStringLiteral("ajuda-sumario"));

  ClicaNoLink(manual, QStringLiteral("O caminho principal"));
  EXPECT_EQ(manual->source().fileName(), QStringLiteral("caminho.html"));
  manual->verticalScrollBar()->setValue(0);
  cifra::teste::Retrata(&janela, QStringLiteral("ajuda-caminho"));

  cifra::teste::Clica(janela, QStringLiteral("cmdVoltar"));
  EXPECT_EQ(manual->source(), frmAjuda::Sumario());

  ClicaNoLink(manual, QStringLiteral("A pasta de dados"));
  EXPECT_EQ(manual->source().fileName(), QStringLiteral("pasta.html"));
  EXPECT_TRUE(manual->toPlainText().contains(QStringLiteral("/home/operadora/Cifralumina")));

  cifra::teste::Clica(janela, QStringLiteral("cmdSumario"));
  EXPECT_EQ(manual->source(), frmAjuda::Sumario());

  // The link to the support page goes to the system's browser; the manual stays.
  Navegador navegador;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &navegador, "abre");
  ClicaNoLink(manual, Utf8(cifra::kPaginaDeSuporte));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(navegador.pedidos.size(), 1);
  EXPECT_EQ(navegador.pedidos.first(), QUrl(Utf8(cifra::kPaginaDeSuporte)));
  EXPECT_EQ(manual->source(), frmAjuda::Sumario());

  cifra::teste::Clica(janela, QStringLiteral("cmdFechar"));
  EXPECT_FALSE(janela.isVisible());
}

}  // namespace

#include "frm_ajuda_test.moc"
