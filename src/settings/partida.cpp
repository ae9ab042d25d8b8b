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
  if (verbosoParaOQt) std::fprintf(stderr, "Qt: %s\n", mensagem.toLocal8Bit().constData());
  if (tipo == QtFatalMsg) std::abort();
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
