#pragma once
// The print job on a real printer: the one thing a printer has that a PDF
// writer has not is its colour mode, set here before the pages are drawn.
// Kept apart from the job itself so that the command line, which only
// writes PDF files, does not load the printing support.
class QPrinter;

namespace cifra {

struct ConteudoDaAnalise;
struct OpcoesDaImpressao;

// In black and white the printer is set to grey scale, else to colour; then
// the job is printed as on any device. Returns the number of sheets.
int ImprimirNaImpressora(QPrinter& impressora, const ConteudoDaAnalise& conteudo,
                         const OpcoesDaImpressao& opcoes);

}  // namespace cifra
