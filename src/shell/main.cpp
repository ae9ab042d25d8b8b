// Entry of the program: `cifralumina analise ...` runs on the command line,
// anything else opens the main window.
#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "estado.h"
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
  if (argc > 1 && std::string(argv[1]) == "analise") {
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
  // The window program loads everything as start-up does, so a new data
  // folder gets its settings files and the default library at once.
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  std::optional<cifra::EstadoDoPrograma> estado;
  try {
    estado.emplace(
        cifra::CarregarEstado(cifra::EscolhePastaDeDados(cifra::PastaDosArgumentos(argumentos))));
  } catch (const cifra::ErroDeArquivo& e) {
    QMessageBox::critical(nullptr, QStringLiteral("Erro:"), QString::fromStdString(e.what()));
    return 1;
  }
  QMainWindow janela;
  janela.setWindowTitle(QStringLiteral("Cifralumina"));
  janela.resize(1024, 720);
  janela.show();
  return app.exec();
}
