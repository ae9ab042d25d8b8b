#pragma once
// The analysis as one plain text, for the clipboard and the command line:
// the same topics, descriptions, titles and interpretations as the pages,
// without header, footer or page breaks.
#include <string>

#include "analysis/analise.h"
#include "compositor.h"
#include "engine/data.h"
#include "library/ordem.h"
#include "settings/opcoes.h"

namespace cifra {

// The separator line written after every topic.
inline constexpr const char* kSeparadorDoTexto = "-=-=-=-=-=-=-=-=-=-=-";

// Topics in the operator's order (as far as it is valid, OrdemValida); lines
// end with CR LF; UTF-8. A title carries its number as stored ("11", not the
// "11/2" of the pages).
std::string TextoDaAnalise(const Analise& analise, const ProgramOptions& opcoes,
                          const OrdemDosTopicos& ordem);

// The same text as HTML, for word processors: descriptions in italics,
// titles in bold, each paragraph its own <p>, single line breaks as <br>.
std::string HtmlDaAnalise(const Analise& analise, const ProgramOptions& opcoes,
                          const OrdemDosTopicos& ordem);

// A report's blocks (the forecast's) as HTML, like HtmlDaAnalise: each
// description in italics, each title in bold, the text in paragraphs, the
// separator after each block.
std::string HtmlDoRelatorio(const std::vector<BlocoDoRelatorio>& blocos);

// The analysis as UTF-8 JSON, for scripts: "NomeCompleto" (folded, as the
// numbers see it), "NomeExibido" (as typed, upper case), "DataNascimento",
// "Hoje" and "Topicos", all thirty in the operator's order (as far as it is
// valid), shown or not, each with "Topico", "Nome", "Numero", "Titulo",
// "Descricao" and "Interpretacao".
std::string JsonDaAnalise(const Analise& analise, const Data& hoje, const OrdemDosTopicos& ordem);

}  // namespace cifra
