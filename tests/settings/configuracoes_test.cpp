// The settings files are byte-exact: a folder written here is read by any
// other build, and a file written by hand in the same layout is read here.
#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "settings/margens.h"
#include "settings/fontes.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

namespace cifra {
namespace {
using teste::LeBytes;
using teste::PastaTemporaria;

std::vector<uint8_t> Campo(const std::vector<uint8_t>& b, size_t de, size_t n) {
  return {b.begin() + de, b.begin() + de + n};
}

TEST(Fontes, PrimeiroUsoByteAByte) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_EQ(LerFontes(pasta), Fontes{});
  const auto b = LeBytes(raiz / "fontes.dat");
  ASSERT_EQ(b.size(), 168u);
  std::string nome(b.begin(), b.begin() + 50);
  EXPECT_EQ(nome, "Courier New" + std::string(39, ' '));
  EXPECT_EQ(Campo(b, 50, 6), (std::vector<uint8_t>{0xFF, 0xFF, 0, 0, 0x0E, 0}));
  EXPECT_EQ(std::string(b.begin() + 56, b.begin() + 61), "Arial");
  EXPECT_EQ(Campo(b, 106, 6), (std::vector<uint8_t>{0, 0, 0xFF, 0xFF, 0x0A, 0}));
  EXPECT_EQ(std::string(b.begin() + 112, b.begin() + 127), "Times New Roman");
  EXPECT_EQ(Campo(b, 162, 6), (std::vector<uint8_t>{0, 0, 0, 0, 0x0C, 0}));
}

TEST(Fontes, NomeLongoCortadoEArquivoCurto) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  Fontes f;
  f.FonteTexto = {std::string(60, 'N'), true, true, 11};
  GravarFontes(pasta, f);
  EXPECT_EQ(LerFontes(pasta).FonteTexto.Nome, std::string(50, 'N'));
  // A file cut inside the second font: the rest reads as zeros.
  auto b = LeBytes(raiz / "fontes.dat");
  b.resize(60);
  teste::EscreveBytes(raiz / "fontes.dat", b);
  const Fontes curta = LerFontes(pasta);
  EXPECT_EQ(curta.FonteTitulo, f.FonteTitulo);
  EXPECT_EQ(curta.FonteDescricao.Nome, "Aria");
  EXPECT_EQ(curta.FonteTexto, (Fonte{"", false, false, 0}));
}

TEST(Opcoes, PrimeiroUsoEIdaEVolta) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const ProgramOptions padrao = CarregarEstadoPrograma(pasta);
  EXPECT_EQ(padrao, ProgramOptions{});
  const auto b = LeBytes(raiz / "cifralumina.dat");
  ASSERT_EQ(b.size(), 168u);
  std::vector<uint8_t> esperado(168, 0);
  auto flag = [&](size_t pos) { esperado[pos] = esperado[pos + 1] = 0xFF; };
  flag(0);                                  // ImprimirDescricao
  flag(4);                                  // ImprimirPretoEmBranco
  for (int t : {1, 23, 25, 26, 27}) flag(16 + 2 * t);
  flag(78);                                 // EscutarSons
  const std::string imagem = "[Nulo]" + std::string(74, ' ');
  std::copy(imagem.begin(), imagem.end(), esperado.begin() + 80);
  esperado[162] = 2;                        // TipoImpressao
  EXPECT_EQ(b, esperado);

  ProgramOptions o;
  o.NumerosMagicos = true;
  o.ConsiderarDiaNascimento = true;
  o.TopicoAtivo.fill(true);
  o.ImagemCabecalho = std::string(80, 'c');
  o.TipoImpressao = 1;
  o.Reservado = {1, 2, 3, 4, 5, 6};
  GravarEstadoPrograma(pasta, o);
  EXPECT_EQ(CarregarEstadoPrograma(pasta), o);
}

TEST(Opcoes, ArquivoEscritoAMaoComValoresEstranhos) {
  PastaTemporaria raiz;
  std::vector<uint8_t> b(100, 0);
  b[0] = 1;                      // any non-zero flag is True
  b[10] = 0xAB;                  // reserved bytes are kept
  teste::EscreveBytes(raiz / "CIFRALUMINA.DAT", b);
  const PastaDeDados pasta(raiz.Caminho());
  const ProgramOptions o = CarregarEstadoPrograma(pasta);
  EXPECT_TRUE(o.ImprimirDescricao);
  EXPECT_FALSE(o.EscutarSons);
  EXPECT_EQ(o.ImagemCabecalho, "[Nulo]");  // nothing stored: the signs
  EXPECT_EQ(o.Reservado[0], 0xAB);
  EXPECT_EQ(o.TipoImpressao, 0);
  GravarEstadoPrograma(pasta, o);
  EXPECT_EQ(LeBytes(raiz / "CIFRALUMINA.DAT")[10], 0xAB);
  EXPECT_FALSE(std::filesystem::exists(raiz / "cifralumina.dat") &&
               !std::filesystem::equivalent(raiz / "cifralumina.dat", raiz / "CIFRALUMINA.DAT"));
}

TEST(Rodape, PadroesPrefixoDeTamanhoECorte) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_EQ(LerLinhasRodape(pasta), LinhasRodape{});
  EXPECT_FALSE(std::filesystem::exists(raiz / "rodape.dat"));
  LinhasRodape l{"Linha longa de rodapé número um", "Dois", "Cabeçalho"};
  GravarLinhasRodape(pasta, l);
  auto b = LeBytes(raiz / "rodape.dat");
  EXPECT_EQ(b.size(), 400u + 2 + 9);
  EXPECT_EQ(b[0], 31);
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[2 + 20], 0xE9);  // "é" in one byte
  // A shorter text over a longer one reads back short: the prefix decides.
  GravarLinhasRodape(pasta, {"Um", "Dois", "Cabeçalho"});
  EXPECT_EQ(LerLinhasRodape(pasta).LinhaRodapeUm, "Um");
  EXPECT_EQ(LeBytes(raiz / "rodape.dat")[2 + 10], 'a');  // old bytes stay behind
  GravarLinhasRodape(pasta, {std::string(250, 'x'), "", ""});
  EXPECT_EQ(LerLinhasRodape(pasta).LinhaRodapeUm, std::string(198, 'x'));
  // A damaged length prefix cannot read past the record.
  b = LeBytes(raiz / "rodape.dat");
  b[0] = 0xFF;
  b[1] = 0x7F;
  teste::EscreveBytes(raiz / "rodape.dat", b);
  EXPECT_EQ(LerLinhasRodape(pasta).LinhaRodapeUm.size(), 198u);
}

TEST(Margens, PadraoEGravacaoDeDezesseisBytes) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_EQ(LerMargens(pasta), Margens{});
  auto b = LeBytes(raiz / "margens.dat");
  ASSERT_EQ(b.size(), 168u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Campo(b, 4 * i, 4), (std::vector<uint8_t>{0, 0, 0x20, 0x41}));
  }
  b[100] = 0x55;
  teste::EscreveBytes(raiz / "margens.dat", b);
  GravarMargens(pasta, {12.5f, 5, 7.25f, 30});
  EXPECT_EQ(LerMargens(pasta), (Margens{12.5f, 5, 7.25f, 30}));
  EXPECT_EQ(LeBytes(raiz / "margens.dat")[100], 0x55);  // bytes after 16 are not touched
}

}  // namespace
}  // namespace cifra
