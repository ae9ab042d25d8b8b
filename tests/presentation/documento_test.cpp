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
  return DocumentoDaAnalise(std::move(p), {U"MARIA DA SILVA", {12, 8, 1978}});
}

struct Registro : ObservadorDoDocumento {
  std::vector<std::pair<int, int>> mudancas;
  void PaginaAtualMudou(int anterior, int atual) override { mudancas.emplace_back(anterior, atual); }
};

TEST(Documento, ObservadoresOuvemCadaPaginaRealmenteExibida) {
  auto d = Documento(3);
  Registro a, b;
  d.AdicionaObservador(&a);
  d.AdicionaObservador(&a);  // once is enough
  d.AdicionaObservador(&b);
  EXPECT_EQ(d.PaginaExibida(), 0);
  EXPECT_FALSE(d.Volta());  // nothing before the first page
  EXPECT_TRUE(d.ExibePagina(1));
  EXPECT_FALSE(d.Volta());      // page 1: no previous page
  EXPECT_FALSE(d.ExibePagina(1));  // already shown
  EXPECT_TRUE(d.Avanca());
  EXPECT_TRUE(d.Avanca());
  EXPECT_FALSE(d.Avanca());  // last page
  EXPECT_FALSE(d.ExibePagina(4));
  EXPECT_FALSE(d.ExibePagina(0));
  EXPECT_TRUE(d.ExibePagina(1));
  d.RemoveObservador(&b);
  EXPECT_TRUE(d.ExibePagina(2));
  const std::vector<std::pair<int, int>> esperado = {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {1, 2}};
  EXPECT_EQ(a.mudancas, esperado);
  EXPECT_EQ(b.mudancas.size(), 4u);
  EXPECT_EQ(d.PaginaExibida(), 2);
  EXPECT_EQ(d.TotalDePaginas(), 3);
  EXPECT_EQ(d.Pessoa().Nome, U"MARIA DA SILVA");
}

TEST(Documento, ObservadorPodeSairEnquantoOuve) {
  auto d = Documento(2);
  struct SaiNaPrimeira : Registro {
    DocumentoDaAnalise* doc = nullptr;
    void PaginaAtualMudou(int anterior, int atual) override {
      Registro::PaginaAtualMudou(anterior, atual);
      doc->RemoveObservador(this);
    }
  } sai;
  Registro fica;
  sai.doc = &d;
  d.AdicionaObservador(&sai);
  d.AdicionaObservador(&fica);
  d.ExibePagina(1);
  d.ExibePagina(2);
  EXPECT_EQ(sai.mudancas.size(), 1u);
  EXPECT_EQ(fica.mudancas.size(), 2u);
}

TEST(Documento, CadaPaginaGuardaSuaPosicao) {
  auto d = Documento(3);
  EXPECT_EQ(d.Posicao(2), (PosicaoNaPagina{0, 0}));  // never shown: top-left
  d.GuardaPosicao(1, {3, 120.5});
  d.GuardaPosicao(2, {0, 40});
  d.GuardaPosicao(9, {1, 1});  // no such page: ignored
  EXPECT_EQ(d.Posicao(1), (PosicaoNaPagina{3, 120.5}));
  EXPECT_EQ(d.Posicao(2), (PosicaoNaPagina{0, 40}));
  EXPECT_EQ(d.Posicao(3), (PosicaoNaPagina{0, 0}));
  EXPECT_EQ(d.Posicao(9), (PosicaoNaPagina{0, 0}));
  EXPECT_TRUE(d.Folha(9).Vazia());
}

TEST(Documento, TextoDaBarraDeNavegacao) {
  EXPECT_EQ(TextoDeNavegacao(2, 5), "Navegando: Página 2 de 5");
  EXPECT_EQ(TextoDeNavegacao(12, 12), "Navegando: Página 12 de 12");
}

TEST(Zoom, PassosVizinhos) {
  struct Caso {
    double zoom;
    int passos;
    double esperado;
  };
  const Caso casos[] = {
      {1.0, +1, 1.1},   {1.0, -1, 0.9},   {1.05, +1, 1.1}, {1.05, -1, 1.0}, {0.9677, +1, 1.0},
      {0.9677, -1, 0.9}, {1.0, +3, 1.5},  {5.0, +1, 5.0},  {0.25, -1, 0.25}, {0.3, -1, 0.25},
      {9.0, -1, 5.0}, {4.5, -1, 4.0},   {0.1, +1, 0.25},  {2.0, 0, 2.0},
  };
  for (const Caso& c : casos) {
    EXPECT_NEAR(ZoomVizinho(c.zoom, c.passos), c.esperado, 1e-9) << c.zoom << " " << c.passos;
  }
}

TEST(Zoom, LarguraPreenchidaComMargens) {
  const double ppm = 96 / 25.4;  // a common screen
  // 800 pixels less two margins of 16 over 210 mm.
  EXPECT_NEAR(ZoomQuePreencheLargura(800, ppm, 16), 768 / (210 * ppm), 1e-9);
  EXPECT_DOUBLE_EQ(ZoomQuePreencheLargura(10, ppm, 16), kZoomMinimo);  // tiny window
  EXPECT_DOUBLE_EQ(ZoomQuePreencheLargura(100000, ppm, 16), kZoomMaximo);
}

}  // namespace
}  // namespace cifra
