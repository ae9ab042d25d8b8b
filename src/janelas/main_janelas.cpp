// The window program: the main window and everything it opens. The operator
// starts it through `cifralumina`, which hands over to it.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLockFile>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

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

namespace {

// SIGTERM and SIGHUP (a shutdown, a closed terminal, a dead X server) end
// the program as the menu does. A signal handler may do almost nothing, so
// it only writes the signal into a pipe, which the event loop watches.
int tuboDeSinais[2] = {-1, -1};

void AoReceberSinal(int sinal) {
  const char byte = static_cast<char>(sinal);
  [[maybe_unused]] const auto escrito = ::write(tuboDeSinais[1], &byte, 1);
}

bool InstalaTratamentoDeSinais() {
  if (::pipe2(tuboDeSinais, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction acao {};
  acao.sa_handler = AoReceberSinal;
  sigemptyset(&acao.sa_mask);
  acao.sa_flags = SA_RESTART;
  return ::sigaction(SIGTERM, &acao, nullptr) == 0 && ::sigaction(SIGHUP, &acao, nullptr) == 0;
}

}  // namespace

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
  // Before anything is taken (the folder's lock): a signal that comes
  // during start-up waits in the pipe for the window.
  const bool sinaisTratados = InstalaTratamentoDeSinais();
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
  std::unique_ptr<QSocketNotifier> sinais;
  if (sinaisTratados) {
    sinais = std::make_unique<QSocketNotifier>(tuboDeSinais[0], QSocketNotifier::Read);
    QObject::connect(sinais.get(), &QSocketNotifier::activated, janela.get(), [&janela] {
      char byte = 0;
      while (::read(tuboDeSinais[0], &byte, 1) > 0) {
      }
      janela->EncerraPeloSistema();
    });
  }
  // A logout: the session manager may kill the program once this returns.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, janela.get(),
                   [&janela](QSessionManager&) { janela->GuardaParaOFimDaSessao(); });
  janela->Inicia();
  QApplication::restoreOverrideCursor();
  return app.exec();
}
