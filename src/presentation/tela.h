#pragma once
// The analysis composed for the screen: one recorded page each, composed
// once and shown any number of times, at any zoom, without composing again.
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "compositor.h"
#include "figuras.h"
#include "superficie.h"

class QIODevice;
class QPainter;

namespace cifra {

// A screen page is an A4 sheet, 210 mm by 297 mm, whatever the monitor: a
// line as long as on paper reads well and the pages look alike everywhere;
// the viewer fits and zooms it to the window.
inline constexpr double kLarguraDaFolhaNaTela = 210;
inline constexpr double kAlturaDaFolhaNaTela = 297;

// A screen page: what the composer drew on it, kept as it was asked for
// (each text with its font and baseline, each bar, each picture), in
// hundredths of a millimetre. Keeping it costs nothing but the list; Qt lays
// a text out only when the page is shown, as it would for a recorded picture.
class FolhaDaTela {
 public:
  void Texto(const QPointF& base, const QString& texto, const QFont& fonte);
  void Barra(const QRectF& retangulo, const QColor& cor = Qt::black);
  void Figura(const cifra::Figura& figura, const QRectF& retangulo);

  // Draws the page on a painter whose unit is a hundredth of a millimetre.
  void Desenha(QPainter& painter) const;
  bool Vazia() const { return operacoes_.empty(); }
  // The texts drawn on the page, in the order they were drawn.
  std::vector<QString> Textos() const;

 private:
  struct Operacao {
    enum class Tipo { Texto, Barra, Figura } tipo;
    QRectF retangulo;  // a bar or picture; a text's baseline origin is its top left
    QString texto;
    QFont fonte;
    cifra::Figura figura;
    QColor cor = Qt::black;  // of a bar
  };
  std::vector<Operacao> operacoes_;
};

// A screen page's surface: measures as the surface over a painter does,
// and keeps what it draws in the page instead of drawing it.
class SuperficieDaTela : public SuperficieQPainter {
 public:
  SuperficieDaTela(FolhaDaTela& folha, double largura, double altura)
      : SuperficieQPainter(largura, altura), folha_(folha) {}

  void Barra(double x1, double y1, double x2, double y2) override;
  void RetanguloCinza(double x1, double y1, double x2, double y2, double claridade) override;
  void PaintPicture(const Figura& figura, double x, double y, double largura,
                    double altura) override;

 protected:
  void Desenha(std::u32string_view texto) override;

 private:
  FolhaDaTela& folha_;
};

struct PaginasDaTela {
  std::vector<FolhaDaTela> picFolha;  // page p is picFolha[p - 1]
  double Largura = kLarguraDaFolhaNaTela;  // mm
  double Altura = kAlturaDaFolhaNaTela;    // mm
  std::string nmAnalisado;
  std::string dtAnalisada;
};

// Composes every shown topic into screen pages.
PaginasDaTela ImprimirAnaliseNoMonitor(const ConteudoDaAnalise& conteudo);

// A page as an image on white, at the given number of pixels per millimetre.
QImage ImagemDaPagina(const PaginasDaTela& paginas, int pagina, double pixelsPorMm);

// Writes a page as a PNG image; false when the device refused the data.
bool GravaPaginaPng(const PaginasDaTela& paginas, int pagina, double pixelsPorMm,
                    QIODevice& destino);

}  // namespace cifra
