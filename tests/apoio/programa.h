#pragma once
// The main window on its own data folder, started as the program starts it.
#include <QAction>
#include <QSettings>
#include <QToolBar>
#include <memory>

#include "apoio/janelas.h"
#include "janelas/frm_entrada.h"
#include "janelas/frm_principal.h"

namespace cifra::teste {

struct Programa {
  PastaTemporaria pasta;
  // The opening window closes itself after a few seconds; the tests close it
  // at once, as an impatient operator would.
  QuandoAbrir<frmEntrada> abertura{[](frmEntrada& e) { e.close(); }};
  std::unique_ptr<frmPrincipal> janela;
  bool geometriaNaPasta = false;

  Programa() { Abre(); }
  // redimensiona false: the size the program itself chooses or kept.
  void Abre(bool redimensiona = true) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((pasta / "config").string()));
    janela = std::make_unique<frmPrincipal>(pasta.Caminho().string(), geometriaNaPasta);
    janela->Inicia();
    if (redimensiona) janela->resize(1280, 800);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    Ativa();
  }
  // Shortcuts need the window in front; offscreen nothing brings it back
  // when a dialog closes, as a desktop does.
  void Ativa() {
    janela->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  }
  QAction* Acao(const char* nome) const { return janela->findChild<QAction*>(QString::fromLatin1(nome)); }
  void Aciona(const char* acao) { Acao(acao)->trigger(); }
  QWidget* Botao(const char* acao) const {
    return janela->findChild<QToolBar*>(QStringLiteral("picMenu"))->widgetForAction(Acao(acao));
  }
  void Clica(const char* nome) { teste::Clica(*janela, QString::fromLatin1(nome)); }
};

}  // namespace cifra::teste
