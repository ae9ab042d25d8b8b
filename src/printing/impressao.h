#pragma once
// The print job: an optional cover page, the numerology chart and/or the
// analysis composed on the paper's usable page with the operator's margins.
// The same job drives a printer, a PDF file and the print preview.
#include <cstdint>
#include <string>

#include "engine/data.h"
#include "presentation/compositor.h"

class QPagedPaintDevice;

namespace cifra {

// What the job prints (the value kept in TipoImpressao).
enum class TipoDeImpressao : int16_t { Quadro = 0, Analise = 1, Ambos = 2 };

struct OpcoesDaImpressao {
  Margens margens;
  bool folhaRosto = false;     // ImprimirFolhaRosto
  bool pretoEmBranco = false;  // ImprimirPretoEmBranco
  TipoDeImpressao tipo = TipoDeImpressao::Ambos;
  Data hoje{};  // the day of the chart's numbers of today; an invalid one means the clock's
};

// TipoImpressao as stored; a value out of range prints both.
TipoDeImpressao TipoDaOpcao(int16_t tipoImpressao);

// "Análise Numerológica - " and the person's name (a report other than the
// analysis: its own title, "Previsão Numerológica 2027–2028 - " and the
// name): the document's name in the printer's queue and the title of a PDF.
std::string TituloDoDocumento(const ConteudoDaAnalise& conteudo);

// The job on pages given one after the other (each of largura x altura mm of
// usable page): the cover when asked, then the chart (unless only the
// analysis is asked for), then the analysis (unless only the chart is) with
// page numbers from 1. Returns the number of sheets, the cover included.
int ComporImpressao(Paginador& folhas, const ConteudoDaAnalise& conteudo, double largura,
                    double altura, const OpcoesDaImpressao& opcoes, const Figura& borda,
                    const Figura& capa);

// Prints on a printer or PDF writer that has no painter open yet; its usable
// page is the drawing area. Returns the number of sheets, 0 when the device
// could not be opened. In black and white the pictures are drawn in grey
// (the text is black anyway); a printer's own colour mode is set by
// ImprimirNaImpressora.
int ImprimirNoDispositivo(QPagedPaintDevice& dispositivo, const ConteudoDaAnalise& conteudo,
                          const OpcoesDaImpressao& opcoes);

// An A4 sheet, in millimetres: the PDF's page.
inline constexpr double kLarguraA4 = 210;
inline constexpr double kAlturaA4 = 297;

// The job onto an A4 PDF file at 300 dpi, with no margins of its own (the
// operator's margins are the only ones), titled with TituloDoDocumento. The
// file is written aside and replaces an existing one only once complete.
// Returns the number of sheets, 0 when the file could not be written (an
// existing file is then left as it was, and falha, when given, says why).
int GravarPdf(const std::string& caminho, const ConteudoDaAnalise& conteudo,
              const OpcoesDaImpressao& opcoes, std::string* falha = nullptr);

}  // namespace cifra
