// A write that fails leaves the operator's file exactly as it was, and says
// why in the operator's language. The failures are real: a file the program
// may not write, a folder in the file's place, a disk that fills up.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "library/arquivo_registros.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::LeBytes;

constexpr int kNaoSePodeMontar = 77;

// 0 when growing the file failed with a message that contains `trecho` and
// the file and its folder are as they were.
int FalhaCom(const fs::path& arquivo, const std::string& trecho) {
  const bool comum = fs::is_regular_file(arquivo);
  const auto antes = comum ? LeBytes(arquivo) : std::vector<uint8_t>{};
  try {
    ArquivoDeRegistros f(arquivo, 5120);
    f.Grava(6, std::vector<uint8_t>(5120, 'n'));
    return 1;
  } catch (const ErroDeArquivo& e) {
    if (std::string(e.what()).find(trecho) == std::string::npos) return 2;
  }
  int entradas = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(arquivo.parent_path())) ++entradas;
  return comum && LeBytes(arquivo) != antes ? 3 : entradas != 1 ? 4 : 0;
}

TEST(Gravacao, FalhaDizPorQueEDeixaOArquivoComoEra) {
  struct Caso {
    const char* nome;
    std::function<int(const fs::path&)> noFilho;  // returns kNaoSePodeMontar when impossible
    const char* trecho;
  };
  const Caso casos[] = {
      {"somente leitura",
       [](const fs::path& a) {
         fs::permissions(a, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         // The superuser writes anything: the write runs as an ordinary user.
         return ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0) ? 3 : -1;
       },
       "não tem permissão"},
      {"limite de tamanho",
       [](const fs::path&) {
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit limite{8192, 8192};
         return ::setrlimit(RLIMIT_FSIZE, &limite) != 0 ? 3 : -1;
       },
       "maior do que o sistema permite"},
      {"disco cheio",
       [](const fs::path& a) {  // a 24 KB disk over the folder, in the child's own mounts
         const auto original = LeBytes(a);
         if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             ::mount("tmpfs", a.parent_path().c_str(), "tmpfs", 0, "size=24k") != 0) {
           return kNaoSePodeMontar;
         }
         teste::EscreveBytes(a, original);
         return -1;
       },
       "Não há espaço livre no disco"},
  };
  for (const Caso& c : casos) {
    teste::PastaTemporaria pasta;
    fs::permissions(pasta.Caminho(), fs::perms::all);
    const fs::path arquivo = pasta / "CVIDA.DAT";
    std::vector<uint8_t> original;
    for (int r = 1; r <= 3; ++r) original.insert(original.end(), 5120, static_cast<uint8_t>('0' + r));
    teste::EscreveBytes(arquivo, original);
    const int r = teste::EmOutroProcesso([&] {
      const int preparo = c.noFilho(arquivo);
      return preparo >= 0 ? preparo : FalhaCom(arquivo, c.trecho);
    });
    if (r == kNaoSePodeMontar) continue;  // no permission to mount a small disk here
    EXPECT_EQ(r, 0) << c.nome;
    EXPECT_EQ(LeBytes(arquivo), original) << c.nome;
  }
}

TEST(Gravacao, PastaNoLugarDoArquivo) {
  teste::PastaTemporaria pasta;
  fs::create_directory(pasta / "CVIDA.DAT");
  EXPECT_EQ(FalhaCom(pasta / "CVIDA.DAT", "É uma pasta, e não um arquivo."), 0);
  EXPECT_TRUE(fs::is_directory(pasta / "CVIDA.DAT"));
}

TEST(Gravacao, GravacaoBemSucedidaMantemAsPermissoes) {
  teste::PastaTemporaria pasta;
  const fs::path arquivo = pasta / "CVIDA.DAT";
  teste::EscreveBytes(arquivo, std::vector<uint8_t>(3 * 5120, '3'));
  const auto modo = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(arquivo, modo);
  GravarRegistroDeTexto(PastaDeDados(pasta.Caminho()), "CVIDA.DAT", 2, "Novo");
  const auto b = LeBytes(arquivo);
  ASSERT_EQ(b.size(), 3u * 5120);
  EXPECT_EQ(std::string(b.begin() + 5120, b.begin() + 5125), "Novo ");
  EXPECT_EQ(b[10240], '3');
  EXPECT_EQ(fs::status(arquivo).permissions(), modo);
}

}  // namespace
}  // namespace cifra
