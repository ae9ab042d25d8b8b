// Black and white: a picture is greyed as drawn, whatever way its colours
// are written.
#include "presentation/figuras.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "apoio/pasta_temporaria.h"

namespace cifra {
namespace {

// The picture drawn over a white 40 x 20 image.
QImage Desenhada(const Figura& f, bool cinza) {
  QImage img(40, 20, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  f.Desenha(p, QRectF(0, 0, 40, 20), cinza);
  p.end();
  return img;
}

TEST(PretoEBranco, CoresDeQualquerFormaViramCinza) {
  // Left half red by name, right half blue by rgb(); a transparent strip at the bottom.
  const QByteArray svg =
      R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">)svg"
      R"svg(<rect x="0" y="0" width="20" height="15" fill="red"/>)svg"
      R"svg(<rect x="20" y="0" width="20" height="15" style="fill:rgb(0,0,255)"/></svg>)svg";
  QImage png(40, 20, QImage::Format_ARGB32);
  png.fill(Qt::transparent);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 40; ++x) png.setPixelColor(x, y, x < 20 ? QColor(255, 0, 0) : QColor(0, 0, 255));
  }
  teste::PastaTemporaria raiz;
  const QString arquivo = QString::fromStdString((raiz / "figura.png").string());
  ASSERT_TRUE(png.save(arquivo));

  for (const Figura& f : {Figura::DeSvg(svg, "svg"), Figura::DoArquivo(arquivo.toStdString())}) {
    SCOPED_TRACE(f.Nome());
    const QImage cor = Desenhada(f, false);
    EXPECT_EQ(cor.pixelColor(10, 7), QColor(255, 0, 0));
    const QImage cinza = Desenhada(f, true);
    // Red and blue become their own greys (luma 76 and 29), never colours or black.
    const QColor vermelho = cinza.pixelColor(10, 7), azul = cinza.pixelColor(30, 7);
    EXPECT_EQ(vermelho, QColor(76, 76, 76));
    EXPECT_EQ(azul, QColor(29, 29, 29));
    // What the picture leaves transparent stays the white below.
    EXPECT_EQ(cinza.pixelColor(10, 18), QColor(Qt::white));
  }
}

}  // namespace
}  // namespace cifra
