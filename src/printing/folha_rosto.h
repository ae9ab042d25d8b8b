#pragma once
// The cover page of a printed analysis: a border over the whole usable area,
// the cover picture and the words "Análise Numerológica".
#include "presentation/figuras.h"
#include "presentation/superficie.h"
#include "settings/margens.h"

namespace cifra {

// Draws on a surface whose drawing area is the usable page; leaves CurrentY
// at the bottom of the page.
void DesenhaFolhaRosto(SuperficieDeDesenho& superficie, const Margens& margens,
                       const Figura& borda, const Figura& capa);

}  // namespace cifra
