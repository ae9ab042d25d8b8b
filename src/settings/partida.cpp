#include "partida.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace cifra {
namespace {

// Qt calls the handler as a plain function, so what it reads lives here.
std::atomic<bool> verbosoParaOQt{false};

void TrataMensagemDoQt(QtMsgType tipo, const QMessageLogContext&, const QString& mensagem) {
  if (tipo == QtFatalMsg) {
    // Qt gives up (no display, no platform plugin): the reason is always
    // told, ours first, and the program ends like any failure, not aborted.
    if (mensagem.contains(QLatin1String("platform plugin")) ||
        mensagem.contains(QLatin1String("display"), Qt::CaseInsensitive)) {
      std::fprintf(stderr,
                   "Não foi possível abrir a janela: nenhuma tela gráfica disponível (DISPLAY).\n");
    }
    std::fprintf(stderr, "Qt: %s\n", mensagem.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (verbosoParaOQt) std::fprintf(stderr, "Qt: %s\n", mensagem.toLocal8Bit().constData());
}

}  // namespace

void EncaminhaMensagensDoQt(bool verboso) {
  verbosoParaOQt = verboso;
  qInstallMessageHandler(TrataMensagemDoQt);
}

std::optional<std::string> PastaDosArgumentos(const std::vector<std::string>& argumentos) {
  std::optional<std::string> pasta;
  for (size_t i = 0; i + 1 < argumentos.size(); ++i) {
    if (argumentos[i] == "--pasta" && !argumentos[i + 1].starts_with("--")) pasta = argumentos[++i];
  }
  return pasta;
}

}  // namespace cifra
