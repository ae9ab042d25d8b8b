// The window program: the main window and everything it opens. The operator
// starts it through `cifralumina`, which hands over to it.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "estado.h"
#include "frm_principal.h"
#include "library/arquivo_registros.h"
#include "linha_comando.h"

int main(int argc, char** argv) {
  QCoreApplication::setOrganizationName("Cifralumina");
  QCoreApplication::setApplicationName("Cifralumina");
  // Qt's messages go through our handler; --help and --version never open a window.
  if (const auto status = cifra::AtendeAntesDasJanelas(argc, argv, std::cout)) return *status;
  QApplication app(argc, argv);
  // Ties the windows to the menu entry, so the desktop shows its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("cifralumina"));
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  // Start-up: the hourglass while the data folder is loaded (missing files
  // are created), then the main window and what follows it.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::unique_ptr<frmPrincipal> janela;
  try {
    janela = std::make_unique<frmPrincipal>(
        cifra::EscolhePastaDeDados(cifra::PastaDosArgumentos(argumentos)));
  } catch (const cifra::ErroDeArquivo& e) {
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(nullptr, QStringLiteral("Erro:"), QString::fromStdString(e.what()));
    return 1;
  }
  janela->Inicia();
  QApplication::restoreOverrideCursor();
  return app.exec();
}
