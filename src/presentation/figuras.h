#pragma once
// The pictures of a page: the twelve zodiac signs of the header, the topic
// separator, the cover picture and its border, or a picture file the
// operator chose for the header.
#include <QByteArray>
#include <QSize>
#include <QImage>
#include <array>
#include <memory>
#include <string>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace cifra {

inline constexpr qint64 kMaiorArquivoDeImagem = 32 * 1024 * 1024;

class Figura {
 public:
  Figura() = default;  // empty: draws nothing

  // A picture built into the program (":/imagens/..."); when it is not
  // there, a plain outline stands in for it, so a page is never left
  // without its frame.
  static Figura DoRecurso(const std::string& caminho);
  // A picture file (BMP, JPEG, GIF, PNG, SVG...). Only a regular, readable
  // file of at most kMaiorArquivoDeImagem bytes is opened (a pipe or a device
  // named there would block or never end); anything else, or a file that is
  // no picture, gives an empty picture and, in *problema, a message for the
  // operator.
  static Figura DoArquivo(const std::string& caminho, std::string* problema = nullptr);
  // An SVG picture from its text (for pictures made on the fly and tests).
  static Figura DeSvg(const QByteArray& svg, const std::string& nome);

  bool Vazia() const { return !marcador_ && !svg_ && imagem_.isNull(); }
  // Where the picture came from; the measuring surface of the tests records it.
  const std::string& Nome() const { return nome_; }

  // Stretches the picture over the rectangle; with tonsDeCinza its colours
  // become the grey of the same brightness. The grey is taken from the
  // picture as drawn, at the device's resolution, so whatever the picture
  // says its colours are (named colours, rgb(), gradients, a photograph) the
  // result holds no colour.
  void Desenha(QPainter& painter, const QRectF& destino, bool tonsDeCinza) const;

 private:
  void CarregaSvg(const QByteArray& svg);
  // The picture drawn at that many device pixels, in grey (kept for the next
  // call of the same size: a separator is drawn once per topic).
  const QImage& EmCinza(const QSize& pixels) const;

  std::string nome_;
  // Parsed once; shared by the copies of a picture.
  std::shared_ptr<QSvgRenderer> svg_;
  QImage imagem_;
  bool marcador_ = false;
  struct Cinza {
    QSize pixels;
    QImage imagem;
  };
  std::shared_ptr<Cinza> cinza_ = std::make_shared<Cinza>();
};

// The picture's colours as greys of the same brightness; transparency stays.
QImage ImagemEmTonsDeCinza(const QImage& imagem);

struct FigurasDaAnalise {
  std::array<Figura, 12> signos;  // sign n at index n - 1
  Figura divisoria;
  Figura capa;
  Figura borda;
};

// The built-in pictures (loaded once and kept).
const FigurasDaAnalise& FigurasDoPrograma();

}  // namespace cifra
