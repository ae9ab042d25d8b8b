// Symbolic links in the data folder: nothing is deleted or replaced through
// them, nothing is written outside the folder, a link that leads nowhere is
// reported like a file that cannot be read.
#include <gtest/gtest.h>

#include <functional>

#include "apoio/pasta_temporaria.h"
#include "library/arquivo_registros.h"
#include "library/interpretacoes.h"
#include "library/padroes.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "library/clientes.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::PastaTemporaria;

TEST(AtalhosNaPasta, NadaSeApagaNemSeGravaForaDaPasta) {
  const std::vector<uint8_t> deFora = teste::Bytes("arquivo de outra pasta");
  struct Caso {
    const char* arquivo;
    const char* alvo;    // relative to the link; "" is the link itself
    bool alvoExiste;     // a file of deFora is put there first
    std::function<void(const PastaDeDados&)> operacao;
    const char* trecho;  // of the message; nullptr when the operation succeeds
  };
  const char* semAlvo = "atalho (link simbólico) que não leva a nenhum arquivo";
  const char* paraFora = "para fora da sua pasta";
  const Caso casos[] = {
      {"CDATA.DAT", "CDATA.DAT", false, [](const PastaDeDados& p) { GravarRegistroDeTexto(p, "CDATA.DAT", 3, "x"); }, semAlvo},
      {"CVIDA.DAT", "../fora/CVIDA.DAT", false, [](const PastaDeDados& p) { InstalarPadroes(p); }, nullptr},
      {"fontes.dat", "../fora/fontes.dat", false, [](const PastaDeDados& p) { LerFontes(p); }, semAlvo},
      {"margens.dat", "../fora/margens.dat", true, [](const PastaDeDados& p) { GravarMargens(p, Margens{}); }, paraFora},
      {"margens.dat", "../fora/margens.dat", true, [](const PastaDeDados& p) { LerMargens(p); }, nullptr},
      {"caduser.dat", "../fora/caduser.dat", true, [](const PastaDeDados& p) { AcrescentarCliente(p, Cliente{"ANA", "", "", "", "", ""}); }, paraFora},
  };
  for (const Caso& c : casos) {
    PastaTemporaria raiz;
    fs::create_directories(raiz / "dados");
    fs::create_directories(raiz / "fora");
    const fs::path link = raiz / "dados" / c.arquivo;
    fs::create_symlink(c.alvo, link);
    if (c.alvoExiste) teste::EscreveBytes(link.parent_path() / c.alvo, deFora);
    const PastaDeDados pasta(raiz / "dados");
    const std::string rotulo = std::string(c.arquivo) + " -> " + c.alvo;
    if (c.trecho) {
      try {
        c.operacao(pasta);
        ADD_FAILURE() << rotulo << ": accepted";
      } catch (const ErroDeArquivo& e) {
        EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << rotulo << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(link.string()), std::string::npos) << e.what();
      }
    } else {
      EXPECT_NO_THROW(c.operacao(pasta)) << rotulo;
    }
    // The link is still there, as it was, and the other folder holds what it held.
    ASSERT_TRUE(fs::is_symlink(fs::symlink_status(link))) << rotulo;
    EXPECT_EQ(fs::read_symlink(link), c.alvo);
    std::vector<fs::path> fora;
    for (const auto& e : fs::directory_iterator(raiz / "fora")) fora.push_back(e.path());
    EXPECT_EQ(fora.size(), c.alvoExiste ? 1u : 0u) << rotulo;
    if (c.alvoExiste) {
      EXPECT_EQ(teste::LeBytes(fora[0]), deFora) << rotulo;
    }
  }
}

}  // namespace
}  // namespace cifra
