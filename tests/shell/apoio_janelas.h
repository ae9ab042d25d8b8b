#pragma once
// Helpers of the window tests: acting on a modal window while it runs, and
// keeping pictures of the windows for the documentation.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

namespace cifra::teste {

// Runs acao on the next modal window as soon as it is up (the call that
// opens it does not return until it closes).
inline void QuandoAbrirModal(std::function<void(QWidget*)> acao, int tentativas = 300) {
  QTimer::singleShot(10, [acao = std::move(acao), tentativas]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
      acao(modal);
    } else if (tentativas > 0) {
      QuandoAbrirModal(std::move(acao), tentativas - 1);
    }
  });
}

// Types a text key by key; characters outside ASCII (ã, ç...) arrive as a
// keyboard with them would send them: a key event carrying the character.
inline void Digita(QWidget* caixa, const QString& texto) {
  for (QChar c : texto) {
    if (c.unicode() < 128) {
      QTest::keyClick(caixa, static_cast<char>(c.unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Click, caixa, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

// What a message box said, answered with the given button.
struct Mensagem {
  QString titulo;
  QString texto;
  QMessageBox::Icon icone = QMessageBox::NoIcon;
  bool vista = false;
};

inline std::shared_ptr<Mensagem> ResponderMensagem(QMessageBox::StandardButton botao,
                                                   std::function<void(QMessageBox*)> antes = {}) {
  auto m = std::make_shared<Mensagem>();
  QuandoAbrirModal([m, botao, antes](QWidget* w) {
    auto* caixa = qobject_cast<QMessageBox*>(w);
    if (!caixa) return;
    *m = {caixa->windowTitle(), caixa->text(), caixa->icon(), true};
    if (antes) antes(caixa);
    if (QAbstractButton* b = caixa->button(botao)) {
      QTest::mouseClick(b, Qt::LeftButton);
    } else {
      caixa->reject();
    }
  });
  return m;
}

// Pictures for docs/imagens are written only when CIFRA_GRAVAR_IMAGENS is
// set, so that an ordinary test run leaves the tree as it was.
inline void GuardaImagem(const QImage& imagem, const QString& nome) {
#ifdef CIFRA_IMAGENS_DIR
  if (qEnvironmentVariableIsEmpty("CIFRA_GRAVAR_IMAGENS")) return;
  QDir().mkpath(QStringLiteral(CIFRA_IMAGENS_DIR));
  imagem.save(QStringLiteral(CIFRA_IMAGENS_DIR "/") + nome, "PNG");
#else
  (void)imagem;
  (void)nome;
#endif
}

// A window with a message box over its lower part, with a plain title bar
// carrying the box's caption, as the operator sees them on the desktop.
inline QImage ComMensagemPorCima(QWidget* janela, QWidget* caixa) {
  const QImage fundo = janela->grab().toImage();
  const QImage frente = caixa->grab().toImage();
  const QSizeF tamJanela = QSizeF(fundo.size()) / fundo.devicePixelRatio();
  const QSizeF tamCaixa = QSizeF(frente.size()) / frente.devicePixelRatio();
  constexpr double kTitulo = 26, kMargem = 12;
  const QPointF canto(kMargem + std::max(0.0, (tamJanela.width() - tamCaixa.width()) / 2),
                      kMargem + tamJanela.height() * 0.7);
  const QSizeF total(tamCaixa.width(), tamCaixa.height() + kTitulo);
  QImage imagem(QSize(static_cast<int>(std::max(tamJanela.width(), canto.x() + total.width()) + 2 * kMargem),
                      static_cast<int>(std::max(tamJanela.height(), canto.y() + total.height()) + 2 * kMargem)),
                QImage::Format_RGB32);
  imagem.fill(QColor(0xd8, 0xdc, 0xe0));
  QPainter p(&imagem);
  p.drawImage(QRectF(QPointF(kMargem, kMargem), tamJanela), fundo);
  p.fillRect(QRectF(canto + QPointF(5, 5), total), QColor(0, 0, 0, 70));
  const QRectF barra(canto, QSizeF(total.width(), kTitulo));
  p.fillRect(barra, QColor(0x3b, 0x4a, 0x5c));
  QFont fonte = caixa->font();
  fonte.setBold(true);
  p.setFont(fonte);
  p.setPen(Qt::white);
  p.drawText(barra.adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, caixa->windowTitle());
  p.drawImage(QRectF(canto + QPointF(0, kTitulo), tamCaixa), frente);
  p.setPen(QColor(0x3b, 0x4a, 0x5c));
  p.drawRect(QRectF(canto, total).adjusted(0, 0, -1, -1));
  return imagem;
}

}  // namespace cifra::teste
