// Start-up with settings files that cannot be read, without windows.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio/pasta_temporaria.h"
#include "library/arquivo_registros.h"
#include "settings/configuracao.h"

namespace cifra {
namespace {

// A folder where a settings file should be: it can be neither read nor
// written; the start goes on with first-run values and says so once.
TEST(Inicio, ArquivoIlegivelEhRelatadoEOInicioContinua) {
  for (const std::string arquivo : {"", "ordem.dat", "Header.DAT", "fontes.dat", "cifralumina.dat", "rodape.dat", "margens.dat"}) {
    teste::PastaTemporaria raiz;
    if (!arquivo.empty()) std::filesystem::create_directory(raiz / arquivo);
    ProblemasDoInicio problemas;
    const Configuracao e = CarregarConfiguracao(raiz.Caminho().string(), &problemas);
    if (arquivo.empty()) {  // an empty folder has no problems
      EXPECT_TRUE(problemas.mensagens.empty());
      continue;
    }
    EXPECT_THROW(CarregarConfiguracao(raiz.Caminho().string()), ErroDeArquivo) << arquivo;
    ASSERT_EQ(problemas.mensagens.size(), 1u) << arquivo;
    EXPECT_NE(problemas.mensagens[0].find(arquivo), std::string::npos) << problemas.mensagens[0];
    EXPECT_EQ(problemas.opcoesIlegiveis, arquivo == "cifralumina.dat");
    EXPECT_EQ(e.opcoes, ProgramOptions{});
    EXPECT_EQ(e.titulos[1].empty(), arquivo == "Header.DAT");
    EXPECT_TRUE(std::filesystem::is_directory(raiz / arquivo));
  }
}

// No folder asked for and no home: refused, never guessed at the root.
TEST(Inicio, SemCasaNemPastaPedidaNaoAdivinha) {
  const std::string casa = getenv("HOME") ? getenv("HOME") : "";
  unsetenv("HOME");
  unsetenv("XDG_DATA_HOME");
  unsetenv("CIFRALUMINA_PASTA");
  EXPECT_THROW(EscolhePastaDeDados(std::nullopt), ErroDeArquivo);
  EXPECT_EQ(EscolhePastaDeDados(std::string("/tmp/x")), "/tmp/x");
  setenv("HOME", casa.c_str(), 1);
}

}  // namespace
}  // namespace cifra
