#pragma once
// Answers the message boxes a dialog opens while a test drives it: each box
// is noted (title, text) and closed with the next answer of the list, by a
// click on that button, as the operator would.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace cifra::teste {

struct CaixaVista {
  QString titulo;
  QString texto;
};

class RespondeCaixas {
 public:
  explicit RespondeCaixas(std::deque<QMessageBox::StandardButton> respostas = {})
      : respostas_(std::move(respostas)) {
    QObject::connect(&relogio_, &QTimer::timeout, [this] { Olha(); });
    relogio_.start(5);
  }
  const std::vector<CaixaVista>& Vistas() const { return vistas_; }
  bool Respondidas() const { return respostas_.empty(); }

 private:
  void Olha() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* caixa = qobject_cast<QMessageBox*>(w);
      if (!caixa || !caixa->isVisible() || caixa->property("respondida").toBool()) continue;
      caixa->setProperty("respondida", true);
      vistas_.push_back({caixa->windowTitle(), caixa->text()});
      const auto resposta = respostas_.empty() ? QMessageBox::Ok : respostas_.front();
      if (!respostas_.empty()) respostas_.pop_front();
      QAbstractButton* botao = caixa->button(resposta);
      if (botao) {
        QTest::mouseClick(botao, Qt::LeftButton);
      } else {
        caixa->reject();
      }
      return;
    }
  }

  std::deque<QMessageBox::StandardButton> respostas_;
  std::vector<CaixaVista> vistas_;
  QTimer relogio_;
};

// A click as the operator makes it: the pointer comes from elsewhere first,
// so two quick clicks on different controls are never taken for a double click.
// Drives the next window of kind T that opens (a dialog that another one
// shows modally): the function acts on it as the operator would.
template <class T>
class QuandoAbrir {
 public:
  explicit QuandoAbrir(std::function<void(T&)> acao) : acao_(std::move(acao)) {
    QObject::connect(&relogio_, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* janela = qobject_cast<T*>(w);
        if (!janela || !janela->isVisible() || janela->property("conduzida").toBool()) continue;
        janela->setProperty("conduzida", true);
        ++abertas_;
        acao_(*janela);
        return;
      }
    });
    relogio_.start(5);
  }
  int Abertas() const { return abertas_; }

 private:
  std::function<void(T&)> acao_;
  QTimer relogio_;
  int abertas_ = 0;
};

// A check box or option button is clicked on its box, which its caption may not reach.
inline void Clica(QWidget* controle) {
  const bool caixinha = qobject_cast<QCheckBox*>(controle) || qobject_cast<QRadioButton*>(controle);
  const QPoint ponto = caixinha ? QPoint(8, controle->height() / 2) : controle->rect().center();
  QTest::mouseMove(controle, ponto + QPoint(20, 0));
  QTest::mouseClick(controle, Qt::LeftButton, {}, ponto);
}

// Typing, character by character; accented letters and symbols arrive as the
// text of their key events, as a keyboard layout or an input method sends them.
inline void Escreve(QWidget* controle, const QString& texto) {
  for (const QChar c : texto) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      QTest::keyClick(controle, static_cast<char>(c.unicode()));
    } else if (c == QLatin1Char('\n')) {
      QTest::keyClick(controle, Qt::Key_Return);
    } else {
      QKeyEvent aperta(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QKeyEvent solta(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(controle, &aperta);
      QApplication::sendEvent(controle, &solta);
    }
  }
}

// The window's close box: the platform asks the window to close.
inline void ClicaNaCaixaDeFechar(QWidget* janela) {
  QCloseEvent fechar;
  QApplication::sendEvent(janela, &fechar);
}

// The window as the operator sees it, kept in docs/imagens for the record;
// written only when CIFRA_GRAVAR_IMAGENS is set, so that an ordinary test run
// leaves the tree as it was.
inline void Retrata(QWidget* janela, const QString& nome) {
  if (qEnvironmentVariableIsEmpty("CIFRA_GRAVAR_IMAGENS")) return;
  janela->grab().save(QStringLiteral(CIFRA_IMAGENS_DIR "/") + nome + QStringLiteral(".png"));
}

}  // namespace cifra::teste
