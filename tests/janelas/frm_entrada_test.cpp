// The opening window: the cover grows while the interface answers, and it
// closes itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "apoio/janelas.h"
#include "janelas/frm_entrada.h"

namespace {

TEST(frmEntrada, CresceAFiguraComAInterfaceRespondendoEFechaSozinha) {
  frmEntrada janela;
  bool ampulhetaDurante = false;
  int respostas = 0;
  QTimer pulso;  // the interface keeps answering while the picture grows
  QObject::connect(&pulso, &QTimer::timeout, [&] { ++respostas; });
  pulso.start(100);
  QTimer::singleShot(1500, &janela, [&] {
    const QCursor* c = QApplication::overrideCursor();
    ampulhetaDurante = c && c->shape() == Qt::WaitCursor;
  });
  QTimer::singleShot(2600, &janela, [&] { cifra::teste::Retrata(&janela, QStringLiteral("frm-entrada")); });
  QTimer::singleShot(15000, &janela, [&] { janela.reject(); });  // did not close itself
  QElapsedTimer relogio;
  relogio.start();
  EXPECT_EQ(janela.exec(), QDialog::Accepted);
  EXPECT_GE(relogio.elapsed(), 4000);
  EXPECT_LE(relogio.elapsed(), 9000);
  EXPECT_EQ(janela.QuadrosMostrados(), janela.TotalDeQuadros());
  EXPECT_TRUE(ampulhetaDurante);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_GE(respostas, 30);
}

// Closed early by its frame, it leaves no hourglass behind.
TEST(frmEntrada, FecharPelaMolduraTiraAAmpulheta) {
  frmEntrada janela;
  QTimer::singleShot(500, &janela, [&] { janela.close(); });
  janela.exec();
  EXPECT_LT(janela.QuadrosMostrados(), janela.TotalDeQuadros());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
