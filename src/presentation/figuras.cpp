#include "figuras.h"

#include <QColor>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cstdio>

#ifdef CIFRA_COM_IMAGENS
static void IniciaRecursosDeImagens() { Q_INIT_RESOURCE(imagens); }
#else
static void IniciaRecursosDeImagens() {}
#endif

namespace cifra {
namespace {

bool EhSvg(const QString& caminho) { return caminho.endsWith(".svg", Qt::CaseInsensitive); }

// Grey of the same brightness (the weights of the usual luma).
int Cinza(const QColor& c) {
  return static_cast<int>(0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() + 0.5);
}

}  // namespace

Figura Figura::DoRecurso(const std::string& caminho) {
  Figura f = DoArquivo(caminho);
  if (f.Vazia()) f.marcador_ = true;
  f.nome_ = caminho;
  return f;
}

Figura Figura::DoArquivo(const std::string& caminho) {
  Figura f;
  f.nome_ = caminho;
  const QString nome = QString::fromStdString(caminho);
  if (EhSvg(nome)) {
    QFile arquivo(nome);
    if (arquivo.open(QIODevice::ReadOnly)) f.CarregaSvg(arquivo.readAll());
  } else {
    QImageReader leitor(nome);
    leitor.setAutoTransform(true);
    f.imagem_ = leitor.read();
  }
  return f;
}

Figura Figura::DeSvg(const QByteArray& svg, const std::string& nome) {
  Figura f;
  f.nome_ = nome;
  f.CarregaSvg(svg);
  return f;
}

struct Figura::SvgCinza {
  QByteArray svg;  // in colour
  std::unique_ptr<QSvgRenderer> desenho;
};

void Figura::CarregaSvg(const QByteArray& svg) {
  auto cor = std::make_shared<QSvgRenderer>(svg);
  if (!cor->isValid()) return;
  cor->setAspectRatioMode(Qt::IgnoreAspectRatio);
  svg_ = std::move(cor);
  svgCinza_ = std::make_shared<SvgCinza>(SvgCinza{svg, nullptr});
}

void Figura::Desenha(QPainter& painter, const QRectF& destino, bool tonsDeCinza) const {
  if (marcador_) {
    // The built-in picture is missing: a thin grey outline keeps its place.
    painter.save();
    QPen caneta(QColor(128, 128, 128));
    caneta.setWidthF(0);
    painter.setPen(caneta);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(destino);
    painter.restore();
    return;
  }
  if (svg_) {
    if (!tonsDeCinza) {
      svg_->render(&painter, destino);
      return;
    }
    if (!svgCinza_->desenho) {
      svgCinza_->desenho = std::make_unique<QSvgRenderer>(SvgEmTonsDeCinza(svgCinza_->svg));
      svgCinza_->desenho->setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
    svgCinza_->desenho->render(&painter, destino);
  } else if (!imagem_.isNull()) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (tonsDeCinza) {
      painter.drawImage(destino, imagem_.convertToFormat(QImage::Format_Grayscale8));
    } else {
      painter.drawImage(destino, imagem_);
    }
    painter.restore();
  }
}

QByteArray SvgEmTonsDeCinza(const QByteArray& svg) {
  static const QRegularExpression cor("#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})(?![0-9a-fA-F])");
  QString texto = QString::fromUtf8(svg);
  QString saida;
  saida.reserve(texto.size());
  qsizetype de = 0;
  auto it = cor.globalMatch(texto);
  while (it.hasNext()) {
    const auto m = it.next();
    saida += QStringView(texto).mid(de, m.capturedStart() - de);
    const int g = Cinza(QColor(m.captured(0)));
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", g, g, g);
    saida += QLatin1String(hex);
    de = m.capturedEnd();
  }
  saida += QStringView(texto).mid(de);
  return saida.toUtf8();
}

const FigurasDaAnalise& FigurasDoPrograma() {
  static const FigurasDaAnalise figuras = [] {
    IniciaRecursosDeImagens();
    FigurasDaAnalise f;
    for (int n = 1; n <= 12; ++n) {
      char nome[40];
      std::snprintf(nome, sizeof nome, ":/imagens/signo%02d.svg", n);
      f.signos[n - 1] = Figura::DoRecurso(nome);
    }
    f.divisoria = Figura::DoRecurso(":/imagens/divisoria.svg");
    f.capa = Figura::DoRecurso(":/imagens/capa.svg");
    f.borda = Figura::DoRecurso(":/imagens/borda.svg");
    return f;
  }();
  return figuras;
}

}  // namespace cifra
