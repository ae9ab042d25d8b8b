#pragma once
// What the windows do with "the document in front", whichever report it
// shows (an analysis, a forecast or a compatibility): compose it, build it again when the
// configuration changes, name it, copy it as text.
#include <string>

#include "compositor.h"
#include "documento.h"
#include "engine/data.h"
#include "settings/configuracao.h"

namespace cifra {

// What composing the document draws with this configuration: the
// analysis's content (ConteudoDe), the forecast's (ConteudoDaPrevisao) or
// the compatibility's (ConteudoDaCompatibilidade).
// A header picture that cannot be read draws nothing, and *problema says why.
ConteudoDaAnalise ConteudoDoDocumento(const DocumentoDaAnalise& documento,
                                      const Configuracao& configuracao,
                                      std::string* problema = nullptr);

// The document's report built again for its person with this configuration
// and composed into new screen pages: an analysis for hoje, a forecast for
// the same years, a compatibility for the same two people. Throws ErroDeArquivo like the builders; the document is
// then left as it was.
void RefazDocumento(DocumentoDaAnalise& documento, const Configuracao& configuracao,
                    const Data& hoje, std::string* problema = nullptr);

// The viewer's title, which the Window menu lists: "MARIA DA SILVA –
// 12/08/1978" for an analysis, "MARIA DA SILVA – Previsão 2027–2028" for a
// forecast, "MARIA DA SILVA e JOÃO SOUZA – Compatibilidade" for two people.
std::string TituloDaJanela(const DocumentoDaAnalise& documento);

// The document as the clipboard takes it: plain text (CR LF, as the command
// line's --texto writes it) and the same as HTML for word processors.
std::string TextoDoDocumento(const DocumentoDaAnalise& documento, const Configuracao& configuracao);
std::string HtmlDoDocumento(const DocumentoDaAnalise& documento, const Configuracao& configuracao);

}  // namespace cifra
