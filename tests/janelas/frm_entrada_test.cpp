// The opening window: the cover grows frame by frame under the hourglass, with
// the event loop running between frames, and the window closes itself; closed
// early by its frame, it leaves no hourglass behind. Its own timers are run at
// a millisecond's pace, so the test does not sit through the real 4.6 seconds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "apoio/janelas.h"
#include "janelas/frm_entrada.h"

namespace {

TEST(frmEntrada, CresceAFiguraSobAAmpulhetaEFechaSozinhaOuPelaMoldura) {
  for (const bool pelaMoldura : {false, true}) {
    frmEntrada janela;
    auto* relogio = janela.findChild<QTimer*>(QStringLiteral("relogio"));
    auto* espera = janela.findChild<QTimer*>(QStringLiteral("esperaFinal"));
    ASSERT_TRUE(relogio && espera);
    const int total = janela.TotalDeQuadros();
    const int duracao = relogio->interval() * total + espera->interval();  // the real pace
    EXPECT_TRUE(duracao >= 4000 && duracao <= 9000) << duracao;
    relogio->setInterval(1);
    espera->setInterval(1);
    std::vector<int> quadros;  // seen between two frames, from the event loop
    bool ampulheta = true;
    QObject::connect(relogio, &QTimer::timeout, &janela, [&] {
      quadros.push_back(janela.QuadrosMostrados());
      const QCursor* c = QApplication::overrideCursor();
      ampulheta = ampulheta && c && c->shape() == Qt::WaitCursor;
      if (quadros.size() == 16) cifra::teste::Retrata(&janela, QStringLiteral("frm-entrada"));
      if (pelaMoldura && quadros.size() == 3) janela.close();
    });
    QTimer::singleShot(5000, &janela, &QDialog::reject);  // it did not close by itself
    EXPECT_EQ(janela.exec(), pelaMoldura ? QDialog::Rejected : QDialog::Accepted);
    EXPECT_TRUE(ampulheta);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (pelaMoldura) {
      EXPECT_EQ(janela.QuadrosMostrados(), 4);  // the first frame comes on showing
      continue;
    }
    ASSERT_EQ(static_cast<int>(quadros.size()), total);  // the last tick starts the final pause
    for (int i = 0; i + 1 < total; ++i) EXPECT_EQ(quadros[static_cast<size_t>(i)], i + 2);
    EXPECT_EQ(janela.QuadrosMostrados(), total);
  }
}

}  // namespace
