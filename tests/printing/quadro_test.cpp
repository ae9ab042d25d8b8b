// The numerology chart on the measuring surface: what it shows and that it
// fits its one page.
#include "printing/quadro.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/numerologia.h"
#include "presentation/superficie_teste.h"

namespace cifra {
namespace {

// Maria da Silva, born 12/08/1978; numbers chosen to cover the display forms:
// master numbers, the "no challenge" marker, the first vowel's letter.
Analise AnaliseDeMaria() {
  Analise a;
  a.NomeCompleto = "MARIA DA SILVA";
  a.DataNascimento = "12/08/1978";
  const std::map<int, std::string> numeros = {
      {1, "9"},  {2, "8"},  {3, "3"},  {4, "7"},  {5, "3"},  {6, "1"},  {7, "8"},  {8, "11"},
      {9, "1"},  {10, "3"}, {11, "6"}, {12, "2"}, {13, "5"}, {14, "3"}, {15, "89"}, {16, "4"},
      {17, "8"}, {18, "2"}, {19, "3"}, {20, "7"}, {21, "22"}, {22, "5"}, {23, "2"},  {24, "4"},
      {25, "7"}, {26, "A"}, {27, "1"}, {28, "11"}, {29, "6"}, {30, "0"}};
  for (const auto& [t, n] : numeros) a.ResultadoAnalise[t].Numero = n;
  return a;
}

ProgramOptions TodosOsTopicos() {
  ProgramOptions o;
  o.TopicoAtivo.fill(true);
  return o;
}

struct Quadro {
  ConteudoDaAnalise conteudo;
  GeometriaDaPagina papel = GeometriaDoPapel(210, 297, Margens{});
  teste::SuperficieDeTeste s{210, 297};

  explicit Quadro(const ProgramOptions& o, Fontes fontes = {})
      : conteudo{AnaliseDeMaria(), o, fontes, LinhasRodape{}, Figura::DoRecurso("signo"),
                 Figura()} {
    conteudo.linhas.LinhaRodapeUm = "Rodapé um";
    DesenhaQuadroNumerologico(s, conteudo, papel, Data{6, 12, 2026});
  }

