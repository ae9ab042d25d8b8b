#include "frm_entrada.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>

#include "abertura.h"
#include "presentation/figuras.h"

namespace cifra {

// The picture box: paints the cover picture stretched over the current frame.
class frmEntrada::CaixaDaFigura : public QWidget {
 public:
  explicit CaixaDaFigura(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("imgEntrada"));
    setFixedSize(420, 420);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
  }
  void Mostra(const QRectF& quadro) {
    quadro_ = quadro;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (quadro_.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    cifra::FigurasDoPrograma().capa.Desenha(painter, quadro_, false);
  }

 private:
  QRectF quadro_;
};

frmEntrada::frmEntrada(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmEntrada"));
  setWindowTitle(QStringLiteral(" Programa de Cifralumina 2007"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  imgEntrada_ = new CaixaDaFigura(this);
  layout->addWidget(imgEntrada_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  quadros_ = cifra::QuadrosDaAbertura(imgEntrada_->width());
  relogio_.setObjectName(QStringLiteral("relogio"));
  relogio_.setInterval(kIntervaloDaAberturaMs);
  connect(&relogio_, &QTimer::timeout, this, &frmEntrada::Avanca);
  esperaFinal_.setObjectName(QStringLiteral("esperaFinal"));
  esperaFinal_.setSingleShot(true);
  esperaFinal_.setInterval(kEsperaFinalDaAberturaMs);
  connect(&esperaFinal_, &QTimer::timeout, this, &QDialog::accept);
}

void frmEntrada::Exibe(QWidget* pai) {
  frmEntrada janela(pai);
  janela.exec();
}

void frmEntrada::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (quadro_ >= 0) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ampulheta_ = true;
  Avanca();
  relogio_.start();
}

void frmEntrada::Avanca() {
  if (quadro_ + 1 >= TotalDeQuadros()) {
    relogio_.stop();
    esperaFinal_.start();
    return;
  }
  imgEntrada_->Mostra(quadros_[static_cast<size_t>(++quadro_)]);
}

// Closed by itself or through its close box: either way the hourglass goes.
void frmEntrada::done(int resultado) {
  relogio_.stop();
  esperaFinal_.stop();
  if (ampulheta_) {
    QApplication::restoreOverrideCursor();
    ampulheta_ = false;
  }
  QDialog::done(resultado);
}

}  // namespace cifra
