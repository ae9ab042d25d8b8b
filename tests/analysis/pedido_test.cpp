#include <gtest/gtest.h>

#include "analysis/pedido.h"

namespace cifra {
namespace {

TEST(DobraNome, MaiusculasSemOsAcentosComuns) {
  const std::pair<const char32_t*, const char32_t*> casos[] = {
      {U"joão da conceição", U"JOAO DA CONCEICAO"},
      {U"àÀâÂãÃéÉêÊíÍîÎïÏóÓôÔõÕúÚûÛüÜçÇ", U"AAAAAAEEEEIIIIIIOOOOOOUUUUUUCC"},
      {U"Hélène d'Ávila-Souza 2", U"HELÈNE D'AVILA-SOUZA 2"},
      {U"Ñúñez", U"ÑUÑEZ"},
  };
  for (const auto& [entrada, saida] : casos) EXPECT_TRUE(DobraNome(entrada) == saida);
}

// Two-digit years fall in the hundred years up to this one.
TEST(CompletaData, FormasAceitasERecusadas) {
  const Data hoje{6, 12, 2026};
  const std::pair<const char*, const char*> aceitas[] = {
      {"12/8/78", "12/08/1978"}, {"1/2/3", "01/02/2003"},     {"5-6-26", "05/06/2026"},
      {"5.6.27", "05/06/1927"},  {"12081978", "12/08/1978"},  {" 29/02/2000 ", "29/02/2000"},
      {"31/12/0999", "31/12/0999"}};
  for (const auto& [entrada, saida] : aceitas) {
    EXPECT_EQ(CompletaData(entrada, hoje).value_or("recusada"), saida) << entrada;
  }
  for (const char* recusada : {"", "12/08", "31/02/1990", "29/02/1900", "00/01/1990", "12/13/1990",
                               "12/08/197", "12/08/1978/1", "1234567", "12/08/19780"}) {
    EXPECT_FALSE(CompletaData(recusada, hoje).has_value()) << recusada;
  }
}

}  // namespace
}  // namespace cifra
