#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "shell/clientes.h"
#include "analysis/pedido.h"

namespace cifra {
namespace {

TEST(DobraNome, MaiusculasSemOsAcentosComuns) {
  const std::pair<const char32_t*, const char32_t*> casos[] = {
      {U"joão da conceição", U"JOAO DA CONCEICAO"},
      {U"Müller", U"MULLER"},
      {U"Ñúñez", U"ÑUÑEZ"},
      {U"àÀâÂãÃéÉêÊíÍîÎïÏóÓôÔõÕúÚûÛüÜçÇ", U"AAAAAAEEEEIIIIIIOOOOOOUUUUUUCC"},
      {U"Hélène d'Ávila-Souza 2", U"HELÈNE D'AVILA-SOUZA 2"},
      {U"ärger ëòù ÿ œ", U"ÄRGER ËÒÙ Ÿ Œ"},
      {U"  dois  espaços ", U"  DOIS  ESPACOS "},
  };
  for (const auto& [entrada, saida] : casos) EXPECT_TRUE(DobraNome(entrada) == saida);
}

TEST(AceitaPedido, DataPrimeiroDepoisONomeContadoEmCaracteres) {
  const Data hoje{6, 12, 2026};
  std::string recusa;
  const auto joao = AceitaPedido("joão", "12/8/78", hoje, &recusa);  // four characters
  EXPECT_FALSE(joao);
  EXPECT_EQ(recusa, kMensagemNomeIncompleto);
  EXPECT_FALSE(AceitaPedido("joão", "31/02/1978", hoje, &recusa));
  EXPECT_EQ(recusa, kMensagemDataInvalida);
  const auto ana = AceitaPedido("ana b", "120878", hoje, &recusa);
  ASSERT_TRUE(ana);
  EXPECT_EQ(*ana, (PessoaAnalisada{U"ANA B", {12, 8, 1978}}));
}

TEST(CompletaData, FormasAceitasERecusadas) {
  const Data hoje{6, 12, 2026};
  const std::pair<const char*, const char*> aceitas[] = {
      {"12/8/78", "12/08/1978"},   {"12/08/1978", "12/08/1978"}, {"20/08/78", "20/08/1978"},
      {"1/2/3", "01/02/2003"},     {"5-6-26", "05/06/2026"},     {"5.6.27", "05/06/1927"},
      {"12081978", "12/08/1978"},  {"120878", "12/08/1978"},     {" 29/02/2000 ", "29/02/2000"},
      {"31/12/0999", "31/12/0999"}, {"01/01/00", "01/01/2000"}};
  for (const auto& [entrada, saida] : aceitas) {
    const auto r = CompletaData(entrada, hoje);
    ASSERT_TRUE(r.has_value()) << entrada;
    EXPECT_EQ(*r, saida) << entrada;
  }
  for (const char* recusada : {"", "12", "12/", "12/08", "31/02/1990", "29/02/1900", "00/01/1990",
                               "12/13/1990", "12/08/197", "a1/08/1978", "12/08/1978/1",
                               "12//1978", "1234567", "12/08/19780"}) {
    EXPECT_FALSE(CompletaData(recusada, hoje).has_value()) << recusada;
  }
}

// Written out by hand: each field at its place, each with a value of its own.
TEST(Clientes, RegistroComTodosOsCamposDistintos) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const Cliente c{"Ana", "Rua B", "Recife-PE", "50000-000", "81-3333", "05/03/1990"};
  std::vector<uint8_t> esperado(335, ' ');
  const std::pair<size_t, std::string_view> campos[] = {
      {0, "Ana"}, {100, "Rua B"}, {250, "Recife-PE"}, {300, "50000-000"}, {310, "81-3333"},
      {325, "05/03/1990"}};
  for (const auto& [pos, texto] : campos) std::copy(texto.begin(), texto.end(), esperado.begin() + pos);
  AcrescentarCliente(pasta, c);
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), esperado);
  esperado.resize(337, 0);
  const auto um = esperado;
  esperado.insert(esperado.end(), um.begin(), um.end());
  teste::EscreveBytes(raiz / "caduser.dat", esperado);
  EXPECT_EQ(LerClientes(pasta), (std::vector<Cliente>{c, c}));
}

TEST(Clientes, AcrescentaLeECortaCampos) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_TRUE(LerClientes(pasta).empty());
  EXPECT_FALSE(std::filesystem::exists(raiz / "caduser.dat"));
  const Cliente ana{"Ana Conceição", "Rua das Flores, 10", "Recife - PE", "50000-000",
                    "(81) 3333-4444", "05/03/1990"};
  const Cliente longo{std::string(120, 'N'), "", "", "12345678901", "", "01/01/2000"};
  AcrescentarCliente(pasta, ana);
  AcrescentarCliente(pasta, longo);
  AcrescentarCliente(pasta, ana);  // the same name twice is two clients
  EXPECT_EQ(std::filesystem::file_size(raiz / "caduser.dat"), 3u * 337 - 2);
  const auto lidos = LerClientes(pasta);
  ASSERT_EQ(lidos.size(), 3u);
  EXPECT_EQ(lidos[0], ana);
  EXPECT_EQ(lidos[2], ana);
  EXPECT_EQ(lidos[1].Nome, std::string(100, 'N'));
  EXPECT_EQ(lidos[1].Cep, "1234567890");
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat")[10], 0xE7);  // ç in Windows-1252
  // A file a few bytes short of a record still counts it (nearest whole number).
  auto b = teste::LeBytes(raiz / "caduser.dat");
  b.resize(337 + 200);
  teste::EscreveBytes(raiz / "caduser.dat", b);
  EXPECT_EQ(ContarClientes(pasta), 2);
  EXPECT_EQ(LerClientes(pasta)[1].DataNascimento, "");
}

}  // namespace
}  // namespace cifra
