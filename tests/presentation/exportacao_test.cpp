#include "presentation/exportacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "shell/linha_comando.h"

namespace cifra {
namespace {

// Topics 1, 15, 26 and 30 filled in; the text written out by hand.
TEST(Exportacao, TextoEscritoAMao) {
  Analise a;
  a.ResultadoAnalise[1] = {"Caminho", "Curta", "Texto um.\r\nDois.", "11"};
  a.ResultadoAnalise[15] = {"Adicional", "Descrição longa", "Não aparece.", "89"};
  a.ResultadoAnalise[26] = {"Vogal", "Descrição da vogal", "Texto da vogal.", "A"};
  a.ResultadoAnalise[30] = {"Número B", "", "Texto B.", "7"};
  ProgramOptions o;
  o.TopicoAtivo.fill(false);
  for (int t : {1, 15, 26, 30}) o.TopicoAtivo[t] = true;
  o.ImprimirDescricao = true;
  o.ImprimirNumero = true;
  EXPECT_EQ(TextoDaAnalise(a, o, OrdemPadrao()),
            "Caminho Número 11\r\n\r\nTexto um.\r\nDois.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"
            "Descrição da vogal\r\n\r\nVogal Letra A\r\n\r\nTexto da vogal.\r\n\r\n"
            "-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"
            "Número B Número 7\r\n\r\nTexto B.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
  o.ImprimirDescricao = false;
  o.ImprimirNumero = false;
  o.TopicoAtivo[26] = o.TopicoAtivo[30] = false;
  EXPECT_EQ(TextoDaAnalise(a, o, OrdemPadrao()),
            "Caminho\r\n\r\nTexto um.\r\nDois.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
}

// The HTML flavour keeps the structure a word processor needs.
TEST(Exportacao, HtmlComTitulosDescricoesEParagrafos) {
  Analise a;
  ProgramOptions o;
  o.TopicoAtivo = {};
  o.TopicoAtivo[1] = o.TopicoAtivo[2] = true;
  o.ImprimirNumero = true;
  a.ResultadoAnalise[1] = {"Número do Destino", "Uma descrição <longa>.",
                           "Primeiro parágrafo\r\ncontinua.\r\n\r\nSegundo & último.", "11"};
  a.ResultadoAnalise[2] = {"Título", "abc", "Só isto.", "7"};
  EXPECT_EQ(HtmlDaAnalise(a, o, OrdemPadrao()),
            "<html><head><meta charset=\"utf-8\"></head><body>\n"
            "<p><i>Uma descrição &lt;longa&gt;.</i></p>\n"
            "<p><b>Número do Destino Número 11</b></p>\n"
            "<p>Primeiro parágrafo<br>continua.</p>\n"
            "<p>Segundo &amp; último.</p>\n"
            "<p>-=-=-=-=-=-=-=-=-=-=-</p>\n"
            "<p><b>Título Número 7</b></p>\n"
            "<p>Só isto.</p>\n"
            "<p>-=-=-=-=-=-=-=-=-=-=-</p>\n"
            "</body></html>\n");
  o.TopicoAtivo = {};
  EXPECT_EQ(HtmlDaAnalise(a, o, OrdemPadrao()), "<html><head><meta charset=\"utf-8\"></head><body>\n</body></html>\n");
}

TEST(Exportacao, LinhaDeComandoSegueAOrdemGuardada) {
  teste::PastaTemporaria raiz;
  auto exporta = [&](const char* opcao) {
    std::ostringstream saida, erros;
    EXPECT_EQ(ExecutaAnalise({"Maria da Silva", "12/08/1978", "--hoje", "06/12/2026", "--pasta",
                              raiz.Caminho().string(), opcao, "-"},
                             saida, erros),
              0);
    return saida.str();
  };
  // Where each topic's mark first appears in the output.
  auto posicoes = [](const std::string& saida, std::initializer_list<std::string> marcas) {
    std::vector<size_t> p;
    for (const auto& m : marcas) {
      p.push_back(saida.find(m));
      EXPECT_NE(p.back(), std::string::npos) << m;
    }
    return p;
  };
  // The topics shown by default are 1, 23, 25, 26 and 27: a shuffled order
  // puts 27 first and 1 last; a repeated 27 and an 88 are skipped.
  std::vector<uint8_t> ordem(62, 0);
  const int embaralhada[] = {27, 26, 27, 88, 25, 23};
  int posicao = 1;
  for (int t : embaralhada) ordem[static_cast<size_t>(2 * posicao++)] = static_cast<uint8_t>(t);
  teste::EscreveBytes(raiz / "ordem.dat", ordem);
  const std::string texto = exporta("--texto");
  const auto titulos = posicoes(texto, {"As Características do Seu Nome",
                                        "A Primeira Vogal do Seu Nome", "Seu Eu Silencioso",
                                        "Seu Número da Expressão", "Seu Caminho da Vida"});
  EXPECT_TRUE(std::is_sorted(titulos.begin(), titulos.end())) << texto;
  const std::string json = exporta("--json");
  const auto topicos = posicoes(json, {"\"Topico\": 27,", "\"Topico\": 26,", "\"Topico\": 25,",
                                       "\"Topico\": 23,", "\"Topico\": 1,", "\"Topico\": 2,",
                                       "\"Topico\": 30,"});
  EXPECT_TRUE(std::is_sorted(topicos.begin(), topicos.end()));
}

}  // namespace
}  // namespace cifra
