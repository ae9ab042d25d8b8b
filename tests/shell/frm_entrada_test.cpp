// The opening window: the cover grows, the interface answers, and it closes itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "apoio/janelas.h"
#include "shell/abertura.h"
#include "shell/frm_entrada.h"

namespace {

TEST(Abertura, CercaDe24PassosQualquerQueSejaACaixa) {
  for (double largura : {120.0, 420.0, 1000.0}) {
    const auto quadros = cifra::QuadrosDaAbertura(largura);
    EXPECT_GE(quadros.size(), 23u) << largura;
    EXPECT_LE(quadros.size(), 25u) << largura;
    // It starts small in the centre and ends filling the box.
    EXPECT_NEAR(quadros.front().center().x(), largura / 2, 20.1) << largura;
    EXPECT_LE(quadros.front().width(), 40.0 + largura / 23) << largura;
    EXPECT_NEAR(quadros.back().left(), 0, largura / 40) << largura;
    EXPECT_NEAR(quadros.back().right(), largura, largura / 40) << largura;
    for (size_t i = 1; i < quadros.size(); ++i) {
      EXPECT_GE(quadros[i].width(), quadros[i - 1].width());
      EXPECT_GE(quadros[i].width(), 40.0);
    }
  }
}

TEST(frmEntrada, CresceAFiguraComAInterfaceRespondendoEFechaSozinha) {
  frmEntrada janela;
  bool ampulhetaDurante = false;
  int respostas = 0;
  bool fechadaPeloTeste = false;
  QTimer pulso;  // the interface keeps answering while the picture grows
  QObject::connect(&pulso, &QTimer::timeout, [&] { ++respostas; });
  pulso.start(100);
  QTimer::singleShot(1500, &janela, [&] {
    const QCursor* c = QApplication::overrideCursor();
    ampulhetaDurante = c && c->shape() == Qt::WaitCursor;
  });
  QTimer::singleShot(2600, &janela, [&] { cifra::teste::Retrata(&janela, QStringLiteral("frm-entrada")); });
  QTimer::singleShot(15000, &janela, [&] {
    fechadaPeloTeste = true;
    janela.reject();
  });
  QElapsedTimer relogio;
  relogio.start();
  const int resultado = janela.exec();
  const qint64 ms = relogio.elapsed();
  EXPECT_FALSE(fechadaPeloTeste);
  EXPECT_EQ(resultado, QDialog::Accepted);
  EXPECT_GE(ms, 4000);
  EXPECT_LE(ms, 9000);
  EXPECT_EQ(janela.QuadrosMostrados(), janela.TotalDeQuadros());
  EXPECT_TRUE(ampulhetaDurante);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_GE(respostas, 30);
}

TEST(frmEntrada, FecharPelaMolduraTiraAAmpulheta) {
  frmEntrada janela;
  QTimer::singleShot(500, &janela, [&] { janela.close(); });
  janela.exec();
  EXPECT_LT(janela.QuadrosMostrados(), janela.TotalDeQuadros());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
