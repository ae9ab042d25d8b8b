#pragma once
// The forecast as the pages, the text export and the JSON see it.
#include <string>

#include "analysis/previsao.h"
#include "compositor.h"
#include "settings/configuracao.h"

namespace cifra {

// "Previsão Numerológica 2027–2028"; one year alone: "Previsão Numerológica 2027".
std::string TituloDaPrevisao(const Previsao& previsao);

// The forecast's blocks in order: the descriptions where the options show
// them (six characters or more), each year's opening, numbers and months.
std::vector<BlocoDoRelatorio> BlocosDaPrevisao(const Previsao& previsao, const ProgramOptions& opcoes);

// What composing the forecast draws with this configuration: its blocks,
// its title in the header, the person's name and date below it.
ConteudoDaAnalise ConteudoDaPrevisao(const Previsao& previsao, const Configuracao& configuracao,
                                     std::string* problema = nullptr);

// The blocks as text (CR LF, UTF-8, the separator after each block), as the
// analysis's text export writes its topics.
std::string TextoDoRelatorio(const std::vector<BlocoDoRelatorio>& blocos);

// {"NomeCompleto", "NomeExibido", "DataNascimento", "Anos": [{"Ano",
// "AnoUniversal", "AnoPessoal", "Ciclo", "Realizacao", "Meses": [{"Mes",
// "AnoPessoal", "MesPessoal"} × 12]}]}, each number as the analysis's
// "Numero" holds it on that date.
std::string JsonDaPrevisao(const Previsao& previsao);

}  // namespace cifra
