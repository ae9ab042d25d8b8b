#include "figuras.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPen>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

#ifdef CIFRA_COM_IMAGENS
static void IniciaRecursosDeImagens() { Q_INIT_RESOURCE(imagens); }
#else
static void IniciaRecursosDeImagens() {}
#endif

namespace cifra {
namespace {

bool EhSvg(const QString& caminho) { return caminho.endsWith(".svg", Qt::CaseInsensitive); }

// Grey of the same brightness (the weights of the usual luma).
int Cinza(QRgb c) {
  return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c) + 500) / 1000;
}

// The bytes of a regular file of sane size. The file is opened without
// waiting (a pipe would block the open) and checked on the open descriptor,
// so what is read is what was checked.
std::optional<QByteArray> LeArquivoDeImagem(const std::string& caminho, std::string* problema) {
  auto recusa = [&](const std::string& porque) -> std::optional<QByteArray> {
    if (problema) *problema = "A imagem do cabeçalho \"" + caminho + "\" " + porque;
    return std::nullopt;
  };
  const int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return recusa("não pôde ser aberta; a página sai sem imagem.");
  struct stat info {};
  std::optional<QByteArray> bytes;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    bytes = recusa("não é um arquivo comum; a página sai sem imagem.");
  } else if (info.st_size > kMaiorArquivoDeImagem) {
    bytes = recusa("é grande demais (mais de 32 MB); a página sai sem imagem.");
  } else {
    QFile arquivo;
    if (arquivo.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
      bytes = arquivo.read(kMaiorArquivoDeImagem);
    }
    if (!bytes) bytes = recusa("não pôde ser lida; a página sai sem imagem.");
  }
  ::close(fd);
  return bytes;
}

}  // namespace

Figura Figura::DoRecurso(const std::string& caminho) {
  Figura f = DoArquivo(caminho);
  if (f.Vazia()) f.marcador_ = true;
  f.nome_ = caminho;
  return f;
}

Figura Figura::DoArquivo(const std::string& caminho, std::string* problema) {
  Figura f;
  f.nome_ = caminho;
  const QString nome = QString::fromStdString(caminho);
  if (nome.startsWith(QLatin1Char(':'))) {
    // A picture built into the program.
    if (EhSvg(nome)) {
      QFile arquivo(nome);
      if (arquivo.open(QIODevice::ReadOnly)) f.CarregaSvg(arquivo.readAll());
    } else {
      f.imagem_ = QImage(nome);
    }
    return f;
  }
  std::optional<QByteArray> bytes = LeArquivoDeImagem(caminho, problema);
  if (!bytes) return f;
  if (EhSvg(nome)) {
    f.CarregaSvg(*bytes);
  } else {
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader leitor(&buffer, QFileInfo(nome).suffix().toLatin1());
    leitor.setAutoTransform(true);
    f.imagem_ = leitor.read();
  }
  if (f.Vazia() && problema) {
    *problema = "A imagem do cabeçalho \"" + caminho +
                "\" não é uma imagem que o programa saiba ler; a página sai sem imagem.";
  }
  return f;
}

Figura Figura::DeSvg(const QByteArray& svg, const std::string& nome) {
  Figura f;
  f.nome_ = nome;
  f.CarregaSvg(svg);
  return f;
}

void Figura::CarregaSvg(const QByteArray& svg) {
  auto renderizador = std::make_shared<QSvgRenderer>(svg);
  if (!renderizador->isValid()) return;
  renderizador->setAspectRatioMode(Qt::IgnoreAspectRatio);
  svg_ = std::move(renderizador);
}

const QImage& Figura::EmCinza(const QSize& pixels) const {
  if (cinza_->pixels == pixels && !cinza_->imagem.isNull()) return cinza_->imagem;
  QImage colorida(pixels, QImage::Format_ARGB32_Premultiplied);
  colorida.fill(Qt::transparent);
  {
    QPainter p(&colorida);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF tudo(QPointF(0, 0), QSizeF(pixels));
    if (svg_) {
      svg_->render(&p, tudo);
    } else {
      p.drawImage(tudo, imagem_);
    }
  }
  cinza_->pixels = pixels;
  cinza_->imagem = ImagemEmTonsDeCinza(colorida);
  return cinza_->imagem;
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
  if (!svg_ && imagem_.isNull()) return;
  if (tonsDeCinza) {
    // As many pixels as the device gives the rectangle, within reason: a
    // page-sized border at 300 dpi stays below 4000 pixels a side.
    const QRectF noDispositivo = painter.deviceTransform().mapRect(destino);
    const double escala = std::min(1.0, 4000 / std::max(noDispositivo.width(), noDispositivo.height()));
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(noDispositivo.width() * escala))),
                       std::max(1, static_cast<int>(std::ceil(noDispositivo.height() * escala))));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(destino, EmCinza(pixels));
    painter.restore();
  } else if (svg_) {
    svg_->render(&painter, destino);
  } else {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(destino, imagem_);
    painter.restore();
  }
}

QImage ImagemEmTonsDeCinza(const QImage& imagem) {
  QImage cinza = imagem.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < cinza.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(cinza.scanLine(y));
    for (int x = 0; x < cinza.width(); ++x) {
      const QRgb c = linha[x];
      const int g = Cinza(c);
      linha[x] = qRgba(g, g, g, qAlpha(c));
    }
  }
  return cinza;
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
