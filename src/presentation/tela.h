#pragma once
// The analysis composed for the screen: one recorded picture per page, drawn
// once and shown any number of times, at any zoom, without composing again.
#include <QImage>
#include <QPicture>
#include <string>
#include <vector>

#include "compositor.h"

class QIODevice;

namespace cifra {

// A screen page is an A4 sheet, 210 mm by 297 mm, whatever the monitor: a
// line as long as on paper reads well and the pages look alike everywhere;
// the viewer fits and zooms it to the window.
inline constexpr double kLarguraDaFolhaNaTela = 210;
inline constexpr double kAlturaDaFolhaNaTela = 297;

struct PaginasDaTela {
  std::vector<QPicture> picFolha;  // page p is picFolha[p - 1]; drawn in mm / 100
  double Largura = kLarguraDaFolhaNaTela;  // mm
  double Altura = kAlturaDaFolhaNaTela;    // mm
  std::string nmAnalisado;
  std::string dtAnalisada;
};

// Composes every shown topic into screen pages.
PaginasDaTela ImprimirAnaliseNoMonitor(const ConteudoDaAnalise& conteudo);

// A page as an image on white, at the given number of pixels per millimetre.
QImage ImagemDaPagina(const PaginasDaTela& paginas, int pagina, double pixelsPorMm);

// Writes a page as a PNG image; false when the device refused the data.
bool GravaPaginaPng(const PaginasDaTela& paginas, int pagina, double pixelsPorMm,
                    QIODevice& destino);

}  // namespace cifra
