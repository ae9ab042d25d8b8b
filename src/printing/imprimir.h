#pragma once
// What the print dialog decides, without the window: reading a typed margin,
// the check of a margin against the usable page, the small page preview and
// the name offered for a PDF file.
#include <optional>
#include <string>
#include <string_view>

#include "engine/data.h"
#include "presentation/documento.h"
#include "presentation/figuras.h"
#include "presentation/superficie.h"
#include "settings/margens.h"

namespace cifra {

// The number a typed text begins with: leading blanks skipped, an optional
// sign, digits, an optional "." and fraction. No leading number reads as 0
// ("12abc" is 12, "abc" and "" are 0, "-3" is -3, ".5" is 0.5).
double LeNumeroInicial(std::string_view texto);

// A margin in its shortest decimal form: 10 is "10", 12.5 is "12.5".
std::string FormaCurta(float valor);

enum class LadoDaMargem { Superior, Inferior, Esquerda, Direita };

// A margin may take at most a fifth of the usable page: of its width for the
// left and right margins, of its height for the top and bottom ones.
double LimiteDaMargem(LadoDaMargem lado, double larguraUtil, double alturaUtil);

// The message that refuses the typed margin, or nothing when it is accepted
// (a margin equal to the limit is; nothing below the limit is checked). The
// message gives the limit rounded down to whole millimetres.
std::optional<std::string> RecusaDaMargem(LadoDaMargem lado, std::string_view texto,
                                          double larguraUtil, double alturaUtil);

// The margin of one side.
float& MargemDoLado(Margens& margens, LadoDaMargem lado);

// The preview of a page with these margins, on a surface whose drawing area
// stands for the usable page of larguraUtil x alturaUtil mm: page lengths
// are scaled to it, the texts keep their small fixed sizes. The header rule,
// picture and title, the footer rule and line, and the body text justified
// in the box the running text would take.
void DesenhaExemplo(SuperficieDeDesenho& superficie, const Margens& margens, double larguraUtil,
                    double alturaUtil, const Figura& imagem, const std::string& texto);

// A name as a file name can carry it: \ / : * ? " < > | and control
// characters left out.
std::string NomeParaArquivo(std::string_view nome);

// The file name offered when the analysis is saved as a PDF:
// "Analise - MARIA DA SILVA - 2026-12-06.pdf" for the day of the saving.
// Characters that a file name cannot carry are left out of the name.
std::string NomeDoPdf(const std::string& nome, const Data& hoje);

// The name offered when the document in front is saved, without the
// extension: "Analise - MARIA DA SILVA - 2026-12-06" for an analysis (the
// day it was built for), "Previsao - MARIA DA SILVA - 2027-2028" for a
// forecast, "Compatibilidade - MARIA DA SILVA e JOAO SOUZA" for two people.
std::string NomeDoArquivoDoDocumento(const DocumentoDaAnalise& documento);

}  // namespace cifra
