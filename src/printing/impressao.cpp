#include "impressao.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "analysis/pedido.h"
#include "folha_rosto.h"
#include "library/arquivo_registros.h"
#include "library/saida_inteira.h"
#include "quadro.h"

namespace cifra {
namespace {


// One painter for the whole document; every page after the first is a new
// page of the same device.
class FolhasDoDispositivo : public Paginador {
 public:
  FolhasDoDispositivo(QPagedPaintDevice& dispositivo, SuperficieDeDesenho& superficie)
      : dispositivo_(dispositivo), superficie_(superficie) {}

  SuperficieDeDesenho& NovaFolha() override {
    if (folhas_++ > 0) dispositivo_.newPage();
    return superficie_;
  }

 private:
  QPagedPaintDevice& dispositivo_;
  SuperficieDeDesenho& superficie_;
  int folhas_ = 0;
};

Data Hoje(const Data& pedido) {
  return DataValida(pedido) ? pedido : DataDeHoje();
}

}  // namespace

TipoDeImpressao TipoDaOpcao(int16_t tipoImpressao) {
  return tipoImpressao >= 0 && tipoImpressao <= 2 ? static_cast<TipoDeImpressao>(tipoImpressao)
                                                  : TipoDeImpressao::Ambos;
}

std::string TituloDoDocumento(const ConteudoDaAnalise& conteudo) {
  return (conteudo.tituloDoRelatorio.empty() ? std::string("Análise Numerológica")
                                             : conteudo.tituloDoRelatorio) +
         " - " + conteudo.analise.NomeExibido;
}

int ComporImpressao(Paginador& folhas, const ConteudoDaAnalise& conteudo, double largura,
                    double altura, const OpcoesDaImpressao& opcoes, const Figura& borda,
                    const Figura& capa) {
  const GeometriaDaPagina papel = GeometriaDoPapel(largura, altura, opcoes.margens);
  int total = 0;
  if (opcoes.folhaRosto) {
    DesenhaFolhaRosto(folhas.NovaFolha(), opcoes.margens, borda, capa);
    ++total;
  }
  if (opcoes.tipo != TipoDeImpressao::Analise) {
    DesenhaQuadroNumerologico(folhas.NovaFolha(), conteudo, papel, Hoje(opcoes.hoje));
    ++total;
  }
  if (opcoes.tipo != TipoDeImpressao::Quadro) total += ComporAnalise(conteudo, papel, folhas);
  return total;
}

int ImprimirNoDispositivo(QPagedPaintDevice& dispositivo, const ConteudoDaAnalise& conteudo,
                          const OpcoesDaImpressao& opcoes) {
  QPainter painter;
  if (!painter.begin(&dispositivo)) return 0;
  const double pontosPorMm = dispositivo.logicalDpiX() / kMmPorPolegada;
  const double largura = dispositivo.width() / pontosPorMm;
  const double altura = dispositivo.height() / (dispositivo.logicalDpiY() / kMmPorPolegada);
  SuperficieQPainter superficie(painter, pontosPorMm, largura, altura, opcoes.pretoEmBranco);
  FolhasDoDispositivo folhas(dispositivo, superficie);
  const FigurasDaAnalise& figuras = FigurasDoPrograma();
  const int total =
      ComporImpressao(folhas, conteudo, largura, altura, opcoes, figuras.borda, figuras.capa);
  return painter.end() ? total : 0;
}

int GravarPdf(const std::string& caminho, const ConteudoDaAnalise& conteudo,
             const OpcoesDaImpressao& opcoes, std::string* falha) {
  int folhas = 0;
  try {
    GravaSaidaInteira(caminho, [&](QIODevice& destino) {
      QPdfWriter pdf(&destino);
      pdf.setResolution(300);
      pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                    QPageLayout::Millimeter));
      pdf.setCreator(QStringLiteral("Cifralumina"));
      pdf.setTitle(QString::fromStdString(TituloDoDocumento(conteudo)));
      folhas = ImprimirNoDispositivo(pdf, conteudo, opcoes);
      return folhas > 0;
    });
  } catch (const ErroDeArquivo& e) {
    if (falha) *falha = e.what();
    return 0;
  }
  return folhas;
}

}  // namespace cifra
