#include "presentation/exportacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "shell/linha_comando.h"

namespace cifra {
namespace {

// The rules written out topic by topic, against random analyses and options.
TEST(Exportacao, AleatoriaSegueAsRegras) {
  std::mt19937 sorteio(1978);
  auto de = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(sorteio); };
  const char* descricoes[] = {"", "abc", "ação!", "seis c", "Uma descrição."};
  for (int rodada = 0; rodada < 300; ++rodada) {
    Analise a;
    ProgramOptions o;
    o.ImprimirDescricao = de(0, 1);
    o.ImprimirNumero = de(0, 1);
    std::string esperado;
    for (int t = 1; t <= 30; ++t) {
      o.TopicoAtivo[t] = de(0, 1);
      auto& l = a.ResultadoAnalise[t];
      l = {"Título " + std::to_string(t), descricoes[de(0, 4)], "Texto\r\n" + std::to_string(t),
           t == 26 ? "E" : std::to_string(de(80, 99))};
      if (!o.TopicoAtivo[t] || (t == 15 && l.Numero == "89")) continue;
      if (o.ImprimirDescricao && l.Descricao.size() >= 6 && l.Descricao != "ação!") {
        esperado += l.Descricao + "\r\n\r\n";
      }
      esperado += l.Titulo;
      if (o.ImprimirNumero) esperado += (t == 26 ? " Letra " : " Número ") + l.Numero;
      esperado += "\r\n\r\n" + l.Interpretacao + "\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n";
    }
    ASSERT_EQ(TextoDaAnalise(a, o, OrdemPadrao()), esperado) << "rodada " << rodada;
  }
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
