#pragma once
// Output files drawn by a writer (a PDF, a page image) are drawn in memory
// first and then written like every other file of the program
// (GravaArquivoInteiro): a full disk or a cut-off run leaves whatever was at
// that path as it was, never half a file.
#include <functional>
#include <string>

class QIODevice;

namespace cifra {

// Calls escreve with a device open for writing in memory and, when it returns
// true, writes what it wrote to caminho with GravaArquivoInteiro. Throws
// ErroDeArquivo naming caminho when the drawing or the write fails; caminho
// is then untouched.
void GravaSaidaInteira(const std::string& caminho,
                       const std::function<bool(QIODevice& destino)>& escreve);

}  // namespace cifra
