#include "tela.h"

#include <QPainter>
#include <cmath>
#include <memory>

namespace cifra {
namespace {

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
                                static_cast<int>(std::ceil(kAlturaDaFolhaNaTela * u))));
    painter_ = std::make_unique<QPainter>(&folha);
    superficie_ = std::make_unique<SuperficieQPainter>(*painter_, u, largura_, kAlturaDaFolhaNaTela);
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

PaginasDaTela ImprimirAnaliseNoMonitor(const ConteudoDaAnalise& conteudo) {
  PaginasDaTela paginas;
  const double largura = paginas.Largura;
  paginas.nmAnalisado = conteudo.analise.NomeCompleto;
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
  p.drawPicture(0, 0, paginas.picFolha[static_cast<size_t>(pagina - 1)]);
  return imagem;
}

}  // namespace cifra
