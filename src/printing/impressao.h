#pragma once
// The print job: an optional cover page, then the analysis composed on the
// paper's usable page with the operator's margins. The same job drives a
// printer and a PDF file.
#include <string>

#include "presentation/compositor.h"

class QPagedPaintDevice;

namespace cifra {

struct OpcoesDaImpressao {
  Margens margens;
  bool folhaRosto = false;     // ImprimirFolhaRosto
  bool pretoEmBranco = false;  // ImprimirPretoEmBranco
};

// The job on pages given one after the other (each of largura x altura mm of
// usable page): the cover when asked, then the analysis with page numbers
// from 1. Returns the number of sheets, the cover included.
int ComporImpressao(Paginador& folhas, const ConteudoDaAnalise& conteudo, double largura,
                    double altura, const OpcoesDaImpressao& opcoes, const Figura& borda,
                    const Figura& capa);

// Prints on a printer or PDF writer that has no painter open yet; its usable
// page is the drawing area. Returns the number of sheets, 0 when the device
// could not be opened. In black and white a printer is set to grey scale;
// on any device the pictures are drawn in grey and the text is black anyway.
int ImprimirNoDispositivo(QPagedPaintDevice& dispositivo, const ConteudoDaAnalise& conteudo,
                          const OpcoesDaImpressao& opcoes);

// The job onto an A4 PDF file at 300 dpi, with no margins of its own (the
// operator's margins are the only ones). Returns the number of sheets, 0
// when the file could not be written.
int GravarPdf(const std::string& caminho, const ConteudoDaAnalise& conteudo,
             const OpcoesDaImpressao& opcoes);

}  // namespace cifra