  // The texts drawn on the same row as a label and to its right, in the
  // order drawn: the number, then the detail when there is one.
  std::vector<const teste::Desenhado*> Linha(const std::string& rotulo) const {
    std::vector<const teste::Desenhado*> linha;
    const teste::Desenhado* r = s.Texto(rotulo);
    if (!r) return linha;
    // The cells of a row share a baseline, at 77 % of each one's line height;
    // the row ends where the next column's label begins.
    auto base = [](const teste::Desenhado& t) { return t.y + 0.77 * t.fonte.Tamanho / 2.0; };
    for (const auto& t : s.textos) {
      if (&t != r && t.x > r->x && std::abs(base(t) - base(*r)) < 1e-9) linha.push_back(&t);
    }
    std::sort(linha.begin(), linha.end(), [](auto* a, auto* b) { return a->x < b->x; });
    const auto proximo = std::find_if(linha.begin(), linha.end(),
                                      [&](auto* t) { return t->fonte == r->fonte; });
    linha.erase(proximo, linha.end());
    return linha;
  }
};

// Each topic's number in its display form, once, topic 1 first. 12/08/1978:
// life path 9, so the realizations change at 27, 36 and 45; the cycles change
// in the years near 27 and 57 whose personal year is 1. M A R I A  D A
// S I L V A: vowels 1 9 1, 1, 9 1 (22); consonants 4 9, 4, 1 3 4 (25);
// together 47, the expression before it is reduced.
TEST(QuadroNumerologico, NumerosCiclosRealizacoesENomeLetraPorLetra) {
  const Quadro q(TodosOsTopicos());
  const char* const esperado[] = {
      "9", "8", "3", "7", "3", "1", "8", "11/2", "1", "3", "6", "2", "5", "3", "Não Possui",
      "4", "8", "2", "3", "7", "22/4", "5", "2", "4", "7", "A", "1", "11/2", "6", "0"};
  for (const Topico& t : Catalogo()) {
    const std::string forma = esperado[t.numero - 1];
    const auto linha = q.Linha(std::string(t.nome));
    ASSERT_FALSE(linha.empty()) << t.nome;
    EXPECT_EQ(linha[0]->texto, forma) << t.nome;
    EXPECT_EQ(std::count_if(linha.begin(), linha.end(), [&](auto* d) { return d->texto == forma; }), 1) << t.nome;
    EXPECT_EQ(std::count_if(q.s.textos.begin(), q.s.textos.end(), [&](auto& d) { return d.texto == t.nome; }), 1)
        << t.nome;  // no topic is on the chart twice
  }
  for (const auto& [rotulo, detalhe] : {std::pair{"Primeira Realização", "até os 27 anos"},
                                        {"Quarta Realização", "a partir dos 45 anos"},
                                        {"Ciclo Produtivo", "de 2006 a 2033"}}) {
    const auto linha = q.Linha(rotulo);
    ASSERT_EQ(linha.size(), 2u) << rotulo;
    EXPECT_EQ(linha[1]->texto, detalhe);
  }
  const Fontes fontes;
  const auto* titulo = q.s.Texto("O Nome Letra por Letra");
  ASSERT_TRUE(titulo);
  std::string letras;
  double yLetras = 0;
  for (const auto& t : q.s.textos) {
    if (t.y > titulo->y && t.texto.size() == 1 && std::isupper(t.texto[0])) {
      letras += t.texto;
      yLetras = t.y;
    }
  }
  EXPECT_EQ(letras, "MARIADASILVA");
  int vogais = 0, consoantes = 0;
  for (const auto& t : q.s.textos) {
    if (t.y <= titulo->y || t.fonte.Nome != fontes.FonteDescricao.Nome) continue;
    if (t.texto.empty() || !std::isdigit(t.texto[0])) continue;
    (t.y < yLetras ? vogais : consoantes) += std::stoi(t.texto);
  }
  EXPECT_EQ(vogais, 22);
  EXPECT_EQ(consoantes, 25);
  EXPECT_TRUE(q.s.Texto("Vogais: 22    Consoantes: 25    Total: 47"));
}


TEST(QuadroNumerologico, TopicoDesligadoFicaDeFora) {
  ProgramOptions o = TodosOsTopicos();
  for (int t : {24, 29, 30}) o.TopicoAtivo[t] = false;
  const Quadro q(o);
  EXPECT_FALSE(q.s.Texto("Impulso da Alma"));
  EXPECT_FALSE(q.s.Texto("Números Definidos"));  // no topic of the group left
  EXPECT_TRUE(q.s.Texto("Eu Silencioso"));
  EXPECT_TRUE(q.s.Texto("Números do Nome"));
}

// One page with header and footer and no page number; its body within the
// margins and above the footer, even when the fonts are too large for it:
// those are made smaller together.
TEST(QuadroNumerologico, UmaPaginaSemNumeroQueCabeMesmoComFontesGrandes) {
  Fontes grandes;
  grandes.FonteTitulo.Tamanho = 30;
  grandes.FonteDescricao.Tamanho = 24;
  grandes.FonteTexto.Tamanho = 28;
  for (const Fontes& fontes : {Fontes{}, grandes}) {
    const Quadro q(TodosOsTopicos(), fontes);
    const auto* titulo = q.s.Texto(kTituloDoQuadro);
    ASSERT_TRUE(titulo);
    for (const auto& t : q.s.textos) {
      const bool numeroDePagina = t.fonte.Negrito && t.fonte.Tamanho == 16;
      EXPECT_FALSE(numeroDePagina && fontes == Fontes{}) << "número de página " << t.texto;
      if (t.y < titulo->y || t.y > q.papel.Altura - 10 - 12) continue;  // header and footer
      EXPECT_LE(t.y + t.fonte.Tamanho / 2.0, q.papel.LimiteInferior) << t.texto;
      EXPECT_GE(t.x, 12 - 1e-9) << t.texto;
      EXPECT_LE(t.x + Utf32(t.texto).size() * t.fonte.Tamanho / 10.0, 198 + 1e-9) << t.texto;
    }
  }
  const Quadro q(TodosOsTopicos(), grandes);
  EXPECT_LT(q.s.Texto("Caminho da Vida")->fonte.Tamanho, 28);
}

}  // namespace
}  // namespace cifra
