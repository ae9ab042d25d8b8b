// A write that fails leaves the operator's file exactly as it was, and says
// why in the operator's language. The failures are real: a file the program
// may not write, a folder in the file's place, a disk that fills up, and the
// process that writes killed in the middle; and links that lead elsewhere.
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <functional>

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "library/registros_de_texto.h"
#include "library/arquivo_registros.h"
#include "library/clientes.h"
#include "library/interpretacoes.h"
#include "library/padroes.h"
#include "settings/fontes.h"
#include "settings/margens.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::LeBytes;
using teste::PastaTemporaria;

constexpr int kNaoSePodeMontar = 77;

// 0 when growing the file failed with a message that contains `trecho` and
// the file and its folder are as they were.
int FalhaCom(const fs::path& arquivo, const std::string& trecho) {
  const bool comum = fs::is_regular_file(arquivo);
  const auto antes = comum ? LeBytes(arquivo) : std::vector<uint8_t>{};
  try {
    ArquivoDeRegistros f(arquivo, 5120, kRegistrosDeTexto);
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
      {"pasta no lugar do arquivo",
       [](const fs::path& a) { return fs::remove(a) && fs::create_directory(a) ? -1 : 3; },
       "É uma pasta, e não um arquivo."},
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
    EXPECT_TRUE(fs::is_directory(arquivo) || LeBytes(arquivo) == original) << c.nome;
  }
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

// The half-written file beside the target, if any, with its size.
std::optional<uintmax_t> Provisorio(const fs::path& pasta, const std::string& nome) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(pasta, ec)) {
    const std::string n = e.path().filename().string();
    if (n != nome && n.find(nome) != std::string::npos) {
      const auto t = fs::file_size(e.path(), ec);
      if (!ec) return t;
    }
  }
  return std::nullopt;
}

// Killed while the new content is still going out, the process leaves the
// file with every byte it had; what was half-written is a hidden file beside it.
TEST(GravacaoInterrompida, MatarQuemGravaNoMeioDeixaOArquivoComoEra) {
  teste::PastaTemporaria pasta;
  const fs::path arquivo = pasta / "CVIDA.DAT";
  // A large library file (6000 texts, 30 MB), so a save takes long enough to be caught.
  std::vector<uint8_t> original;
  original.reserve(6000 * kRegistroTexto);
  for (int r = 0; r < 6000; ++r) original.insert(original.end(), kRegistroTexto, static_cast<uint8_t>('a' + r % 26));
  teste::EscreveBytes(arquivo, original);

  int apanhadas = 0;
  for (int tentativa = 0; tentativa < 20 && apanhadas < 3; ++tentativa) {
    const pid_t filho = teste::Inicia([&] {
      GravarRegistroDeTexto(PastaDeDados(pasta.Caminho()), "CVIDA.DAT", 1, "Um texto novo.");
      return 0;
    });
    // Kill it as soon as the new content is partly out.
    bool noMeio = false;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < limite) {
      const auto t = Provisorio(pasta.Caminho(), "CVIDA.DAT");
      if (t && *t > 0 && *t < original.size()) {
        noMeio = true;
        break;
      }
      int estado = 0;
      if (::waitpid(filho, &estado, WNOHANG) == filho) break;  // finished before being caught
    }
    ::kill(filho, SIGKILL);
    ::waitpid(filho, nullptr, 0);
    const auto resto = Provisorio(pasta.Caminho(), "CVIDA.DAT");
    for (const auto& e : fs::directory_iterator(pasta.Caminho())) {
      if (e.path() != arquivo) fs::remove(e.path());  // the next attempt starts clean
    }
    if (!noMeio) {
      teste::EscreveBytes(arquivo, original);  // it got through: put the old file back, try again
      continue;
    }
    ++apanhadas;
    EXPECT_TRUE(resto.has_value());  // what was half-written stayed aside
    ASSERT_EQ(teste::LeBytes(arquivo), original) << "tentativa " << tentativa;
    // Read through the program, the file still gives its first text.
    EXPECT_EQ(LerRegistroDeTexto(PastaDeDados(pasta.Caminho()), "CVIDA.DAT", 1),
              std::string(kRegistroTexto, 'a'));
  }
  EXPECT_GT(apanhadas, 0) << "no save was caught in the middle";
}

// Symbolic links in the data folder: nothing is deleted or replaced through
// them, nothing is written outside the folder, a link that leads nowhere is
// reported like a file that cannot be read.
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
    const std::string rotulo = std::string(c.arquivo) + " -> " + c.alvo;
    std::string erro;
    try {
      c.operacao(PastaDeDados(raiz / "dados"));
    } catch (const ErroDeArquivo& e) {
      erro = e.what();
    }
    if (c.trecho) {
      EXPECT_TRUE(erro.find(c.trecho) != std::string::npos && erro.find(link.string()) != std::string::npos) << rotulo << ": " << erro;
    } else {
      EXPECT_EQ(erro, "") << rotulo;
    }
    // The link is still there, as it was, and the other folder holds what it held.
    EXPECT_EQ(fs::read_symlink(link), c.alvo) << rotulo;
    std::vector<std::vector<uint8_t>> fora;
    for (const auto& e : fs::directory_iterator(raiz / "fora")) fora.push_back(LeBytes(e.path()));
    EXPECT_EQ(fora, std::vector<std::vector<uint8_t>>(c.alvoExiste ? 1 : 0, deFora)) << rotulo;
  }
}

}  // namespace
}  // namespace cifra
