#include "tela.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <memory>

namespace cifra {
namespace {

constexpr double kTwipsPorPixel = 15;
constexpr double kTwipsPorMm = 56.7;

// Each page is recorded into its own picture.
class FolhasDaTela : public Paginador {
 public:
  FolhasDaTela(std::vector<QPicture>& folhas, double largura) : folhas_(folhas), largura_(largura) {}
  ~FolhasDaTela() override { Termina(); }

  SuperficieDeDesenho& NovaFolha() override {
    Termina();
    folhas_.emplace_back();
    QPicture& folha = folhas_.back();
    constexpr double u = SuperficieQPainter::kUnidadesPorMm;
    folha.setBoundingRect(QRect(0, 0, static_cast<int>(std::ceil(largura_ * u)),
                                static_cast<int>(std::ceil(297 * u))));
    painter_ = std::make_unique<QPainter>(&folha);
    superficie_ = std::make_unique<SuperficieQPainter>(*painter_, u, largura_, 297);
    return *superficie_;
  }

  void Termina() {
    superficie_.reset();
    if (painter_) painter_->end();
    painter_.reset();
  }

 private:
  std::vector<QPicture>& folhas_;
  double largura_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<SuperficieQPainter> superficie_;
};

}  // namespace

double GetLarguraEmMm(int larguraDaTelaEmPixels) {
  return 0.9 * larguraDaTelaEmPixels * kTwipsPorPixel / kTwipsPorMm;
}

double GetLarguraEmMm() {
  const bool semTela = !qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ||
                       QGuiApplication::platformName() == QLatin1String("offscreen") ||
                       QGuiApplication::primaryScreen() == nullptr;
  if (semTela) return GetLarguraEmMm(kLarguraDeTelaPadrao);
  return GetLarguraEmMm(QGuiApplication::primaryScreen()->geometry().width());
}

PaginasDaTela ImprimirAnaliseNoMonitor(const ConteudoDaAnalise& conteudo, double largura) {
  PaginasDaTela paginas;
  paginas.Largura = largura;
  paginas.nmAnalisado = conteudo.analise.NomeCompleto;
  paginas.dtAnalisada = conteudo.analise.DataNascimento;
  {
    FolhasDaTela folhas(paginas.picFolha, largura);
    CompositorDeAnalise(conteudo, GeometriaDaTela(largura)).ImprimirAnalise(folhas);
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
  p.drawPicture(0, 0, paginas.picFolha[static_cast<size_t>(pagina - 1)]);
  return imagem;
}

bool GravaPaginaPng(const PaginasDaTela& paginas, int pagina, double pixelsPorMm,
                    QIODevice& destino) {
  QImageWriter escritor(&destino, "png");
  return escritor.write(ImagemDaPagina(paginas, pagina, pixelsPorMm));
}

}  // namespace cifra
