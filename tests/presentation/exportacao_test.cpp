#include "presentation/exportacao.h"

#include <gtest/gtest.h>



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
            "Número B: 7\r\n\r\nTexto B.\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n");
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
            "<p><b>Número do Destino: 11</b></p>\n"
            "<p>Primeiro parágrafo<br>continua.</p>\n"
            "<p>Segundo &amp; último.</p>\n"
            "<p>-=-=-=-=-=-=-=-=-=-=-</p>\n"
            "<p><b>Título Número 7</b></p>\n"
            "<p>Só isto.</p>\n"
            "<p>-=-=-=-=-=-=-=-=-=-=-</p>\n"
            "</body></html>\n");
}

}  // namespace
}  // namespace cifra
