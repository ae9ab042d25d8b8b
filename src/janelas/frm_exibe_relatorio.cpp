#include "frm_exibe_relatorio.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "presentation/conteudo_do_documento.h"
#include "presentation/superficie.h"

namespace cifra {

namespace {

constexpr int kMargem = 16;                  // pixels of background around the page
// Pixels of a page drawn whole once and then only copied while scrolling;
// a page larger than this (zoomed far in) is drawn part by part, the part on
// screen, from its vectors.
constexpr double kMaximoDoCache = 6e6;
const QColor kFundo(0x6e, 0x6e, 0x6e);
const QColor kSombra(0x3c, 0x3c, 0x3c);

}  // namespace

VistaDaFolha::VistaDaFolha(DocumentoDaAnalise& documento, QWidget* pai)
    : QAbstractScrollArea(pai), documento_(documento) {
  setObjectName(QStringLiteral("picExibe"));
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The scroll bars never keep the focus: the page keys always reach the page.
  horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
  verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
  horizontalScrollBar()->setObjectName(QStringLiteral("hScroll"));
  verticalScrollBar()->setObjectName(QStringLiteral("vScroll"));
  viewport()->setCursor(Qt::OpenHandCursor);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  documento_.AdicionaObservador(this);
}

VistaDaFolha::~VistaDaFolha() { documento_.RemoveObservador(this); }

double VistaDaFolha::PixelsPorMm() const { return logicalDpiX() / kMmPorPolegada * zoom_; }

QSize VistaDaFolha::TamanhoDaFolha() const {
  const double ppm = PixelsPorMm();
  return {static_cast<int>(std::lround(kLarguraDaFolhaNaTela * ppm)),
          static_cast<int>(std::lround(kAlturaDaFolhaNaTela * ppm))};
}

QRect VistaDaFolha::RetanguloDaFolha() const {
  const QSize folha = TamanhoDaFolha();
  const QSize vista = viewport()->size();
  // A page narrower (shorter) than the window sits in its middle.
  const int x = folha.width() + 2 * kMargem <= vista.width()
                    ? (vista.width() - folha.width()) / 2
                    : kMargem - horizontalScrollBar()->value();
  const int y = folha.height() + 2 * kMargem <= vista.height()
                    ? (vista.height() - folha.height()) / 2
                    : kMargem - verticalScrollBar()->value();
  return {QPoint(x, y), folha};
}

void VistaDaFolha::AtualizaBarras() {
  const QSize folha = TamanhoDaFolha();
  const QSize vista = viewport()->size();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, folha.width() + 2 * kMargem - vista.width()));
  h->setPageStep(vista.width());
  h->setSingleStep(std::max(1, vista.width() / 20));
  v->setRange(0, std::max(0, folha.height() + 2 * kMargem - vista.height()));
  v->setPageStep(std::max(1, vista.height() * 9 / 10));
  // Up and Down move the page by a twentieth of the window's height.
  v->setSingleStep(std::max(1, vista.height() / 20));
}

PosicaoNaPagina VistaDaFolha::PosicaoAtual() const {
  const double ppm = PixelsPorMm();
  return {horizontalScrollBar()->value() / ppm, verticalScrollBar()->value() / ppm};
}

void VistaDaFolha::VaiPara(PosicaoNaPagina posicao) {
  const double ppm = PixelsPorMm();
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(posicao.x * ppm)));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(posicao.y * ppm)));
}

void VistaDaFolha::DefineZoom(double zoom, const QPoint* ancora) {
  zoom = std::clamp(zoom, kZoomMinimo, kZoomMaximo);
  ajustada_ = false;
  const QPoint centro(viewport()->width() / 2, viewport()->height() / 2);
  const QPoint a = ancora ? *ancora : centro;
  const QRect antes = RetanguloDaFolha();
  const double ppmAntes = PixelsPorMm();
  const double xMm = (a.x() - antes.x()) / ppmAntes;
  const double yMm = (a.y() - antes.y()) / ppmAntes;
  zoom_ = zoom;
  AtualizaBarras();
  const double ppm = PixelsPorMm();
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(kMargem + xMm * ppm - a.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(kMargem + yMm * ppm - a.y())));
  viewport()->update();
}

void VistaDaFolha::AjustaLargura() {
  const PosicaoNaPagina antes = PosicaoAtual();
  ajustada_ = true;
  // Whether the vertical bar will be there decides the width to fill.
  const double ppm1 = logicalDpiX() / kMmPorPolegada;
  const int largura = width() - 2 * frameWidth();
  const int altura = height() - 2 * frameWidth();
  zoom_ = cifra::ZoomQuePreencheLargura(largura, ppm1, kMargem);
  if (kAlturaDaFolhaNaTela * ppm1 * zoom_ + 2 * kMargem > altura) {
    zoom_ = cifra::ZoomQuePreencheLargura(largura - verticalScrollBar()->sizeHint().width(), ppm1,
                                          kMargem);
  }
  AtualizaBarras();
  VaiPara({0, antes.y});
  viewport()->update();
}

void VistaDaFolha::PaginaAtualMudou(int anterior, int atual) {
  if (anterior > 0) documento_.GuardaPosicao(anterior, PosicaoAtual());
  VaiPara(documento_.Posicao(atual));
  viewport()->update();
}

