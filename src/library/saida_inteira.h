#pragma once
// Output files drawn by a writer (a PDF, a page image) are written aside and
// put in place only once complete: a full disk or a cut-off run leaves
// whatever was at that path as it was, never half a file.
#include <functional>
#include <string>

class QIODevice;

namespace cifra {

// Calls escreve with a device open for writing and puts the result at
// caminho when escreve returns true and every byte was written. A path that
// is already something other than a regular file (a device such as
// /dev/null, /dev/full or /dev/stdout, a pipe) is written in place: it cannot
// be replaced, and must not be. Returns false, leaving caminho untouched, on
// any failure.
bool GravaSaidaInteira(const std::string& caminho,
                       const std::function<bool(QIODevice& destino)>& escreve);

// Whether caminho names something other than a regular file (or nothing).
bool EhArquivoEspecial(const std::string& caminho);

}  // namespace cifra
