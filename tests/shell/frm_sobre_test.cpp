// The about box: its addresses come from the one set of constants, and its
// buttons and link ask the system to open them.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QUrlQuery>

#include "apoio/janelas.h"
#include "settings/contato.h"
#include "settings/rodape.h"
#include "shell/frm_sobre.h"

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
  ASSERT_EQ(abridor.pedidos.size(), 1);
  const QUrl email = abridor.pedidos.last();
  EXPECT_EQ(email.scheme(), QStringLiteral("mailto"));
  EXPECT_EQ(email.path(), QString::fromUtf8(cifra::kEmailDeSuporte.data()));
  const QUrlQuery consulta(email);
  EXPECT_EQ(consulta.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            QStringLiteral("Suporte Cifralumina 2007"));
  EXPECT_EQ(consulta.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
            QStringLiteral("Digite aqui suas dúvidas e/ou sugestões!"));

  auto* link = cifra::teste::Controle<QLabel>(janela, QStringLiteral("lblInternet"));
  EXPECT_TRUE(link->text().contains(QString::fromUtf8(cifra::kSiteDoFabricante.data())));
  QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(12, link->height() / 2));
  ASSERT_EQ(abridor.pedidos.size(), 2);
  EXPECT_EQ(abridor.pedidos.last(), QUrl(QString::fromUtf8(cifra::kPaginaDoProduto.data())));

  cifra::teste::Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_FALSE(janela.isVisible());
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

TEST(frmSobre, ORodapePadraoTrazOMesmoSite) {
  EXPECT_NE(cifra::LinhasRodape{}.LinhaRodapeDois.find(cifra::kSiteDoFabricante), std::string::npos);
}

}  // namespace

#include "frm_sobre_test.moc"
