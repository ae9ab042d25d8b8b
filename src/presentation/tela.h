#pragma once
// The analysis composed for the screen: one recorded picture per page, drawn
// once and shown any number of times, at any zoom, without composing again.
#include <QImage>
#include <QPicture>
#include <string>
#include <vector>

#include "compositor.h"

class QIODevice;
class QScreen;

namespace cifra {

// Page width on screen: 90 % of the screen's width, the screen measured at
// 15 twips per pixel and 56.7 twips per millimetre.
double LarguraDaTelaEmMm(int larguraDaTelaEmPixels);
// The same for the primary screen. Without a real screen (no display, or
// the offscreen platform) a 1920-pixel wide screen is assumed, the most
// common desktop width, so that pages made on the command line are alike
// from one machine to the next.
double LarguraDaTelaEmMm();
inline constexpr int kLarguraDeTelaPadrao = 1920;

struct PaginasDaTela {
  std::vector<QPicture> picFolha;  // page p is picFolha[p - 1]; drawn in mm / 100
  double Largura = 0;              // mm
  double Altura = 297;             // mm
  std::string nmAnalisado;
  std::string dtAnalisada;
};

// Composes every shown topic into screen pages of the given width.
PaginasDaTela ImprimirAnaliseNoMonitor(const ConteudoDaAnalise& conteudo, double largura);

// A page as an image on white, at the given number of pixels per millimetre.
QImage ImagemDaPagina(const PaginasDaTela& paginas, int pagina, double pixelsPorMm);

// Writes a page as a PNG image; false when the device refused the data.
bool GravaPaginaPng(const PaginasDaTela& paginas, int pagina, double pixelsPorMm,
                    QIODevice& destino);

}  // namespace cifra
