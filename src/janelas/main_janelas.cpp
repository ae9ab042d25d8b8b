// The window program: the main window and everything it opens. The operator
// starts it through `cifralumina`, which hands over to it.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <algorithm>
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
  std::unique_ptr<frmPrincipal> janela;
  try {
    const auto pedida = cifra::PastaDosArgumentos(argumentos);
    const bool pastaNomeada = pedida || !qEnvironmentVariableIsEmpty("CIFRALUMINA_PASTA");
    janela = std::make_unique<frmPrincipal>(cifra::EscolhePastaDeDados(pedida), pastaNomeada);
  } catch (const cifra::ErroDeArquivo& e) {
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(nullptr, QStringLiteral("Erro:"), QString::fromStdString(e.what()));
    return 1;
  }
  janela->Inicia();
  QApplication::restoreOverrideCursor();
  return app.exec();
}
