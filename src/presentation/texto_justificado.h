#pragma once
// Justified text: the one place where a text is broken into lines.
#include <string>

#include "superficie.h"

namespace cifra {

// Sets Texto (UTF-8; paragraphs end with CR LF; the space is the only word
// separator) as justified lines from X to XDireito, the first line's top at
// Y, in the surface's current font. Lines are drawn while they fit: the line
// whose bottom passes YLimite is still drawn, and then the call stops.
// Returns true when the whole text was drawn; false when it stopped at the
// limit, and then Texto holds what is left, ready for the next page.
// Afterwards CurrentY is the top of the last line drawn.
//
// The last line of a paragraph or of the text is flush left; every other line
// is stretched so that it ends at XDireito, its spaces widened equally. A line
// with no space inside to stretch is set flush left, and a word wider than the
// whole line is cut at the width, character by character.
bool ImprimirTextoJustificado(SuperficieDeDesenho& superficie, double Y, double X,
                              double XDireito, double YLimite, std::string& Texto);

}  // namespace cifra
