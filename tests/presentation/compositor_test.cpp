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

  explicit Cenario(std::initializer_list<int> topicos) {
    analise.NomeCompleto = "MARIA DA SILVA";
    analise.DataNascimento = "12/08/1978";
    for (int t = 1; t <= 30; ++t) {
      analise.ResultadoAnalise[t] = {"Titulo " + std::to_string(t), "",
                                     "Texto " + std::to_string(t), "3"};
    }
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

std::string Paragrafos(int n) {  // "L1\r\nL2\r\n...Ln"
  std::string s;
  for (int i = 1; i <= n; ++i) s += (i > 1 ? "\r\n" : "") + ("L" + std::to_string(i));
  return s;
}

TEST(Compositor, AOrdemGuardadaDecideASequenciaDosTopicos) {
  Cenario c({1, 5, 23, 30});
  // 23 first, then 5 (again: skipped), a number outside the catalogue, 1;
  // the rest follows in number order, which brings 30 last.
  c.ordem = {0, 23, 5, 5, 99, 1};
  auto folhas = c.Compoe();
  ASSERT_EQ(folhas.size(), 1u);
  std::vector<std::string> titulos;
  for (const auto& t : folhas.Pagina(1).textos) {
    if (t.texto.starts_with("Titulo ")) titulos.push_back(t.texto);
  }
  EXPECT_EQ(titulos, (std::vector<std::string>{"Titulo 23", "Titulo 5", "Titulo 1", "Titulo 30"}));
}

TEST(Compositor, CabecalhoSoOndeDevidoRodapeENumeroEmTodas) {
  for (bool emTodas : {false, true}) {
    Cenario c({1});
    c.opcoes.ImprimirCabecalho = emTodas;
    c.analise.ResultadoAnalise[1].Interpretacao = Paragrafos(100);
    auto folhas = c.Compoe();
    ASSERT_EQ(folhas.size(), 3u);
    int linhas = 0;
    for (int p = 1; p <= 3; ++p) {
      auto& pg = folhas.Pagina(p);
      EXPECT_EQ(pg.Texto("Cabecalho") != nullptr, p == 1 || emTodas);
      ASSERT_TRUE(pg.Texto("Rodape um") && pg.Texto("Rodape dois") && pg.Texto(std::to_string(p)));
      EXPECT_EQ(pg.Texto("Rodape um")->y, 282);
      EXPECT_EQ(pg.Texto("Rodape dois")->y, 288);
      // The number ends at the right margin and sits on the bottom one (16 pt).
      EXPECT_EQ(pg.Texto(std::to_string(p))->x, 190 - 1.6);
      EXPECT_EQ(pg.Texto(std::to_string(p))->y, 292 - 8);
      EXPECT_EQ(pg.barras.back().y, 280);
      // The text goes on at the top of each new page's body, in its own font.
      const auto* primeira = pg.Texto("L", true);
      if (p > 1) {
        EXPECT_EQ(primeira->y, emTodas ? 32 : 5);
        EXPECT_EQ(primeira->fonte, c.fontes.FonteTexto);
      }
      for (const auto& t : pg.textos) {
        if (t.texto.starts_with("L")) {
          EXPECT_EQ(t.texto, "L" + std::to_string(++linhas));
        }
      }
    }
    EXPECT_EQ(linhas, 100);
  }
  // The header: picture, bar, and three lines centred between 34 and 190.
  auto vazia = Cenario({}).Compoe();
  const auto& p = vazia.Pagina(1);
  ASSERT_EQ(p.figuras.size(), 1u);
  EXPECT_EQ(p.figuras[0].texto, ":/t/signo");
  EXPECT_EQ(p.figuras[0].x, 12);
  EXPECT_EQ(p.barras[0].y, 29);
  EXPECT_EQ(p.Texto("Cabecalho")->y, 7);
  const auto* data = p.Texto("12 de agosto de 1978");
  ASSERT_TRUE(data);
  EXPECT_EQ(data->x, 34 + (156 - 20 * 1.2) / 2);
  EXPECT_EQ(data->y, 7 + 10 + 1 + 7);  // under a 20 pt line + 1 and a 14 pt line
}

TEST(Compositor, DescricaoTopico15ENumeroNoTitulo) {
  struct Caso {
    const char* descricao;
    bool imprimirDescricao, imprimirNumero;
    const char* numero15;
    bool com15;
    const char* titulo1;
  };
  const Caso casos[] = {
      {"123456", true, false, "8", true, "Titulo 1"},
      {"ação!", true, true, "89", false, "Titulo 1 Número 11/2"},  // 5 characters, 7 bytes
      {"123456", false, true, "89", false, "Titulo 1 Número 11/2"},
  };
  for (const Caso& k : casos) {
    Cenario c({1, 15, 26});
    c.opcoes.ImprimirDescricao = k.imprimirDescricao;
    c.opcoes.ImprimirNumero = k.imprimirNumero;
    c.analise.ResultadoAnalise[1].Descricao = k.descricao;
    c.analise.ResultadoAnalise[1].Numero = "11";
    c.analise.ResultadoAnalise[15].Numero = k.numero15;
    c.analise.ResultadoAnalise[26].Numero = "E";
    auto folhas = c.Compoe();
    const auto& p = folhas.Pagina(1);
    const bool comDescricao = p.Texto(k.descricao);
    EXPECT_EQ(comDescricao, std::string(k.descricao) == "123456" && k.imprimirDescricao);
    ASSERT_TRUE(p.Texto(k.titulo1)) << k.titulo1;
    EXPECT_EQ(p.Texto(k.titulo1)->y, comDescricao ? 32 + 5 + 5 : 32);
    EXPECT_EQ(p.Texto("Titulo 15", true) != nullptr, k.com15);
    EXPECT_EQ(p.Texto("Titulo 26 Letra E") != nullptr, k.imprimirNumero);
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
    Cenario c({2, 1});
    c.analise.ResultadoAnalise[1].Interpretacao = Paragrafos(k.n);
    auto folhas = c.Compoe();
    ASSERT_EQ(folhas.size(), 2u);
    EXPECT_EQ(folhas.Pagina(1).Texto("Titulo 1")->y, 32);
    const auto& divisoria = folhas.Pagina(k.paginaDivisoria).figuras[k.paginaDivisoria == 1];
    EXPECT_EQ(divisoria.texto, ":/t/divisoria");
    EXPECT_EQ(divisoria.y, k.yDivisoria) << k.n;
    EXPECT_EQ(divisoria.x, 50);
    EXPECT_EQ(divisoria.largura, 100);
    ASSERT_TRUE(folhas.Pagina(k.paginaTitulo2).Texto("Titulo 2")) << k.n;
    EXPECT_EQ(folhas.Pagina(k.paginaTitulo2).Texto("Titulo 2")->y, k.yTitulo2) << k.n;
    ASSERT_TRUE(folhas.Pagina(2).Texto("Texto 2")) << k.n;
    EXPECT_EQ(folhas.Pagina(2).Texto("Texto 2")->y, k.yTexto2) << k.n;
  }
}

TEST(Compositor, ImagemDoCabecalhoEDataEmPortugues) {
  FigurasDaAnalise figuras;
  for (int n = 1; n <= 12; ++n) figuras.signos[n - 1] = Figura::DoRecurso(std::to_string(n));
  ProgramOptions o;
  o.ImagemCabecalho = "[Nulo]  ";
  EXPECT_EQ(ImagemDoCabecalho(o, "12/08/1978", figuras).Nome(), "4");   // Leo
  EXPECT_EQ(ImagemDoCabecalho(o, "29/02/1984", figuras).Nome(), "10");  // Pisces
  o.ImagemCabecalho = "/nao/existe.jpg ";
  EXPECT_TRUE(ImagemDoCabecalho(o, "12/08/1978", figuras).Vazia());
  EXPECT_EQ(DataPorExtenso("05/03/1980"), "05 de março de 1980");
  EXPECT_EQ(DataPorExtenso("31/02/1980"), "31/02/1980");
}

// The band right of the header picture runs from 10 + 24 = 34 to 190 mm: 156
// mm, that is 111 characters at 14 points and 78 at 20 on the test surface.
TEST(Compositor, CabecalhoENomeLongosCabemNaFaixa) {
  Cenario c({1});
  c.linhas.LinhaCabecalho = std::string(198, 'C');
  c.analise.NomeCompleto = std::string(120, 'N');
  auto folhas = c.Compoe();
  const auto& p = folhas.Pagina(1);
  const auto* cabecalho = p.Texto(c.linhas.LinhaCabecalho);
  const auto* nome = p.Texto(c.analise.NomeCompleto);
  ASSERT_TRUE(cabecalho && nome);
  EXPECT_EQ(cabecalho->fonte.Tamanho, 7);  // 198 characters: 138.6 mm
  EXPECT_EQ(nome->fonte.Tamanho, 13);      // 120 characters: 156 mm, just the band
  EXPECT_DOUBLE_EQ(nome->x, 34);
  EXPECT_NEAR(cabecalho->x, 34 + (156 - 138.6) / 2, 1e-9);
  // The date follows the smaller lines, still above the rule at 5 + 24.
  const auto* data = p.Texto("12 de agosto de 1978");
  ASSERT_TRUE(data);
  EXPECT_EQ(data->fonte.Tamanho, 12);
  EXPECT_DOUBLE_EQ(data->y, 5 + 2 + 3.5 + 1 + 6.5);
  EXPECT_LT(data->y + 6, 5 + 24);
}

}  // namespace
}  // namespace cifra
