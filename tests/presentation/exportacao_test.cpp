#include "presentation/exportacao.h"

#include <gtest/gtest.h>

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
    ASSERT_EQ(TextoDaAnalise(a, o), esperado) << "rodada " << rodada;
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
  EXPECT_EQ(HtmlDaAnalise(a, o),
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
  EXPECT_EQ(HtmlDaAnalise(a, o), "<html><head><meta charset=\"utf-8\"></head><body>\n</body></html>\n");
}

TEST(Exportacao, LinhaDeComandoNaoAplicaAOrdemGuardada) {
  teste::PastaTemporaria raiz;
  auto exporta = [&](const std::string& destino) {
    std::ostringstream saida, erros;
    EXPECT_EQ(ExecutaAnalise({"Maria da Silva", "12/08/1978", "--hoje", "06/12/2026", "--pasta",
                              raiz.Caminho().string(), "--texto", destino},
                             saida, erros),
              0);
    if (destino == "-") return saida.str();
    const auto bytes = teste::LeBytes(destino);
    return std::string(bytes.begin(), bytes.end());
  };
  const std::string antes = exporta("-");
  EXPECT_TRUE(antes.ends_with("-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"));
  std::vector<uint8_t> ordem(62, 0);  // the topics in reverse
  for (int i = 1; i <= 30; ++i) ordem[static_cast<size_t>(2 * i)] = static_cast<uint8_t>(31 - i);
  teste::EscreveBytes(raiz / "ordem.dat", ordem);
  EXPECT_EQ(exporta((raiz / "analise.txt").string()), antes);
}

}  // namespace
}  // namespace cifra
