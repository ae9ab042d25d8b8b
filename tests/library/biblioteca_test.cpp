#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "engine/texto.h"
#include "library/catalogo.h"
#include "library/fonte_textos.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {
using teste::LeBytes;
using teste::PastaTemporaria;

TEST(Interpretacoes, RegistrosDosNumeros) {
  struct Caso { int numero; const char* arquivo; bool mestres; int registro; };
  const Caso casos[] = {{11, "INTEXEXP.DAT", true, 10}, {11, "INTEXEXP.DAT", false, 2},
                        {22, "CVIDA.DAT", true, 11},    {22, "CVIDA.DAT", false, 4},
                        {11, "cdata.dat", false, 11},   {90, "DESVIDA.DAT", true, 90},
                        {0, "IMPXALMA.DAT", true, 0}};
  for (const Caso& c : casos) {
    EXPECT_EQ(RegistroDoNumero(c.numero, c.arquivo, c.mestres), c.registro) << c.arquivo << " " << c.numero;
  }
  EXPECT_EQ(TopicoRealDoNome("Eu Silencioso"), 25);
  EXPECT_EQ(TopicoRealDoNome("O Eu Silencioso"), 0);  // the editor label is not a name
}

// A shorter formula over a longer one: the file is never shortened, and the
// end code keeps the older tail out of the sum.
TEST(ArquivosDeFormula, GravadoSobreUmMaisLongo) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {6, 12, 2026}, true};
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 0);  // missing file
  const std::vector<int16_t> longa{8, 101, 5, 101, 3, 101, 4, 101, 7, 103};
  GravarFormula(pasta, kFormulaA, true, longa);
  const std::vector<int16_t> curta{10, 103};
  GravarFormula(pasta, kFormulaA, false, curta);
  EXPECT_EQ(LeBytes(raiz / kFormulaA),
            (std::vector<uint8_t>{0xCA, 0, 10, 0, 103, 0, 5, 0, 101, 0, 3, 0, 101, 0, 4, 0,
                                  101, 0, 7, 0, 103, 0}));
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 3);  // 12 letters -> 3
}

// The layout breaks paragraphs at CR LF only: every text is brought to CR LF
// where it enters the program.
TEST(QuebrasDeLinha, CrLfEmTodaEntrada) {
  const std::pair<std::string_view, std::string_view> casos[] = {
      {"a\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"a\r\nb", "a\r\nb"}, {"a\r\rb", "a\r\n\r\nb"},
      {"a\n\r\nb", "a\r\n\r\nb"}, {"", ""}};
  for (const auto& [entrada, saida] : casos) EXPECT_EQ(ComQuebrasCrLf(entrada), saida) << entrada;
  EXPECT_EQ(LeFonteDeTextos("[1]\rUm\rDois\r\r[2]\rTres\r").at(1), "Um\r\nDois");
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  teste::EscreveBytes(raiz / "CVIDA.DAT", teste::Bytes("Linha um\nLinha dois\rfim"));
  EXPECT_EQ(LeInterpretacao(pasta, 1, "CVIDA.DAT", false), "Linha um\r\nLinha dois\r\nfim");
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 2, "colado\nde outro programa");
  const auto b = LeBytes(raiz / "CVIDA.DAT");
  EXPECT_EQ(std::string(b.begin() + 5120, b.begin() + 5120 + 25), "colado\r\nde outro programa");
}

}  // namespace
}  // namespace cifra
