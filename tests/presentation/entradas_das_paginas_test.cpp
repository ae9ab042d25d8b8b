// Damaged settings reach the pages bounded. A header picture file is
// whatever the operator typed: only a regular, readable picture of sane size
// is drawn; anything else leaves the header without a picture and says why,
// and nothing can block the program.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "presentation/compositor.h"
#include "linha_comando/linha_comando.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;

TEST(ImagemDoCabecalho, SoUmArquivoComumDeTamanhoRazoavel) {
  teste::PastaTemporaria raiz;
  const fs::path fifo = raiz / "fila.png";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::ofstream(raiz / "lixo.png", std::ios::binary) << "isto não é uma imagem";
  {
    std::ofstream grande(raiz / "grande.png", std::ios::binary);
    grande.seekp(kMaiorArquivoDeImagem);  // a hole: big on paper, nothing on disk
    grande.put('\0');
  }
  std::ofstream(raiz / "boa.svg") << "<svg xmlns='http://www.w3.org/2000/svg' width='4' "
                                     "height='4'><rect width='4' height='4' fill='#f00'/></svg>";

  struct Caso { std::string arquivo; bool desenha; const char* motivo; };
  const Caso casos[] = {
      {"fila.png", false, "não é um arquivo comum"},
      {"nao-existe.png", false, "não pôde ser aberta"},
      {"grande.png", false, "grande demais"},
      {"lixo.png", false, "não é uma imagem"},
      {"boa.svg", true, ""},
  };
  for (const Caso& c : casos) {
    ProgramOptions opcoes;
    opcoes.ImagemCabecalho = (raiz / c.arquivo).string();
    std::string problema;
    const Figura f = ImagemDoCabecalho(opcoes, "12/08/1978", FigurasDoPrograma(), &problema);
    EXPECT_EQ(!f.Vazia(), c.desenha) << c.arquivo;
    if (c.desenha) {
      EXPECT_EQ(problema, "") << c.arquivo;
    } else {
      EXPECT_NE(problema.find(c.motivo), std::string::npos) << c.arquivo << ": " << problema;
      EXPECT_NE(problema.find(opcoes.ImagemCabecalho), std::string::npos) << problema;
    }
  }
}

// Margins that leave no page are replaced for the job by the defaults, the
// operator is told, and the file is reported, not rewritten.
TEST(PaginasComEntradasDanificadas, MargensQueNaoDeixamPaginaSaoAvisadas) {
  teste::PastaTemporaria raiz;
  const float margens[4] = {10, std::numeric_limits<float>::infinity(), 10, 150};
  std::vector<uint8_t> registro(168);
  std::memcpy(registro.data(), margens, sizeof margens);
  teste::EscreveBytes(raiz / "margens.dat", registro);
  std::ostringstream saida, erros;
  EXPECT_EQ(ExecutaAnalise({"Maria da Silva", "12/08/1978", "--pasta", raiz.Caminho().string(), "--pdf",
                            (raiz / "a.pdf").string()}, saida, erros), 0);
  EXPECT_NE(erros.str().find("usa as margens padrão"), std::string::npos) << erros.str();
  EXPECT_EQ(teste::LeBytes(raiz / "margens.dat"), registro);
}

}  // namespace
}  // namespace cifra
