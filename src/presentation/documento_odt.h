#pragma once
// A report as an editable document for the word processor (OpenDocument
// text): the same header, blocks and fonts as the pages, but as paragraphs
// and headings the operator can retouch and restyle, not as placed boxes.
#include "compositor.h"

class QIODevice;

namespace cifra {

// Writes the content (the analysis's blocks, or the report's) as ODT: the
// header picture, the header line, the name and the date of birth; then
// for each block its description in the description font, its title as a
// heading in the title font (the navigator of the word processor lists
// them), its text in justified paragraphs in the text font; the inclusion
// square as a three-by-three table. False when the writer fails.
bool GravaOdt(const ConteudoDaAnalise& conteudo, QIODevice& destino);

}  // namespace cifra
