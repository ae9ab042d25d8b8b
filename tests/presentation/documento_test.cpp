// The analysis on screen without windows: the page shown, its observers,
// each page's scroll position, and the zoom steps of the page view.
#include "presentation/documento.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace cifra {
namespace {

DocumentoDaAnalise Documento(int paginas) {
  PaginasDaTela p;
  p.picFolha.resize(static_cast<size_t>(paginas));
  return DocumentoDaAnalise({U"MARIA DA SILVA", {12, 8, 1978}}, Analise{}, std::move(p));
}

// An observer may leave while it hears a change (a viewer closing as its
// page turns); the others still hear it, and a page already shown is not
// announced again.
TEST(Documento, ObservadorPodeSairEnquantoOuve) {
  auto d = Documento(3);
  struct Registro : ObservadorDoDocumento {
    std::vector<std::pair<int, int>> mudancas;
    DocumentoDaAnalise* sai = nullptr;
    void PaginaAtualMudou(int anterior, int atual) override {
      mudancas.emplace_back(anterior, atual);
      if (sai) sai->RemoveObservador(this);
    }
  } fica, sai;
  sai.sai = &d;
  d.AdicionaObservador(&sai);
  d.AdicionaObservador(&fica);
  d.AdicionaObservador(&fica);  // once is enough
  EXPECT_TRUE(d.ExibePagina(1));
  EXPECT_FALSE(d.ExibePagina(1));
  EXPECT_TRUE(d.Avanca());
  EXPECT_EQ(fica.mudancas, (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}}));
  EXPECT_EQ(sai.mudancas.size(), 1u);
}

// The steps round to the zoom table and stop at its ends; fitting the width
// never goes past them either.
TEST(Zoom, PassosVizinhosEOsLimites) {
  EXPECT_NEAR(ZoomVizinho(1.05, -1), 1.0, 1e-9);
  EXPECT_NEAR(ZoomVizinho(5.0, +1), 5.0, 1e-9);
  EXPECT_NEAR(ZoomVizinho(0.1, +1), 0.25, 1e-9);
  const double ppm = 96 / 25.4;  // a common screen: 800 pixels less two margins of 16 over 210 mm
  EXPECT_NEAR(ZoomQuePreencheLargura(800, ppm, 16), 768 / (210 * ppm), 1e-9);
  EXPECT_DOUBLE_EQ(ZoomQuePreencheLargura(10, ppm, 16), kZoomMinimo);
  EXPECT_DOUBLE_EQ(ZoomQuePreencheLargura(100000, ppm, 16), kZoomMaximo);
}

}  // namespace
}  // namespace cifra
