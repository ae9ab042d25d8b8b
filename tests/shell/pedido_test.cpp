#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
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

}  // namespace
}  // namespace cifra
