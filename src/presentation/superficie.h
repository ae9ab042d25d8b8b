#pragma once
// What every page is drawn on: the recorded screen page, the printer, the PDF
// and the measuring surface of the tests all offer the same few operations,
// in millimetres, so that the layout and the page composer are written once.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "settings/fontes.h"

class QPainter;

namespace cifra {

inline constexpr double kMmPorPolegada = 25.4;

class Figura;

class SuperficieDeDesenho {
 public:
  virtual ~SuperficieDeDesenho() = default;

  // Drawing position: the top left corner of the next text drawn.
  double CurrentX = 0;
  double CurrentY = 0;

  // Width of a text in the current font.
  double TextWidth(std::string_view utf8) const;
  double TextWidth(std::u32string_view texto) const {
    return MedeLargura(texto) / UnidadesPorMm();
  }
  // The same width in the surface's own unit of measure, in which widths are
  // exact: a text measures exactly what its parts measure plus what the font
  // adds or takes where they meet (kerning), so such widths add up without
  // rounding, and their sum divided by UnidadesPorMm() is TextWidth's figure.
  double LarguraNaUnidade(std::u32string_view texto) const { return MedeLargura(texto); }
  virtual double UnidadesPorMm() const = 0;
  // Height of one line in the current font, whatever the text (the empty one too).
  double TextHeight(std::string_view utf8) const;
  double TextHeight(std::u32string_view texto) const { return MedeAltura(texto); }
  // Draws a text at (CurrentX, CurrentY); the position does not move.
  void Print(std::string_view utf8);
  void Print(std::u32string_view texto) { Desenha(texto); }
  // Draws the pieces of one line at CurrentY, each from its own x; the
  // position is left at the last piece. A surface may draw them together.
  struct PecaDaLinha {
    double x;
    std::u32string_view texto;
  };
  virtual void PrintLinha(std::span<const PecaDaLinha> pecas);

  // A filled black rectangle between two corners.
  virtual void Barra(double x1, double y1, double x2, double y2) = 0;
  // A rectangle between two corners filled with a grey, from black
  // (claridade 0) to white (1): the light greys a drawing shades areas with
  // print as a fine pattern on a black-and-white printer, under black text.
  virtual void RetanguloCinza(double x1, double y1, double x2, double y2, double claridade) = 0;
  // A picture stretched into a rectangle; an empty picture draws nothing.
  virtual void PaintPicture(const Figura& figura, double x, double y, double largura,
                            double altura) = 0;

  // Name (blanks at the end are not part of it), size in points, bold, italic.
  virtual void SetFonte(const Fonte& fonte) = 0;
  virtual Fonte FonteAtual() const = 0;

  // Size of the drawing area.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;

 protected:
  // Width in the unit of measure; height in millimetres.
  virtual double MedeLargura(std::u32string_view texto) const = 0;
  virtual double MedeAltura(std::u32string_view texto) const = 0;
  virtual void Desenha(std::u32string_view texto) = 0;
};

// The grey of RetanguloCinza, claridade kept within 0 (black) and 1 (white).
QColor CinzaDe(double claridade);

// A surface over a QPainter that is already active on its device (a
// printer, a PDF writer, an image). The painter is given a transform so that
// it draws in hundredths of a millimetre; fonts are sized in that unit too,
// so what is measured is what is drawn, whatever the device's resolution.
class SuperficieQPainter : public SuperficieDeDesenho {
 public:
  // pontosPorMm: device pixels per millimetre (1 for a page that is only
  // recorded); largura and altura: the drawing area in millimetres.
  // With tonsDeCinza the pictures are drawn in shades of grey.
  SuperficieQPainter(QPainter& painter, double pontosPorMm, double largura, double altura,
                     bool tonsDeCinza = false);
  ~SuperficieQPainter() override;

  void Barra(double x1, double y1, double x2, double y2) override;
  void RetanguloCinza(double x1, double y1, double x2, double y2, double claridade) override;
  void PaintPicture(const Figura& figura, double x, double y, double largura,
                    double altura) override;
  void SetFonte(const Fonte& fonte) override;
  Fonte FonteAtual() const override { return fonte_; }
  // On a printer or PDF the glyphs of a whole line go out as one run a font.
  void PrintLinha(std::span<const PecaDaLinha> pecas) override;
  double ScaleWidth() const override { return largura_; }
  double ScaleHeight() const override { return altura_; }
  double UnidadesPorMm() const override { return kUnidadesPorMm; }

  // Painter units per millimetre, which are also the unit of measure.
  static constexpr double kUnidadesPorMm = 100;

  // Widths measured in one font, kept for the whole run (see superficie.cpp).
  struct LargurasDaFonte;

 protected:
  // Measures like the surface over a painter but draws nothing itself: a
  // surface that keeps what it is asked to draw (the screen page) overrides
  // the drawing and finds here where a text goes and in which font.
  SuperficieQPainter(double largura, double altura);
  // Where a text drawn now has its baseline's left end, in painter units.
  QPointF OrigemDoTexto() const;
  // The same on the grid a text's glyphs are placed from.
  QPointF OrigemDosGlifos() const;
  const QFont& FonteQt() const { return fonteQt_; }
  // A bar between two corners, in painter units.
  static QRectF RetanguloDaBarra(double x1, double y1, double x2, double y2);

  double MedeLargura(std::u32string_view texto) const override;
  double MedeAltura(std::u32string_view texto) const override;
  void Desenha(std::u32string_view texto) override;

 private:
  QPainter* painter_;  // none when the drawing is overridden
  double largura_;
  double altura_;
  bool tonsDeCinza_;
  Fonte fonte_;
  QFont fonteQt_;
  QFontMetricsF metricas_;
  LargurasDaFonte* larguras_;
  struct GlifosDaFonte;
  struct GlifosDasFontes;
  struct TextoFormado;
  // A text's glyphs and width in the current font, shaped on first use.
  const TextoFormado& Glifos(std::u32string_view texto) const;
  std::unique_ptr<GlifosDasFontes> glifos_;  // none on a picture or a screen page
  GlifosDaFonte* glifosDaFonte_ = nullptr;
};

}  // namespace cifra
