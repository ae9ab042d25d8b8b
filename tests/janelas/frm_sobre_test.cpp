// The about box: its buttons and link ask the system to open the maker's
// addresses.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QUrlQuery>

#include "apoio/janelas.h"
#include "settings/contato.h"
#include "janelas/frm_sobre.h"

namespace {

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

#include "frm_sobre_test.moc"
