#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "shell/clientes.h"
#include "shell/entrada_dados.h"

namespace cifra {
namespace {

TEST(DobraNome, MaiusculasSemOsAcentosComuns) {
  const std::pair<const char*, const char*> casos[] = {
      {"joão da conceição", "JOAO DA CONCEICAO"},
      {"Müller", "MULLER"},
      {"Ñúñez", "ÑUÑEZ"},
      {"àÀâÂãÃéÉêÊíÍîÎïÏóÓôÔõÕúÚûÛüÜçÇ", "AAAAAAEEEEIIIIIIOOOOOOUUUUUUCC"},
      {"Hélène d'Ávila-Souza 2", "HELÈNE D'AVILA-SOUZA 2"},
      {"ärger ëòù ÿ œ", "ÄRGER ËÒÙ Ÿ Œ"},
      {"  dois  espaços ", "  DOIS  ESPACOS "},
  };
  for (const auto& [entrada, saida] : casos) EXPECT_EQ(DobraNome(entrada), saida) << entrada;
  EXPECT_EQ(ContaCaracteres("ANA B"), 5);
  EXPECT_EQ(ContaCaracteres("JOÃO"), 4);
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

TEST(Clientes, AcrescentaLeECortaCampos) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_TRUE(LerClientes(pasta).empty());
  EXPECT_FALSE(std::filesystem::exists(raiz / "caduser.dat"));
  const Cliente ana{"Ana Conceição", "Rua das Flores, 10", "Recife - PE", "50000-000",
                    "(81) 3333-4444", "05/03/1990"};
  const Cliente longo{std::string(120, 'N'), "", "", "12345678901", "", "01/01/2000"};
  AcrescentaCliente(pasta, ana);
  AcrescentaCliente(pasta, longo);
  AcrescentaCliente(pasta, ana);  // the same name twice is two clients
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
  EXPECT_EQ(ContaClientes(pasta), 2);
  EXPECT_EQ(LerClientes(pasta)[1].DataNascimento, "");
}

}  // namespace
}  // namespace cifra
