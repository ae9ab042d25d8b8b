#pragma once
// The compatibility and the name harmonisation as pages, text and JSON.
#include <string>
#include <vector>

#include "analysis/compatibilidade.h"
#include "compositor.h"
#include "settings/configuracao.h"

namespace cifra {

inline constexpr const char* kTituloDaCompatibilidade = "Compatibilidade Numerológica";

// Its blocks (descriptions where the options show them) and what composing
// it draws: the title in the header, the two names and dates below it.
std::vector<BlocoDoRelatorio> BlocosDaCompatibilidade(const Compatibilidade& c, const ProgramOptions& opcoes);
ConteudoDaAnalise ConteudoDaCompatibilidade(const Compatibilidade& c, const Configuracao& configuracao,
                                            std::string* problema = nullptr);

// {"Pessoas": [{"NomeCompleto", "DataNascimento", "CaminhoDaVida", "Expressao",
// "ImpulsoDaAlma", "EuSilencioso"} × 2], "Aspectos": [{"Aspecto", "Numeros": [2],
// "Harmonia"} × 4]}.
std::string JsonDaCompatibilidade(const Compatibilidade& c);

// The harmonisation's rows in the order of the table: best harmony first,
// then as typed.
std::vector<NomeAvaliado> OrdenaPelaHarmonia(std::vector<NomeAvaliado> nomes);
// [{"Nome" (as typed), "NomeCompleto", "DataNascimento", "CaminhoDaVida", "Expressao",
// "ImpulsoDaAlma", "EuSilencioso", "Harmonia", "DividasCarmicas": [{"Numero", "Origem"}],
// "LicoesCarmicas": [...]}, ...]
std::string JsonDosNomes(const std::vector<NomeAvaliado>& nomes);

}  // namespace cifra
