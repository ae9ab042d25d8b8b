#include "impressora.h"

#include <QPrinter>

#include "impressao.h"

namespace cifra {

int ImprimirNaImpressora(QPrinter& impressora, const ConteudoDaAnalise& conteudo,
                         const OpcoesDaImpressao& opcoes) {
  impressora.setColorMode(opcoes.pretoEmBranco ? QPrinter::GrayScale : QPrinter::Color);
  return ImprimirNoDispositivo(impressora, conteudo, opcoes);
}

}  // namespace cifra