void VistaDaFolha::ConteudoMudou() {
  cache_ = QPixmap();
  AtualizaBarras();
  viewport()->update();
}

const QPixmap* VistaDaFolha::FolhaPronta() {
  const int pagina = documento_.PaginaExibida();
  const double dpr = devicePixelRatioF();
  const QSize folha = TamanhoDaFolha();
  if (folha.width() * dpr * folha.height() * dpr > kMaximoDoCache) return nullptr;
  if (cache_.isNull() || paginaDoCache_ != pagina || zoomDoCache_ != zoom_ ||
      cache_.devicePixelRatio() != dpr) {
    cache_ = QPixmap::fromImage(cifra::ImagemDaPagina(documento_.Paginas(), pagina,
                                                      PixelsPorMm() * dpr));
    cache_.setDevicePixelRatio(dpr);
    paginaDoCache_ = pagina;
    zoomDoCache_ = zoom_;
  }
  return &cache_;
}

void VistaDaFolha::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), kFundo);
  const QRect folha = RetanguloDaFolha();
  p.fillRect(folha.translated(3, 3), kSombra);
  p.fillRect(folha, Qt::white);
  if (const QPixmap* pronta = FolhaPronta()) {
    p.drawPixmap(folha.topLeft(), *pronta);
    return;
  }
  // Zoomed far in: only the part on screen is drawn, from the vectors.
  p.setClipRect(folha);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.translate(folha.topLeft());
  const double escala = PixelsPorMm() / SuperficieQPainter::kUnidadesPorMm;
  p.scale(escala, escala);
  documento_.Folha(documento_.PaginaExibida()).Desenha(p);
}

void VistaDaFolha::resizeEvent(QResizeEvent* evento) {
  QAbstractScrollArea::resizeEvent(evento);
  if (ajustada_) {
    AjustaLargura();
  } else {
    AtualizaBarras();
  }
}

void VistaDaFolha::scrollContentsBy(int, int) { viewport()->update(); }

void VistaDaFolha::keyPressEvent(QKeyEvent* evento) {
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const bool ctrl = evento->modifiers() & Qt::ControlModifier;
  switch (evento->key()) {
    case Qt::Key_PageUp: v->setValue(v->value() - v->pageStep()); break;
    case Qt::Key_PageDown: v->setValue(v->value() + v->pageStep()); break;
    case Qt::Key_End:
      h->setValue(h->maximum());
      v->setValue(v->maximum());
      break;
    case Qt::Key_Home:
      h->setValue(0);
      v->setValue(0);
      break;
    case Qt::Key_Left:
      if (ctrl) documento_.Volta();
      else h->setValue(h->value() - h->pageStep());
      break;
    case Qt::Key_Right:
      if (ctrl) documento_.Avanca();
      else h->setValue(h->value() + h->pageStep());
      break;
    case Qt::Key_Up: v->setValue(v->value() - v->singleStep()); break;
    case Qt::Key_Down: v->setValue(v->value() + v->singleStep()); break;
    default: QAbstractScrollArea::keyPressEvent(evento); return;
  }
  evento->accept();
}

void VistaDaFolha::wheelEvent(QWheelEvent* evento) {
  if (!(evento->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(evento);
    return;
  }
  const int passos = evento->angleDelta().y() / 120;
  if (passos != 0) {
    const QPoint ancora = evento->position().toPoint();
    DefineZoom(cifra::ZoomVizinho(zoom_, passos), &ancora);
  }
  evento->accept();
}

void VistaDaFolha::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(evento);
  arrastando_ = true;
  arrasto_ = evento->position().toPoint();
  viewport()->setCursor(Qt::ClosedHandCursor);
}

void VistaDaFolha::mouseMoveEvent(QMouseEvent* evento) {
  if (!arrastando_) return QAbstractScrollArea::mouseMoveEvent(evento);
  const QPoint agora = evento->position().toPoint();
  const QPoint delta = agora - arrasto_;
  arrasto_ = agora;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
  verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
}

void VistaDaFolha::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(evento);
  arrastando_ = false;
  viewport()->setCursor(Qt::OpenHandCursor);
}

frmExibeRelatorio::frmExibeRelatorio(std::unique_ptr<DocumentoDaAnalise> documento,
                                     std::function<void()> aoExibirPagina, QWidget* pai)
    : QWidget(pai), documento_(std::move(documento)), aoExibirPagina_(std::move(aoExibirPagina)) {
  setObjectName(QStringLiteral("frmExibeRelatorio"));
  // Each window is named after its person (and a forecast after its years),
  // so the Window menu and the tabs tell the reports apart.
  setWindowTitle(QString::fromStdString(cifra::TituloDaJanela(*documento_)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  picExibe_ = new VistaDaFolha(*documento_, this);
  layout->addWidget(picExibe_);
  setFocusProxy(picExibe_);
  documento_->AdicionaObservador(this);
  documento_->ExibePagina(1);
}

frmExibeRelatorio::~frmExibeRelatorio() {
  documento_->RemoveObservador(this);
  // The page view observes the document: it goes before the document does.
  delete picExibe_;
}

void frmExibeRelatorio::PaginaAtualMudou(int, int) {
  if (aoExibirPagina_) aoExibirPagina_();
}

}  // namespace cifra
