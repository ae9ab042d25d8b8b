// Entry of the program: `cifralumina analise ...` runs on the command line,
// anything else opens the main window.
#include <QApplication>
#include <QMainWindow>
#include <iostream>
#include <string>
#include <vector>

#include "linha_comando.h"

int main(int argc, char** argv) {
  QCoreApplication::setOrganizationName("Cifralumina");
  QCoreApplication::setApplicationName("Cifralumina");
  if (argc > 1 && std::string(argv[1]) == "analise") {
    QCoreApplication app(argc, argv);
    return cifra::ExecutaAnalise(std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                 std::cerr);
  }
  QApplication app(argc, argv);
  QMainWindow janela;
  janela.setWindowTitle(QStringLiteral("Cifralumina"));
  janela.resize(1024, 720);
  janela.show();
  return app.exec();
}
