// The built-in manual: every page and picture it names is there, and the
// links are followed with the mouse. The about box: its buttons and link ask
// the system to open the maker's addresses.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QRegularExpression>
#include <QTextCursor>
#include <QScrollBar>
#include <QTextDocument>
#include <QUrlQuery>

#include "apoio/janelas.h"
#include "janelas/frm_ajuda.h"
#include "janelas/frm_sobre.h"
#include "settings/contato.h"

namespace cifra {
namespace {

// Clicks the first link whose text is `texto` on the page shown.
void ClicaNoLink(NavegadorDoManual* manual, const QString& texto) {
  QTextCursor c = manual->document()->find(texto);
  ASSERT_FALSE(c.isNull()) << texto.toStdString();
  manual->setTextCursor(c);
  manual->ensureCursorVisible();
  c.setPosition(c.selectionStart() + 1);
  QTest::mouseClick(manual->viewport(), Qt::LeftButton, {}, manual->cursorRect(c).center());
}

TEST(frmAjuda, TodasAsPaginasEFigurasEstaoNoProgramaENavegaComOMouse) {
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
  // A screenshot arrives already at the width its page shows it (820 pixels
  // taken, 480 shown), smoothly reduced rather than scaled when drawn.
  const QUrl figura = frmAjuda::Sumario().resolved(QUrl(QStringLiteral("imagens/frmSelecionarArquivo.png")));
  EXPECT_EQ(manual->loadResource(QTextDocument::ImageResource, figura).value<QImage>().width(), 480);

  // Links followed with the mouse; the data folder page names the operator's.
  janela.resize(860, 680);
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  ClicaNoLink(manual, QStringLiteral("O caminho principal"));
  EXPECT_EQ(manual->source().fileName(), QStringLiteral("caminho.html"));
  manual->verticalScrollBar()->setValue(manual->verticalScrollBar()->maximum() / 3);
  cifra::teste::Retrata(&janela, QStringLiteral("ajuda-caminho"));
  cifra::teste::Clica(janela, QStringLiteral("cmdVoltar"));
  EXPECT_EQ(manual->source(), frmAjuda::Sumario());
  ClicaNoLink(manual, QStringLiteral("A pasta de dados"));
  EXPECT_TRUE(manual->toPlainText().contains(QStringLiteral("/home/operadora/Cifralumina")));
}

// Stands in for the system's browser and mail program.
class Abridor : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> pedidos;
 public slots:
  void abre(const QUrl& url) { pedidos.append(url); }
};

TEST(frmSobre, SuporteELinkAbremOsEnderecosDoFabricante) {
  Abridor abridor;
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &abridor, "abre");
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &abridor, "abre");
  frmSobre janela;
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  cifra::teste::Retrata(&janela, QStringLiteral("frm-sobre"));
  cifra::teste::Clica(janela, QStringLiteral("cmdSuporte"));
  auto* link = cifra::teste::Controle<QLabel>(janela, QStringLiteral("lblInternet"));
  QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(12, link->height() / 2));
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(abridor.pedidos.size(), 2);
  EXPECT_EQ(abridor.pedidos[0].scheme(), QStringLiteral("mailto"));
  EXPECT_EQ(abridor.pedidos[0].path(), QString::fromUtf8(cifra::kEmailDeSuporte.data()));
  EXPECT_EQ(QUrlQuery(abridor.pedidos[0]).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            QStringLiteral("Suporte Cifralumina 2007"));
  EXPECT_EQ(abridor.pedidos[1], QUrl(QString::fromUtf8(cifra::kPaginaDoProduto.data())));
}

}  // namespace
}  // namespace cifra

#include "frm_ajuda_test.moc"
