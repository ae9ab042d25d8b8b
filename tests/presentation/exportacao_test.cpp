#include "presentation/exportacao.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(TextoDaAnalise(a, o),
            "Caminho Número 11\r\n\r\nTexto um.\r\nDois.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"
            "Descrição da vogal\r\n\r\nVogal Letra A\r\n\r\nTexto da vogal.\r\n\r\n"
            "-=-=-=-=-=-=-=-=-=-=-\r\n\r\n"
            "Número B Número 7\r\n\r\nTexto B.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
  o.ImprimirDescricao = false;
  o.ImprimirNumero = false;
  o.TopicoAtivo[26] = o.TopicoAtivo[30] = false;
  EXPECT_EQ(TextoDaAnalise(a, o),
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
