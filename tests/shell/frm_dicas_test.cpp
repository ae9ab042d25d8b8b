// The toolbar hint followed with real mouse moves over a toolbar.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "apoio/janelas.h"
#include "shell/figura_na_tela.h"
#include "shell/frm_dicas.h"

namespace {

struct JanelaDeTeste {
  QMainWindow janela;
  QToolBar* barra = nullptr;
  QWidget* fundo = nullptr;
  std::vector<QToolButton*> botoes;

  void Acrescenta(const char* nome) {
    auto* acao = barra->addAction(
        QIcon(cifra::PixmapDoRecurso(std::string("icone_") + nome + ".svg", QSize(32, 32))),
        QString::fromLatin1(nome));
    acao->setObjectName(QString::fromLatin1(nome));
    barra->widgetForAction(acao)->setObjectName(acao->objectName() + QStringLiteral("Botao"));
    botoes.push_back(qobject_cast<QToolButton*>(barra->widgetForAction(acao)));
  }

  JanelaDeTeste() {
    barra = janela.addToolBar(QStringLiteral("Barra"));
    barra->setObjectName(QStringLiteral("picMenu"));
    barra->setMovable(false);
    barra->setIconSize(QSize(32, 32));
    for (const char* nome : {"cmdCriaAnalise", "cmdImprimir", "cmdConfigurarFontes",
                             "cmdConfiguraPrograma", "cmdAjuda", "cmdSobre", "cmdExportar"}) {
      Acrescenta(nome);
    }
    barra->actions().first()->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    fundo = new QWidget;
    fundo->setObjectName(QStringLiteral("fundo"));
    fundo->setAutoFillBackground(true);
    QPalette p = fundo->palette();
    p.setColor(QPalette::Window, QColor(0x8f, 0x96, 0xa8));
    fundo->setPalette(p);
    janela.setCentralWidget(fundo);
    janela.resize(560, 170);
    janela.move(40, 40);
    janela.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&janela));
  }
};

// Lets a closed popup finish deleting itself.
void Assenta() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

TEST(frmDicas, SegueOMouseDeBotaoEmBotaoEFechaSobreOFundo) {
  JanelaDeTeste t;
  ControleDeDicas dicas(t.barra, &t.janela);
  dicas.AcompanhaFundo(t.fundo);
  t.Acrescenta("cmdSair");  // a button added after the controller is followed too
  ASSERT_EQ(t.botoes.size(), 8u);
  for (QToolButton* b : t.botoes) ASSERT_NE(b, nullptr);

  QTest::mouseMove(t.botoes[0], t.botoes[0]->rect().center());
  QPointer<frmDicas> dica = dicas.Dica();
  ASSERT_TRUE(dica);
  EXPECT_TRUE(dica->isVisible());
  EXPECT_EQ(dica->Texto(),
            QStringLiteral("Este botão gera a análise numerológica de uma pessoa. (Atalho: Ctrl+N)"));
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Criar"));
  const QPoint baixoDaBarra = t.barra->mapToGlobal(QPoint(0, t.barra->height()));
  EXPECT_EQ(dica->y(), baixoDaBarra.y());
  const int x0 = dica->x();
  // Never under the mouse that points at the button.
  EXPECT_FALSE(dica->geometry().contains(t.botoes[0]->mapToGlobal(t.botoes[0]->rect().center())));

  // Straight onto the next button: the same popup moves and changes its text.
  QTest::mouseMove(t.botoes[1], t.botoes[1]->rect().center());
  EXPECT_EQ(dicas.Dica(), dica.data());
  EXPECT_EQ(dica->Texto(),
            QStringLiteral("Utilize este botão para imprimir a análise atual na impressora."));
  EXPECT_EQ(dica->x() - x0, t.botoes[1]->x() - t.botoes[0]->x());
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Imprimir"));

  {  // The picture of the manual: the window with the popup where it stands.
    QImage imagem = t.janela.grab().toImage();
    QPainter p(&imagem);
    p.drawPixmap(t.janela.mapFromGlobal(dica->pos()), dica->grab());
    p.end();
    cifra::teste::GuardaImagem(imagem, QStringLiteral("frm-dicas.png"));
  }

  // The toolbar's own background, right of the last button: the popup closes.
  QTest::mouseMove(t.barra, QPoint(t.barra->width() - 10, t.barra->height() / 2));
  Assenta();
  EXPECT_FALSE(dica);
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Nenhum"));

  // Back on a button, then over the window's background.
  QTest::mouseMove(t.botoes[7], t.botoes[7]->rect().center());
  ASSERT_TRUE(dicas.Dica());
  EXPECT_EQ(dicas.Dica()->Texto(), QStringLiteral("Este botão finaliza o programa de Cifralumina."));
  QTest::mouseMove(t.fundo, t.fundo->rect().center());
  Assenta();
  EXPECT_EQ(dicas.Dica(), nullptr);

  // While the hourglass shows, no hint.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QTest::mouseMove(t.botoes[2], t.botoes[2]->rect().center());
  EXPECT_EQ(dicas.Dica(), nullptr);
  QApplication::restoreOverrideCursor();
  QTest::mouseMove(t.botoes[3], t.botoes[3]->rect().center());
  ASSERT_TRUE(dicas.Dica());
  EXPECT_EQ(dicas.Dica()->Texto(),
            QStringLiteral("Selecionar os números a serem calculados pelo programa."));

  // The mouse onto the popup's own text closes it.
  auto* texto = dicas.Dica()->findChild<QLabel*>(QStringLiteral("lblDica"));
  ASSERT_NE(texto, nullptr);
  QTest::mouseMove(texto, texto->rect().center());
  Assenta();
  EXPECT_EQ(dicas.Dica(), nullptr);

  // A click on a button closes the hint as well.
  QTest::mouseMove(t.botoes[4], t.botoes[4]->rect().center());
  ASSERT_TRUE(dicas.Dica());
  QTest::mouseClick(t.botoes[4], Qt::LeftButton);
  Assenta();
  EXPECT_EQ(dicas.Dica(), nullptr);
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Nenhum"));
}

}  // namespace
