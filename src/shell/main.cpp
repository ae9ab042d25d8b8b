// Entry of the program: `cifralumina analise ...` runs on the command line,
// anything else opens the main window.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <malloc.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "estado.h"
#include "frm_principal.h"
#include "library/arquivo_registros.h"
#include "linha_comando.h"

namespace {

// Pages are drawn with fonts, which need the graphics platform; without a
// display the command line draws offscreen.
void PreparaPlataformaSemTela() {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setOrganizationName("Cifralumina");
  QCoreApplication::setApplicationName("Cifralumina");
  // --help and --version never open a window; Qt's messages go through our handler.
  if (const auto status = cifra::AtendeAntesDasJanelas(argc, argv, std::cout)) return *status;
  if (argc > 1 && std::string(argv[1]) == "analise") {
    // A short run: a PDF's pages are built in buffers of a few hundred
    // kilobytes, which the allocator would map and hand back page after
    // page, each time paying to fault the memory in anew. Kept instead
    // until the run ends (some 8 % of the run's processor time).
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    const std::vector<std::string> argumentos(argv + 2, argv + argc);
    std::unique_ptr<QCoreApplication> app;
    if (cifra::PedeGraficos(argumentos)) {
      PreparaPlataformaSemTela();
      app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
      app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return cifra::ExecutaAnalise(argumentos, std::cout, std::cerr);
  }
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
