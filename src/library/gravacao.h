#pragma once
// Output files (a PDF, a page image, the JSON, the exported text) are written
// aside and put in place only once complete: a full disk or a cut-off run
// leaves whatever was at that path as it was, never half a file.
#include <functional>
#include <string>

class QIODevice;

namespace cifra {

// Calls escreve with a device open for writing and puts the result at
// caminho when escreve returns true and every byte reached the disk. A path
// that is already something other than a regular file (a device such as
// /dev/null or /dev/stdout, a pipe) is written in place, since it cannot be
// replaced. Returns false, leaving caminho untouched, on any failure.
bool GravaArquivoInteiro(const std::string& caminho,
                         const std::function<bool(QIODevice& destino)>& escreve);
// The same with bytes already made.
bool GravaArquivoInteiro(const std::string& caminho, const std::string& conteudo);

// The operator's message for a file that could not be written, saying why
// when the cause can be seen: a folder in the way, a missing folder, a
// folder without permission; otherwise the free space.
std::string MensagemDeFalhaAoGravar(const std::string& caminho);

}  // namespace cifra
