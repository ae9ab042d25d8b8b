#include "saida_inteira.h"

#include <QBuffer>
#include <QByteArray>

#include "arquivo_registros.h"

namespace cifra {

void GravaSaidaInteira(const std::string& caminho,
                       const std::function<bool(QIODevice& destino)>& escreve) {
  // Qt's file devices buffer their writes and may lose the error of a short
  // write (a size limit): the bytes are gathered here and written by our own
  // checked writes instead.
  QByteArray bytes;
  QBuffer memoria(&bytes);
  memoria.open(QIODevice::WriteOnly);
  if (!escreve(memoria)) {
    throw ErroDeArquivo("Não foi possível gerar o conteúdo do arquivo \"" + caminho + "\".");
  }
  memoria.close();
  GravaArquivoInteiro(caminho, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace cifra
