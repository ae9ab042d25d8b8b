#pragma once
// The pictures of a page: the twelve zodiac signs of the header, the topic
// separator, the cover picture and its border, or a picture file the
// operator chose for the header.
#include <QByteArray>
#include <QImage>
#include <array>
#include <memory>
#include <string>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace cifra {

class Figura {
 public:
  Figura() = default;  // empty: draws nothing

  // A picture built into the program (":/imagens/..."); when it is not
  // there, a plain outline stands in for it, so a page is never left
  // without its frame.
  static Figura DoRecurso(const std::string& caminho);
  // A picture file (BMP, JPEG, GIF, PNG, SVG...); one that cannot be read
  // gives an empty picture.
  static Figura DoArquivo(const std::string& caminho);
  // An SVG picture from its text (for pictures made on the fly and tests).
  static Figura DeSvg(const QByteArray& svg, const std::string& nome);

  bool Vazia() const { return !marcador_ && !svg_ && imagem_.isNull(); }
  bool Marcador() const { return marcador_; }
  // Where the picture came from; the measuring surface of the tests records it.
  const std::string& Nome() const { return nome_; }

  // Stretches the picture over the rectangle; with tonsDeCinza its colours
  // become the grey of the same brightness.
  void Desenha(QPainter& painter, const QRectF& destino, bool tonsDeCinza) const;

 private:
  void CarregaSvg(const QByteArray& svg);

  std::string nome_;
  // Parsed once and shared by the copies of a picture. The grey version is
  // wanted only in black and white, so it is parsed when first drawn.
  struct SvgCinza;
  std::shared_ptr<QSvgRenderer> svg_;
  std::shared_ptr<SvgCinza> svgCinza_;
  QImage imagem_;
  bool marcador_ = false;
};

// An SVG text with every "#rgb" and "#rrggbb" colour turned into its grey.
QByteArray SvgEmTonsDeCinza(const QByteArray& svg);

struct FigurasDaAnalise {
  std::array<Figura, 12> signos;  // sign n at index n - 1
  Figura divisoria;
  Figura capa;
  Figura borda;
};

// The built-in pictures (loaded once and kept).
const FigurasDaAnalise& FigurasDoPrograma();

}  // namespace cifra
