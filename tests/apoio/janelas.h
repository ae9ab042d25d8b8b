#pragma once
// Helpers of the window tests: controls found by name, typing and clicking as
// the operator does, answering the boxes a window opens while it runs, and
// pictures of the windows for the manual.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "settings/configuracao.h"

namespace cifra::teste {

// A fresh data folder and the configuration read from it, as at start-up.
struct ComConfiguracao {
  PastaTemporaria pasta;
  Configuracao configuracao = CarregarConfiguracao(pasta.Caminho().string());
};

template <class T = QWidget>
T* Controle(const QWidget& janela, const QString& nome) {
  auto* c = janela.findChild<T*>(nome);
  EXPECT_NE(c, nullptr) << nome.toStdString();
  return c;
}

// A click as the operator makes it: the pointer comes from elsewhere first,
// so two quick clicks on different controls are never taken for a double
// click; a check box or option button is clicked on its box, which its
// caption may not reach.
inline void Clica(QWidget* controle) {
  const bool caixinha = qobject_cast<QCheckBox*>(controle) || qobject_cast<QRadioButton*>(controle);
  const QPoint ponto = caixinha ? QPoint(8, controle->height() / 2) : controle->rect().center();
  QTest::mouseMove(controle, ponto + QPoint(20, 0));
  QTest::mouseClick(controle, Qt::LeftButton, {}, ponto);
}
inline void Clica(const QWidget& janela, const QString& nome) { Clica(Controle(janela, nome)); }

// Types a text key by key; characters outside ASCII (ã, ç, ★...) arrive as a
// keyboard layout or an input method sends them: a key event carrying the text.
inline void Digita(QWidget* caixa, const QString& texto) {
  for (QChar c : texto) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      QTest::keyClick(caixa, static_cast<char>(c.unicode()));
    } else if (c == QLatin1Char('\n')) {
      QTest::keyClick(caixa, Qt::Key_Return);
    } else {
      QTest::sendKeyEvent(QTest::Click, caixa, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

// Selects everything in the box and types over it, or pastes over it, as the
// operator brings a long text in.
inline void Substitui(QWidget* caixa, const QString& texto) {
  caixa->setFocus();
  QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
  Digita(caixa, texto);
}
inline void Cola(QWidget* caixa, const QString& texto) {
  QApplication::clipboard()->setText(texto);
  caixa->setFocus();
  QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(caixa, Qt::Key_V, Qt::ControlModifier);
}

// The window's close box: the platform asks the window to close.
inline void ClicaNaCaixaDeFechar(QWidget* janela) {
  QCloseEvent fechar;
  QApplication::sendEvent(janela, &fechar);
}

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

// Drives each window of kind T that opens while it lives (a dialog that
// another one shows modally): the function acts on it as the operator would.
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
        return acao_(*janela);
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

// An answer to a box: a message box's button, or what to type in an input
// box (a null text keeps what it offers, Cancel gives it up).
struct Resposta {
  Resposta(QMessageBox::StandardButton b = QMessageBox::Ok) : botao(b) {}
  Resposta(const char* t) : texto(QString::fromUtf8(t)) {}
  QMessageBox::StandardButton botao = QMessageBox::Ok;
  QString texto;
};
struct CaixaVista {
  QString titulo, texto;
  QMessageBox::Icon icone;
};

// Answers every message and input box that opens while it lives: each is
// noted (title, text or label, icon) and answered with the next answer of the
// list (OK once the list is spent) by a click or the keyboard, as the
// operator would.
class RespondeCaixas {
 public:
  explicit RespondeCaixas(std::deque<Resposta> respostas = {}) : respostas_(std::move(respostas)) {}
  const std::vector<CaixaVista>& Vistas() const { return vistas_; }
  QStringList Titulos() const {
    QStringList t;
    for (const auto& v : vistas_) t << v.titulo;
    return t;
  }

 private:
  Resposta Proxima() {
    const Resposta r = respostas_.empty() ? Resposta() : respostas_.front();
    if (!respostas_.empty()) respostas_.pop_front();
    return r;
  }
  std::deque<Resposta> respostas_;
  std::vector<CaixaVista> vistas_;
  QuandoAbrir<QMessageBox> caixas_{[this](QMessageBox& caixa) {
    const Resposta r = Proxima();
    vistas_.push_back({caixa.windowTitle(), caixa.text(), caixa.icon()});
    if (QAbstractButton* botao = caixa.button(r.botao)) return QTest::mouseClick(botao, Qt::LeftButton);
    caixa.reject();
  }};
  QuandoAbrir<QInputDialog> entradas_{[this](QInputDialog& entrada) {
    const Resposta r = Proxima();
    vistas_.push_back({entrada.windowTitle(), entrada.labelText(), QMessageBox::NoIcon});
    auto* linha = entrada.findChild<QLineEdit*>();
    if (r.botao == QMessageBox::Cancel) return QTest::keyClick(linha, Qt::Key_Escape);
    if (!r.texto.isNull()) {
      linha->selectAll();
      QTest::keyClick(linha, Qt::Key_Backspace);
      Digita(linha, r.texto);
    }
    QTest::keyClick(linha, Qt::Key_Return);
  }};
};

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
inline void Retrata(QWidget* janela, const QString& nome) { GuardaImagem(janela->grab().toImage(), nome + ".png"); }

}  // namespace cifra::teste
