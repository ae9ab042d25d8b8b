#include "presentation/compositor.h"

#include <gtest/gtest.h>

#include "superficie_teste.h"

namespace cifra {
namespace {

// Screen page 200 mm wide: margins 10, 5, 10, 5; text from 12 to 188 down to
// 272. Test metrics: titles (14 pt) 7 mm a line, texts (12 pt) 6 mm,
// descriptions (10 pt) 5 mm. The first page's body starts at 5 + 27 = 32.
struct Cenario {
  Analise analise;
  ProgramOptions opcoes;
  Fontes fontes;
  LinhasRodape linhas{"Rodape um", "Rodape dois", "Cabecalho"};
  OrdemDosTopicos ordem = OrdemPadrao();

  explicit Cenario(std::initializer_list<int> topicos, int paragrafosNo1 = 1) {
    analise.NomeCompleto = "MARIA DA SILVA";
    analise.DataNascimento = "12/08/1978";
    for (int t = 1; t <= 30; ++t) {
      analise.ResultadoAnalise[t] = {"Titulo " + std::to_string(t), "", "Texto " + std::to_string(t), "3"};
    }
    std::string& texto = analise.ResultadoAnalise[1].Interpretacao;  // "L1\r\nL2\r\n...Ln"
    texto = "L1";
    for (int i = 2; i <= paragrafosNo1; ++i) texto += "\r\nL" + std::to_string(i);
    opcoes.TopicoAtivo.fill(false);
    for (int t : topicos) opcoes.TopicoAtivo[static_cast<size_t>(t)] = true;
    opcoes.ImprimirDescricao = false;
  }
  teste::FolhasDeTeste Compoe() {
    const ConteudoDaAnalise c{analise, opcoes, fontes, linhas, Figura::DoRecurso(":/t/signo"),
                              Figura::DoRecurso(":/t/divisoria"), ordem};
    teste::FolhasDeTeste folhas(200, 297);
    const int total = ComporAnalise(c, GeometriaDaTela(200), folhas);
    EXPECT_EQ(total, static_cast<int>(folhas.size()));
    return folhas;
  }
};

// The stored order as far as it is valid: 23 first, then 5 (again: skipped),
// numbers outside the catalogue, 1; the rest follows in number order, which
// brings 30 last.
TEST(Compositor, AOrdemGuardadaDecideASequenciaDosTopicos) {
  Cenario c({1, 5, 23, 30});
  c.ordem = {0, 23, 5, 5, 99, -1, 1};
  auto folhas = c.Compoe();
  std::vector<std::string> titulos;
  for (const auto& t : folhas.Pagina(1).textos) {
    if (t.texto.starts_with("Titulo ")) titulos.push_back(t.texto);
  }
  EXPECT_EQ(titulos, (std::vector<std::string>{"Titulo 23", "Titulo 5", "Titulo 1", "Titulo 30"}));
}

// The header on the first page only (or on all), footer and page number on
// all; the text goes on at the top of each new page's body, nothing lost.
TEST(Compositor, CabecalhoSoOndeDevidoRodapeENumeroEmTodas) {
  for (bool emTodas : {false, true}) {
    Cenario c({1}, 100);
    c.opcoes.ImprimirCabecalho = emTodas;
    auto folhas = c.Compoe();
    ASSERT_EQ(folhas.size(), 3u);
    int linhas = 0;
    for (int p = 1; p <= 3; ++p) {
      auto& pg = folhas.Pagina(p);
      EXPECT_EQ(pg.Texto("Cabecalho") != nullptr, p == 1 || emTodas);
      ASSERT_TRUE(pg.Texto("Rodape dois") && pg.Texto(std::to_string(p)));
      EXPECT_EQ(pg.Texto("Rodape dois")->y, 288);
      EXPECT_EQ(pg.Texto(std::to_string(p))->x, 190 - 1.6);  // ends at the right margin (16 pt)
      if (p > 1) {
        EXPECT_EQ(pg.Texto("L", true)->y, emTodas ? 32 : 5);
      }
      for (const auto& t : pg.textos) {
        if (t.texto.starts_with("L")) {
          EXPECT_EQ(t.texto, "L" + std::to_string(++linhas));
        }
      }
    }
    EXPECT_EQ(linhas, 100);
  }
}

// Topic 1 with n one-line paragraphs: title at 32, text from 44, the last
// line at 44 + 6 (n - 1); the separator 11 below it, the next title 8 further.
TEST(Compositor, QuebrasDeTituloEDivisoriaPertoDoLimite) {
  struct Caso {
    int n;
    int paginaDivisoria, paginaTitulo2;
    double yDivisoria, yTitulo2, yTexto2;  // Texto 2 is always on page 2
  };
  const Caso casos[] = {
      {34, 1, 1, 253, 261, 5},  // title fits (261 + 7 <= 272), its text does not
      {35, 1, 2, 259, 5, 17},   // title at 267 would pass 272
      {36, 1, 2, 265, 5, 17},   // separator still fits: 265 + 5 <= 272
      {37, 2, 2, 5, 13, 25},    // separator at 271 would leave less than 5 mm
  };
  for (const Caso& k : casos) {
    Cenario c({2, 1}, k.n);
    auto folhas = c.Compoe();
    ASSERT_EQ(folhas.size(), 2u);
    const auto& divisoria = folhas.Pagina(k.paginaDivisoria).figuras[k.paginaDivisoria == 1];
    EXPECT_EQ(divisoria.texto, ":/t/divisoria");
    EXPECT_EQ(divisoria.y, k.yDivisoria) << k.n;
    ASSERT_TRUE(folhas.Pagina(k.paginaTitulo2).Texto("Titulo 2")) << k.n;
    EXPECT_EQ(folhas.Pagina(k.paginaTitulo2).Texto("Titulo 2")->y, k.yTitulo2) << k.n;
    ASSERT_TRUE(folhas.Pagina(2).Texto("Texto 2")) << k.n;
    EXPECT_EQ(folhas.Pagina(2).Texto("Texto 2")->y, k.yTexto2) << k.n;
  }
}

// The band right of the header picture runs from 10 + 24 = 34 to 190 mm: 156
// mm, that is 111 characters at 14 points and 78 at 20 on the test surface.
// Longer lines are set smaller until they fit; the date stays above the rule.
TEST(Compositor, CabecalhoENomeLongosCabemNaFaixa) {
  Cenario c({1});
  c.linhas.LinhaCabecalho = std::string(198, 'C');
  c.analise.NomeCompleto = std::string(120, 'N');
  auto folhas = c.Compoe();
  const auto& p = folhas.Pagina(1);
  const auto* cabecalho = p.Texto(c.linhas.LinhaCabecalho);
  const auto* nome = p.Texto(c.analise.NomeCompleto);
  const auto* data = p.Texto("12 de agosto de 1978");
  ASSERT_TRUE(cabecalho && nome && data);
  EXPECT_EQ(cabecalho->fonte.Tamanho, 7);  // 198 characters: 138.6 mm
  EXPECT_EQ(nome->fonte.Tamanho, 13);      // 120 characters: 156 mm, just the band
  EXPECT_DOUBLE_EQ(nome->x, 34);
  EXPECT_LT(data->y + 6, 5 + 24);
  EXPECT_EQ(p.figuras[0].texto, ":/t/signo");
}

}  // namespace
}  // namespace cifra
