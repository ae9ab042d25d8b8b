// Damaged settings reach the pages bounded: fonts of no name or absurd size,
// margins that leave no page, and a header picture file that is whatever the
// operator typed (only a regular, readable picture of sane size is drawn,
// anything else leaves the header without a picture and says why, and
// nothing can block the program).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "presentation/compositor.h"
#include "shell/linha_comando.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;

TEST(ImagemDoCabecalho, SoUmArquivoComumDeTamanhoRazoavel) {
  teste::PastaTemporaria raiz;
  const fs::path fifo = raiz / "fila.png";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(raiz / "pasta.png");
  std::ofstream(raiz / "lixo.png", std::ios::binary) << "isto não é uma imagem";
  {
    std::ofstream grande(raiz / "grande.png", std::ios::binary);
    grande.seekp(kMaiorArquivoDeImagem);  // a hole: big on paper, nothing on disk
    grande.put('\0');
  }
  QImage imagem(8, 4, QImage::Format_RGB32);
  imagem.fill(Qt::red);
  ASSERT_TRUE(imagem.save(QString::fromStdString((raiz / "boa.png").string())));
  std::ofstream(raiz / "boa.svg") << "<svg xmlns='http://www.w3.org/2000/svg' width='4' "
                                     "height='4'><rect width='4' height='4' fill='#f00'/></svg>";

  struct Caso { std::string arquivo; bool desenha; const char* motivo; };
  const Caso casos[] = {
      {"fila.png", false, "não é um arquivo comum"},
      {"pasta.png", false, "não é um arquivo comum"},
      {"nao-existe.png", false, "não pôde ser aberta"},
      {"grande.png", false, "grande demais"},
      {"lixo.png", false, "não é uma imagem"},
      {"boa.png", true, ""},
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

struct Execucao {
  int status;
  std::string erros;
};

Execucao Executa(const std::string& pasta, std::vector<std::string> opcoes) {
  std::vector<std::string> args = {"Maria da Silva", "12/08/1978", "--hoje", "06/12/2026",
                                   "--pasta", pasta};
  args.insert(args.end(), opcoes.begin(), opcoes.end());
  std::ostringstream saida, erros;
  const int status = ExecutaAnalise(args, saida, erros);
  return {status, erros.str()};
}

int Arquivos(const fs::path& pasta) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(pasta)) ++n;
  return n;
}

std::vector<uint8_t> RegistroDeFontes(const std::string& nome, int16_t tamanho) {
  std::vector<uint8_t> r;
  for (int f = 0; f < 3; ++f) {
    std::string campo = nome;
    campo.resize(50, ' ');
    r.insert(r.end(), campo.begin(), campo.end());
    r.insert(r.end(), {0, 0, 0, 0, static_cast<uint8_t>(tamanho & 0xFF),
                       static_cast<uint8_t>((tamanho >> 8) & 0xFF)});
  }
  return r;
}

TEST(PaginasComEntradasDanificadas, FontesSemNomeOuDeTamanhoAbsurdo) {
  teste::PastaTemporaria raiz;
  const std::string pasta = (raiz / "dados").string();
  ASSERT_EQ(Executa(pasta, {"--png", (raiz / "normal").string()}).status, 0);
  const int normal = Arquivos(raiz / "normal");
  // Small sizes (a short file reads size 0, drawn at 6) fit on fewer pages;
  // huge ones are drawn at 72 points: more pages, never the texts gone.
  struct Caso { const char* nome; std::vector<uint8_t> fontes; int minimo, maximo; };
  const Caso casos[] = {
      {"curto", teste::Bytes("Courier New"), 1, 3 * normal},
      {"nomes em branco", RegistroDeFontes("     ", 12), 1, 3 * normal},
      {"nome desconhecido", RegistroDeFontes("Fonte Que Nao Existe", 12), 1, 3 * normal},
      {"tamanho 200", RegistroDeFontes("Arial", 200), 3 * normal, 40 * normal},
      {"tamanho 32767", RegistroDeFontes("Arial", 32767), 3 * normal, 40 * normal},
  };
  for (const Caso& c : casos) {
    teste::EscreveBytes(raiz / "dados" / "fontes.dat", c.fontes);
    const fs::path png = raiz / c.nome;
    const Execucao r = Executa(pasta, {"--png", png.string()});
    ASSERT_EQ(r.status, 0) << c.nome << r.erros;
    const int paginas = Arquivos(png);
    EXPECT_GE(paginas, c.minimo) << c.nome;
    EXPECT_LE(paginas, c.maximo) << c.nome;
  }
}

TEST(PaginasComEntradasDanificadas, MargensQueNaoDeixamPagina) {
  teste::PastaTemporaria raiz;
  const std::string pasta = (raiz / "dados").string();
  ASSERT_EQ(Executa(pasta, {"--pdf", (raiz / "normal.pdf").string()}).status, 0);
  const auto normal = teste::LeBytes(raiz / "normal.pdf");
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float casos[][4] = {{inf, 10, 10, 10}, {10, nan, 10, 10}, {10, 10, 1e30f, 10},
                            {10, 10, 10, -5}, {10, 150, 10, 150}, {105, 10, 105, 10}};
  for (const auto& m : casos) {
    std::vector<uint8_t> registro(168);
    std::memcpy(registro.data(), m, sizeof m);
    teste::EscreveBytes(raiz / "dados" / "margens.dat", registro);
    const Execucao r = Executa(pasta, {"--pdf", (raiz / "a.pdf").string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_NE(r.erros.find("usa as margens padrão"), std::string::npos) << r.erros;
    // The job on the default margins: the same size as a normal one, not thousands of pages.
    EXPECT_NEAR(static_cast<double>(teste::LeBytes(raiz / "a.pdf").size()),
                static_cast<double>(normal.size()), normal.size() * 0.05);
    // The operator's file is reported, not rewritten.
    EXPECT_EQ(teste::LeBytes(raiz / "dados" / "margens.dat"), registro);
  }
}

}  // namespace
}  // namespace cifra
