// The window program: the main window and everything it opens. The operator
// starts it through `cifralumina`, which hands over to it.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLockFile>
#include <QMessageBox>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "settings/configuracao.h"
#include "frm_principal.h"
#include "library/arquivo_registros.h"
#include "auxiliares.h"
#include "settings/partida.h"

int main(int argc, char** argv) {
  QCoreApplication::setOrganizationName("Cifralumina");
  QCoreApplication::setApplicationName("Cifralumina");
  // The operator starts the windows through `cifralumina`, which answers
  // --help and --version itself and hands the same words over.
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  cifra::EncaminhaMensagensDoQt(std::find(argumentos.begin(), argumentos.end(), "--verbose") !=
                                argumentos.end());
  QApplication app(argc, argv);
  cifra::TraduzOQt();
  // Ties the windows to the menu entry, so the desktop shows its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("cifralumina"));
  // Start-up: the hourglass while the data folder is loaded (missing files
  // are created), then the main window and what follows it.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::unique_ptr<cifra::frmPrincipal> janela;
  std::unique_ptr<QLockFile> trava;
  try {
    const auto pedida = cifra::PastaDosArgumentos(argumentos);
    const bool pastaNomeada = pedida || !qEnvironmentVariableIsEmpty("CIFRALUMINA_PASTA");
    const std::string pasta = cifra::EscolhePastaDeDados(pedida);
    // Two window programs on one folder would each save the options and the
    // window's place over the other's at the end: the second one is refused.
    // A lock left by a program that died is taken over (QLockFile checks
    // whether its process still runs).
    QDir().mkpath(QString::fromStdString(pasta));
    trava = std::make_unique<QLockFile>(QString::fromStdString(pasta) + QStringLiteral("/cifralumina.trava"));
    trava->setStaleLockTime(0);
    if (!trava->tryLock(200) && trava->error() == QLockFile::LockFailedError) {
      QApplication::restoreOverrideCursor();
      std::fputs("O Cifralumina já está aberto com esta pasta.\n", stderr);
      QMessageBox::warning(nullptr, QStringLiteral("Cifralumina"),
                           QStringLiteral("O Cifralumina já está aberto com esta pasta."));
      return 1;
    }
    janela = std::make_unique<cifra::frmPrincipal>(pasta, pastaNomeada);
  } catch (const cifra::ErroDeArquivo& e) {
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(nullptr, QStringLiteral("Erro:"), QString::fromStdString(e.what()));
    return 1;
  }
  janela->Inicia();
  QApplication::restoreOverrideCursor();
  return app.exec();
}
