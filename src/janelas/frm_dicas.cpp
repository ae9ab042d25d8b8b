#include "frm_dicas.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>

#include "figura_na_tela.h"

namespace cifra {

namespace {

// The name that picks the hint: its action's (a QToolBar button), else the
// button's own.
QString NomeDoBotao(const QToolButton* botao) {
  if (botao->defaultAction() && !botao->defaultAction()->objectName().isEmpty()) {
    return botao->defaultAction()->objectName();
  }
  return botao->objectName();
}

// A button ignores a move without a pressed button, which then reaches the
// toolbar: that is not the background.
bool SobreUmBotao(QObject* objeto, QEvent* evento) {
  auto* widget = qobject_cast<QWidget*>(objeto);
  if (!widget) return false;
  const QPoint pos = static_cast<QMouseEvent*>(evento)->position().toPoint();
  for (QWidget* w = widget->childAt(pos); w && w != widget; w = w->parentWidget()) {
    if (qobject_cast<QToolButton*>(w)) return true;
  }
  return false;
}

QKeySequence AtalhoDoBotao(const QToolButton* botao) {
  return botao->defaultAction() ? botao->defaultAction()->shortcut() : botao->shortcut();
}

}  // namespace

frmDicas::frmDicas(QWidget* dono)
    : QWidget(dono, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("frmDicas"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* externo = new QHBoxLayout(this);
  externo->setContentsMargins(0, 0, 0, 0);
  auto* picHelp = new QFrame(this);
  picHelp->setObjectName(QStringLiteral("picHelp"));
  picHelp->setFrameShape(QFrame::Box);
  picHelp->setStyleSheet(
      QStringLiteral("#picHelp { background: #fff8d6; border: 1px solid #8a7a3a; }"));
  externo->addWidget(picHelp);
  auto* linha = new QHBoxLayout(picHelp);
  linha->setContentsMargins(6, 4, 8, 4);
  auto* imgLuz = new QLabel(picHelp);
  imgLuz->setObjectName(QStringLiteral("imgLuz"));
  imgLuz->setPixmap(cifra::PixmapDoRecurso("lampada.svg", QSize(24, 24)));
  linha->addWidget(imgLuz, 0, Qt::AlignTop);
  lblDica_ = new QLabel(picHelp);
  lblDica_->setObjectName(QStringLiteral("lblDica"));
  lblDica_->setWordWrap(true);
  lblDica_->setMouseTracking(true);
  lblDica_->installEventFilter(this);
  linha->addWidget(lblDica_, 1);
}

void frmDicas::MostrarDica(const QString& texto, const QPoint& posicao) {
  lblDica_->setText(texto);
  // One line when it fits, wrapped at a comfortable width otherwise.
  lblDica_->setFixedWidth(std::min(lblDica_->fontMetrics().horizontalAdvance(texto) + 12, 360));
  // A short hint after a long one: the box shrinks to the new text (the
  // layouts would keep the old width until their next pass).
  QCoreApplication::sendPostedEvents(lblDica_->parentWidget(), QEvent::LayoutRequest);
  QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
  adjustSize();
  move(posicao);
  show();
}

QString frmDicas::Texto() const { return lblDica_->text(); }

bool frmDicas::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == lblDica_ && evento->type() == QEvent::MouseMove) emit MouseSobreTexto();
  return QWidget::eventFilter(objeto, evento);
}

ControleDeDicas::ControleDeDicas(QWidget* barra, QWidget* janela)
    : QObject(barra), barra_(barra), janela_(janela) {
  barra->setMouseTracking(true);
  barra->installEventFilter(this);
  for (QToolButton* botao : barra->findChildren<QToolButton*>()) AcompanhaBotao(botao);
}

ControleDeDicas::~ControleDeDicas() { FechaPopup(); }

void ControleDeDicas::AcompanhaFundo(QWidget* fundo) {
  fundo->setMouseTracking(true);
  fundo->installEventFilter(this);
}

// A button's action may be set after it is added, so every tool button is
// followed and its name looked at when the mouse comes.
void ControleDeDicas::AcompanhaBotao(QToolButton* botao) {
  botao->setMouseTracking(true);
  botao->installEventFilter(this);
}

void ControleDeDicas::FechaDica() {
  estado_.Esquece();
  FechaPopup();
}

void ControleDeDicas::ApagaAjudaDoBotao() { estado_.Esquece(); }

QString ControleDeDicas::DicaAtual() const { return QString::fromStdString(estado_.DicaAtual()); }

bool ControleDeDicas::Ampulheta() const {
  const QCursor* global = QApplication::overrideCursor();
  if (global && global->shape() == Qt::WaitCursor) return true;
  return janela_ && janela_->cursor().shape() == Qt::WaitCursor;
}

void ControleDeDicas::FechaPopup() {
  if (dica_) dica_->close();  // deletes itself
}

void ControleDeDicas::MouseSobreBotao(QToolButton* botao) {
  const std::string chave(cifra::ChaveDoBotao(NomeDoBotao(botao).toStdString()));
  if (chave.empty()) return;  // a control without a hint (the toolbar's extension arrow)
  if (estado_.MouseSobreBotao(chave, Ampulheta()) != AcompanhamentoDeDicas::Efeito::Mostrar) {
    return;
  }
  const QString texto = QString::fromStdString(cifra::TextoDaDicaComAtalho(
      chave, AtalhoDoBotao(botao).toString(QKeySequence::NativeText).toStdString()));
  if (!dica_) {
    dica_ = new frmDicas(janela_);
    connect(dica_, &frmDicas::MouseSobreTexto, this, &ControleDeDicas::FechaPopup);
  }
  // Size first, so the screen edge can pull it left.
  dica_->MostrarDica(texto, dica_->pos());
  const QRect rBotao(botao->mapToGlobal(QPoint(0, 0)), botao->size());
  const QRect rBarra(barra_->mapToGlobal(QPoint(0, 0)), barra_->size());
  const QScreen* tela = barra_->screen();
  dica_->move(cifra::PosicaoDaDica(rBotao, rBarra, dica_->size(),
                                   tela ? tela->geometry() : QRect(0, 0, 1920, 1080)));
}

bool ControleDeDicas::eventFilter(QObject* objeto, QEvent* evento) {
  switch (evento->type()) {
    case QEvent::ChildPolished:  // a button added later; by now it is a whole QToolButton
      if (objeto == barra_) {
        auto* filho = static_cast<QChildEvent*>(evento)->child();
        if (auto* botao = qobject_cast<QToolButton*>(filho)) AcompanhaBotao(botao);
      }
      break;
    case QEvent::MouseMove:  // a movement, not an entry: a window closing is no hint
      if (auto* botao = qobject_cast<QToolButton*>(objeto)) {
        MouseSobreBotao(botao);
      } else if (!SobreUmBotao(objeto, evento)) {
        FechaDica();  // the toolbar's or the window's background
      }
      break;
    case QEvent::MouseButtonPress:
      if (qobject_cast<QToolButton*>(objeto)) FechaDica();
      break;
    case QEvent::ToolTip:  // the hint says it already: Qt's tooltip would cover it
      if (qobject_cast<QToolButton*>(objeto) && objeto->parent() == barra_) return true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(objeto, evento);
}

}  // namespace cifra
