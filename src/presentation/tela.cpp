#include "tela.h"

#include <QFontMetrics>
#include <QPainter>
#include <zlib.h>

#include <QIODevice>
#include <cmath>
#include <memory>
#include <vector>

namespace cifra {
namespace {

// Each page is kept in its own record.
class FolhasDaTela : public Paginador {
 public:
  FolhasDaTela(std::vector<FolhaDaTela>& folhas, double largura)
      : folhas_(folhas), largura_(largura) {}

  SuperficieDeDesenho& NovaFolha() override {
    folhas_.emplace_back();
    superficie_ = std::make_unique<SuperficieDaTela>(folhas_.back(), largura_, kAlturaDaFolhaNaTela);
    return *superficie_;
  }

 private:
  std::vector<FolhaDaTela>& folhas_;
  double largura_;
  std::unique_ptr<SuperficieDaTela> superficie_;
};

}  // namespace

void SuperficieDaTela::Barra(double x1, double y1, double x2, double y2) {
  folha_.Barra(RetanguloDaBarra(x1, y1, x2, y2));
}

void SuperficieDaTela::RetanguloCinza(double x1, double y1, double x2, double y2,
                                      double claridade) {
  folha_.Barra(RetanguloDaBarra(x1, y1, x2, y2), CinzaDe(claridade));
}

void SuperficieDaTela::PaintPicture(const Figura& figura, double x, double y, double largura,
                                    double altura) {
  if (figura.Vazia() || largura <= 0 || altura <= 0) return;
  constexpr double u = kUnidadesPorMm;
  folha_.Figura(figura, QRectF(x * u, y * u, largura * u, altura * u));
}

void SuperficieDaTela::Desenha(std::u32string_view texto) {
  if (texto.empty()) return;
  folha_.Texto(OrigemDoTexto(),
               QString::fromUcs4(texto.data(), static_cast<qsizetype>(texto.size())), FonteQt());
}

void FolhaDaTela::Texto(const QPointF& base, const QString& texto, const QFont& fonte) {
  operacoes_.push_back({Operacao::Tipo::Texto, QRectF(base, QSizeF()), texto, fonte, {}});
}

void FolhaDaTela::Barra(const QRectF& retangulo, const QColor& cor) {
  operacoes_.push_back({Operacao::Tipo::Barra, retangulo, {}, {}, {}, cor});
}

void FolhaDaTela::Figura(const cifra::Figura& figura, const QRectF& retangulo) {
  operacoes_.push_back({Operacao::Tipo::Figura, retangulo, {}, {}, figura});
}

std::vector<QString> FolhaDaTela::Textos() const {
  std::vector<QString> textos;
  for (const Operacao& o : operacoes_) {
    if (o.tipo == Operacao::Tipo::Texto) textos.push_back(o.texto);
  }
  return textos;
}

void FolhaDaTela::Desenha(QPainter& painter) const {
  painter.save();
  painter.setPen(Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Texts in a row share their font (copies of one QFont): it is set, and its
  // ascent taken, once for the run.
  const QFont* fonte = nullptr;
  int ascendente = 0;
  for (const Operacao& o : operacoes_) {
    switch (o.tipo) {
      case Operacao::Tipo::Texto: {
        if (!fonte || !o.fonte.isCopyOf(*fonte)) {
          fonte = &o.fonte;
          ascendente = QFontMetrics(o.fonte).ascent();
          painter.setFont(o.fonte);
        }
        // Set from the top of the line, whole units above the baseline, as a
        // recorded picture of the page has always shown its texts.
        const QPointF topo(o.retangulo.x(), o.retangulo.y() - ascendente);
        painter.drawText(QRectF(topo, QSizeF(1, 1)),
                         Qt::TextSingleLine | Qt::TextDontClip | Qt::TextForceLeftToRight, o.texto);
        break;
      }
      case Operacao::Tipo::Barra:
        painter.fillRect(o.retangulo, o.cor);
        break;
      case Operacao::Tipo::Figura:
        o.figura.Desenha(painter, o.retangulo, false);
        fonte = nullptr;  // a picture may leave the painter in another font
        break;
    }
  }
  painter.restore();
}

PaginasDaTela ImprimirAnaliseNoMonitor(const ConteudoDaAnalise& conteudo) {
  PaginasDaTela paginas;
  const double largura = paginas.Largura;
  paginas.nmAnalisado = conteudo.analise.NomeExibido;
  paginas.dtAnalisada = conteudo.analise.DataNascimento;
  {
    FolhasDaTela folhas(paginas.picFolha, largura);
    ComporAnalise(conteudo, GeometriaDaTela(largura), folhas);
  }
  return paginas;
}

QImage ImagemDaPagina(const PaginasDaTela& paginas, int pagina, double pixelsPorMm) {
  QImage imagem(static_cast<int>(std::lround(paginas.Largura * pixelsPorMm)),
                static_cast<int>(std::lround(paginas.Altura * pixelsPorMm)),
                QImage::Format_RGB32);
  imagem.fill(Qt::white);
  if (pagina < 1 || pagina > static_cast<int>(paginas.picFolha.size())) return imagem;
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(pixelsPorMm / SuperficieQPainter::kUnidadesPorMm,
          pixelsPorMm / SuperficieQPainter::kUnidadesPorMm);
  paginas.picFolha[static_cast<size_t>(pagina - 1)].Desenha(p);
  return imagem;
}

namespace {

// A page image is written as a plain 8-bit RGB PNG of its own making: the
// general writer tries every row filter on every row and compresses harder,
// which for a page (white, black text, a few pictures) costs three times as
// long and gives a larger file than no filter and the fast zlib level.
constexpr int kNivelDeCompressao = 3;

void Acrescenta32(QByteArray& b, quint32 v) {
  const char c[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  b.append(c, 4);
}

void Bloco(QByteArray& png, const char* tipo, const QByteArray& dados) {
  Acrescenta32(png, static_cast<quint32>(dados.size()));
  const qsizetype inicio = png.size();
  png.append(tipo, 4);
  png.append(dados);
  const auto* b = reinterpret_cast<const Bytef*>(png.constData() + inicio);
  Acrescenta32(png, static_cast<quint32>(crc32(0, b, static_cast<uInt>(png.size() - inicio))));
}

QByteArray Png(const QImage& imagem) {
  const int w = imagem.width(), h = imagem.height();
  z_stream z{};
  if (deflateInit(&z, kNivelDeCompressao) != Z_OK) return {};
  std::vector<unsigned char> linha(1 + 3 * static_cast<size_t>(w));  // filter byte 0: none
  std::vector<unsigned char> saida(1 << 16);
  QByteArray comprimido;
  int estado = Z_OK;
  for (int y = 0; y < h && estado == Z_OK; ++y) {
    const auto* px = reinterpret_cast<const QRgb*>(imagem.constScanLine(y));
    unsigned char* d = linha.data() + 1;
    for (int x = 0; x < w; ++x, d += 3) {
      d[0] = static_cast<unsigned char>(qRed(px[x]));
      d[1] = static_cast<unsigned char>(qGreen(px[x]));
      d[2] = static_cast<unsigned char>(qBlue(px[x]));
    }
    z.next_in = linha.data();
    z.avail_in = static_cast<uInt>(linha.size());
    const int fim = y + 1 == h ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = saida.data();
      z.avail_out = static_cast<uInt>(saida.size());
      estado = deflate(&z, fim);
      comprimido.append(reinterpret_cast<const char*>(saida.data()),
                        static_cast<qsizetype>(saida.size() - z.avail_out));
    } while (z.avail_out == 0 && estado == Z_OK);
  }
  deflateEnd(&z);
  if (estado != Z_STREAM_END) return {};

  QByteArray cabecalho;
  Acrescenta32(cabecalho, static_cast<quint32>(w));
  Acrescenta32(cabecalho, static_cast<quint32>(h));
  cabecalho.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter set, no interlace
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  Bloco(png, "IHDR", cabecalho);
  Bloco(png, "IDAT", comprimido);
  Bloco(png, "IEND", {});
  return png;
}

}  // namespace

bool GravaPaginaPng(const PaginasDaTela& paginas, int pagina, double pixelsPorMm,
                    QIODevice& destino) {
  const QByteArray png = Png(ImagemDaPagina(paginas, pagina, pixelsPorMm));
  return !png.isEmpty() && destino.write(png) == png.size();
}

}  // namespace cifra
