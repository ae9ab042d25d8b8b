// A write that fails leaves the operator's file exactly as it was, and says
// why in the operator's language. The failures are real: a file the program
// may not write, a folder in the file's place, a disk that fills up.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "library/arquivo_registros.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::EmOutroProcesso;
using teste::LeBytes;

constexpr int kNaoSePodeMontar = 77;

// 0 when the write failed with a message that contains `trecho`.
int FalhaCom(const fs::path& arquivo, const std::string& trecho) {
  try {
    ArquivoDeRegistros f(arquivo, 5120);
    const std::vector<uint8_t> texto(5120, 'n');
    f.Grava(6, texto);  // past the end: the file would grow
  } catch (const ErroDeArquivo& e) {
    return std::string(e.what()).find(trecho) != std::string::npos ? 0 : 2;
  }
  return 1;
}

class Gravacao : public ::testing::Test {
 protected:
  void SetUp() override {
    // Three records of an operator's text file.
    for (int r = 1; r <= 3; ++r) original.insert(original.end(), 5120, static_cast<uint8_t>('0' + r));
    teste::EscreveBytes(arquivo, original);
  }
  // Nothing changed and nothing left behind beside it.
  void ArquivoIntacto() {
    EXPECT_EQ(LeBytes(arquivo), original);
    int entradas = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(pasta.Caminho())) ++entradas;
    EXPECT_EQ(entradas, 1);
  }
  teste::PastaTemporaria pasta;
  fs::path arquivo = pasta / "CVIDA.DAT";
  std::vector<uint8_t> original;
};

TEST_F(Gravacao, ArquivoSomenteParaLeitura) {
  fs::permissions(arquivo, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(pasta.Caminho(), fs::perms::all);
  // The superuser writes anything: the write runs as an ordinary user.
  EXPECT_EQ(EmOutroProcesso([&] {
              if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 3;
              return FalhaCom(arquivo, "não tem permissão");
            }),
            0);
  ArquivoIntacto();
}

TEST_F(Gravacao, PastaNoLugarDoArquivo) {
  fs::remove(arquivo);
  fs::create_directory(arquivo);
  EXPECT_EQ(FalhaCom(arquivo, "É uma pasta, e não um arquivo."), 0);
  EXPECT_TRUE(fs::is_directory(arquivo));
  EXPECT_EQ(FalhaCom(pasta / "nao-existe" / "x.dat", "Não foi possível criar"), 0);
}

TEST_F(Gravacao, LimiteDeTamanhoDoArquivo) {
  EXPECT_EQ(EmOutroProcesso([&] {
              std::signal(SIGXFSZ, SIG_IGN);
              const rlimit limite{8192, 8192};
              if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) return 3;
              return FalhaCom(arquivo, "maior do que o sistema permite");
            }),
            0);
  ArquivoIntacto();
}

TEST_F(Gravacao, DiscoCheio) {
  // A 24 KB disk mounted over the folder, in the child's own view of the mounts.
  const int r = EmOutroProcesso([&] {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", pasta.Caminho().c_str(), "tmpfs", 0, "size=24k") != 0) {
      return kNaoSePodeMontar;
    }
    teste::EscreveBytes(arquivo, original);
    if (LeBytes(arquivo) != original) return 4;
    const int falha = FalhaCom(arquivo, "Não há espaço livre no disco");
    if (LeBytes(arquivo) != original) return 5;
    int entradas = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(pasta.Caminho())) ++entradas;
    return falha ? falha : entradas == 1 ? 0 : 6;
  });
  if (r == kNaoSePodeMontar) GTEST_SKIP() << "sem permissão para montar um disco pequeno";
  EXPECT_EQ(r, 0);
}

TEST_F(Gravacao, GravacaoBemSucedidaMantemAsPermissoes) {
  fs::permissions(arquivo, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  GravarRegistroDeTexto(PastaDeDados(pasta.Caminho()), "CVIDA.DAT", 2, "Novo");
  const auto b = LeBytes(arquivo);
  ASSERT_EQ(b.size(), original.size());
  EXPECT_EQ(std::string(b.begin() + 5120, b.begin() + 5124), "Novo");
  EXPECT_EQ(b[5124], ' ');
  EXPECT_EQ(b[10240], '3');
  EXPECT_EQ(fs::status(arquivo).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace cifra
