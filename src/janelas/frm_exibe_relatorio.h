#pragma once
// The viewer of one analysis or forecast: a child window of the main window
// showing one recorded page at a time, fitted to the window's width or zoomed, replayed
// as vectors so it stays sharp at any zoom.
#include <QAbstractScrollArea>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "presentation/documento.h"

namespace cifra {

// The page on screen, with its scroll bars. It follows the document: when
// the page changes it keeps where the old page was left and goes back to
// where the new one was.
class VistaDaFolha : public QAbstractScrollArea, public ObservadorDoDocumento {
  Q_OBJECT
 public:
  explicit VistaDaFolha(DocumentoDaAnalise& documento, QWidget* pai = nullptr);
  ~VistaDaFolha() override;

  double Zoom() const { return zoom_; }
  // The zoom; the point of the page at ancora (viewport pixels, the centre
  // when none) stays where it is.
  void DefineZoom(double zoom, const QPoint* ancora = nullptr);
  void AumentaZoom() { DefineZoom(cifra::ZoomVizinho(zoom_, +1)); }
  void DiminuiZoom() { DefineZoom(cifra::ZoomVizinho(zoom_, -1)); }
  // Back to the page width fitted to the window, as when it opened.
  void AjustaLargura();

  // Pixels of the screen per millimetre of the page at the current zoom.
  double PixelsPorMm() const;
  // The page's rectangle in viewport pixels.
  QRect RetanguloDaFolha() const;

  void PaginaAtualMudou(int anterior, int atual) override;
  void ConteudoMudou() override;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  QSize TamanhoDaFolha() const;  // pixels at the current zoom
  void AtualizaBarras();
  PosicaoNaPagina PosicaoAtual() const;
  void VaiPara(PosicaoNaPagina posicao);
  const QPixmap* FolhaPronta();

  DocumentoDaAnalise& documento_;
  double zoom_ = 1;
  bool ajustada_ = true;
  // The shown page drawn once at the current zoom; scrolling only copies it.
  QPixmap cache_;
  int paginaDoCache_ = 0;
  double zoomDoCache_ = 0;
  QPoint arrasto_;
  bool arrastando_ = false;
};

class frmExibeRelatorio : public QWidget, public ObservadorDoDocumento {
  Q_OBJECT
 public:
  // aoExibirPagina runs whenever a page is really shown (the page sound).
  frmExibeRelatorio(std::unique_ptr<DocumentoDaAnalise> documento,
                    std::function<void()> aoExibirPagina, QWidget* pai = nullptr);
  ~frmExibeRelatorio() override;

  DocumentoDaAnalise& Documento() { return *documento_; }
  VistaDaFolha& Vista() { return *picExibe_; }
  int PaginaExibida() const { return documento_->PaginaExibida(); }
  int TotalDePaginas() const { return documento_->TotalDePaginas(); }
  bool ExibePagina(int pagina) { return documento_->ExibePagina(pagina); }
  const PessoaAnalisada& Pessoa() const { return documento_->Pessoa(); }

  void PaginaAtualMudou(int anterior, int atual) override;

 private:
  std::unique_ptr<DocumentoDaAnalise> documento_;
  std::function<void()> aoExibirPagina_;
  VistaDaFolha* picExibe_;
};

}  // namespace cifra
