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

TEST(Catalogo, NomesERotulos) {
  EXPECT_EQ(NomeDoTopico(0), "[Desconhecido]");
  EXPECT_EQ(NomeDoTopico(31), "[Desconhecido]");
  EXPECT_EQ(TopicoRealDoNome("Eu Silencioso"), 25);
  EXPECT_EQ(TopicoRealDoNome("O Eu Silencioso"), 0);  // the editor label is not a name
  EXPECT_EQ(TopicoRealDoNome("caminho da vida"), 0);
  for (int t = 1; t <= 30; ++t) EXPECT_EQ(TopicoRealDoNome(NomeDoTopico(t)), t);
}

TEST(Interpretacoes, RegistrosDosNumeros) {
  struct Caso { int numero; const char* arquivo; bool mestres; int registro; };
  const Caso casos[] = {{11, "INTEXEXP.DAT", true, 10}, {11, "INTEXEXP.DAT", false, 2},
                        {22, "CVIDA.DAT", true, 11},    {22, "CVIDA.DAT", false, 4},
                        {11, "CDATA.DAT", true, 11},    {11, "cdata.dat", false, 11},
                        {90, "DESVIDA.DAT", true, 90},  {0, "IMPXALMA.DAT", true, 0}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.arquivo) + " " + std::to_string(c.numero));
    EXPECT_EQ(RegistroDoNumero(c.numero, c.arquivo, c.mestres), c.registro);
  }
}

TEST(Interpretacoes, LeituraEGravacao) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_EQ(LeInterpretacao(pasta, 3, "CVIDA.DAT", false), "");  // created empty
  EXPECT_TRUE(std::filesystem::exists(raiz / "CVIDA.DAT"));
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 10, "  Mestre 11.\r\n\r\n");
  EXPECT_EQ(std::filesystem::file_size(raiz / "CVIDA.DAT"), 10u * 5120);
  EXPECT_EQ(LeInterpretacao(pasta, 11, "CVIDA.DAT", true), "Mestre 11.\r\n\r\n");
  EXPECT_EQ(LeInterpretacao(pasta, 11, "CVIDA.DAT", false), "");  // record 2: zeros
  EXPECT_EQ(LeInterpretacao(pasta, 0, "CVIDA.DAT", true), "");
  EXPECT_EQ(LeInterpretacao(pasta, 12, "CVIDA.DAT", true), "");  // past the end
  const std::string longo(6000, 'x');
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 1, longo);
  EXPECT_EQ(LeInterpretacao(pasta, 1, "CVIDA.DAT", true), std::string(5120, 'x'));
  GravarRegistroDeTexto(pasta, "header.dat", 2, "Título com acentuação");
  EXPECT_EQ(std::filesystem::file_size(raiz / "header.dat"), 240u);
  const auto titulos = LerTitulos(pasta);
  EXPECT_EQ(titulos[2], "Título com acentuação");
  EXPECT_EQ(titulos[1], "");
}

TEST(ArquivosDeFormula, GravadoSobreUmMaisLongo) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const ContextoFormula ctx{U"MARIA DA SILVA", {12, 8, 1978}, {6, 12, 2026}, true};
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 0);  // missing file
  EXPECT_FALSE(std::filesystem::exists(raiz / kFormulaA));
  const std::vector<int16_t> longa{8, 101, 5, 101, 3, 101, 4, 101, 7, 103};
  GravarFormula(pasta, kFormulaA, true, longa);
  const std::vector<int16_t> curta{10, 103};
  GravarFormula(pasta, kFormulaA, false, curta);
  const auto codigos = LerFormula(pasta, kFormulaA);
  ASSERT_EQ(codigos.size(), 11u);  // never shortened
  EXPECT_EQ(codigos[0], 202);
  EXPECT_EQ(codigos[2], 103);
  EXPECT_EQ(codigos[3], 5);  // the older tail stays
  EXPECT_EQ(CalculaNumeroDefinido(pasta, kFormulaA, ctx), 3);  // 12 letters -> 3
  const auto bytes = LeBytes(raiz / kFormulaA);
  EXPECT_EQ(bytes[0], 0xCA);  // 202 little-endian
  EXPECT_EQ(bytes[1], 0x00);
}

}  // namespace
}  // namespace cifra

namespace cifra {
namespace {

// The layout breaks paragraphs at CR LF only: every text is brought to CR LF
// where it enters the program.
TEST(QuebrasDeLinha, CrLfEmTodaEntrada) {
  const std::pair<std::string_view, std::string_view> casos[] = {
      {"a\nb", "a\r\nb"},          {"a\rb", "a\r\nb"},        {"a\r\nb", "a\r\nb"},
      {"a\n\nb", "a\r\n\r\nb"},    {"a\r\rb", "a\r\n\r\nb"},  {"a\n\r\nb", "a\r\n\r\nb"},
      {"\r", "\r\n"},              {"sem quebra", "sem quebra"}, {"", ""}};
  for (const auto& [entrada, saida] : casos) EXPECT_EQ(ComQuebrasCrLf(entrada), saida) << entrada;

  // A text source saved with LF or with CR alone.
  for (std::string_view fonte : {"[1]\nUm\nDois\n\n[2]\nTres\n", "[1]\rUm\rDois\r\r[2]\rTres\r"}) {
    const auto r = LeFonteDeTextos(fonte);
    EXPECT_EQ(r.at(1), "Um\r\nDois");
    EXPECT_EQ(r.at(2), "Tres");
  }

  // A data file written by hand, and a text saved from the editor.
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
