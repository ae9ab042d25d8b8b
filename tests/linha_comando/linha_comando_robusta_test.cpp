// The program itself under hostile use: help without a window, Qt's own
// lines kept quiet, outputs that cannot be written (a file-size limit stands
// in for a full disk), programs racing on one new data folder, a read-only
// folder and folders that cannot be entered or made.
#include <gtest/gtest.h>

#include <filesystem>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "apoio/executa.h"
#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "linha_comando/linha_comando.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::PastaTemporaria;

using teste::Resultado;

std::string Le(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Runs the program itself in a child, optionally under a file-size limit (a
// write past it fails as on a full disk); standard output and error go to
// files of the test folder.
Resultado Programa(const std::vector<std::string>& args, const fs::path& pasta,
                   rlim_t limiteDeArquivo = RLIM_INFINITY, bool comoUsuarioComum = false) {
  const fs::path out = pasta / "saida.txt", err = pasta / "erros.txt";
  const int status = teste::EmOutroProcesso([&] {
    if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) return 120;
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
    const rlimit limite{limiteDeArquivo, limiteDeArquivo};
    setrlimit(RLIMIT_FSIZE, &limite);
    // The superuser may write anywhere: permissions are tried as "nobody".
    if (comoUsuarioComum && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 122;
    std::vector<char*> argv{const_cast<char*>(CIFRA_PROGRAMA)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(CIFRA_PROGRAMA, argv.data());
    return 121;
  });
  return {status, Le(out), Le(err)};
}

// The one request every case makes, on its data folder, and what the case adds.
std::vector<std::string> Analise(const fs::path& pasta, std::vector<std::string> extras = {}) {
  std::vector<std::string> args{"analise", "Maria da Silva", "12/08/1978", "--pasta", pasta.string()};
  args.insert(args.end(), extras.begin(), extras.end());
  return args;
}

TEST(LinhaDeComandoRobusta, AjudaEVersaoSemJanela) {
  struct Caso { std::vector<const char*> argv; std::optional<int> status; const char* trecho; };
  const Caso casos[] = {
      {{"cifralumina", "--help"}, 0, "cifralumina analise NOME DATA"},
      {{"cifralumina", "-h"}, 0, "Mostra esta ajuda"},
      {{"cifralumina", "--version"}, 0, "Cifralumina "},
      {{"cifralumina", "--pasta", "/tmp/x"}, std::nullopt, ""},
      {{"cifralumina", "analise", "--help"}, std::nullopt, ""},
      {{"cifralumina", "analisar", "Maria da Silva"}, 2, "Comando desconhecido: analisar"},
  };
  for (const Caso& c : casos) {
    std::ostringstream saida;
    EXPECT_EQ(AtendeAntesDasJanelas(static_cast<int>(c.argv.size()), c.argv.data(), saida, saida),
              c.status);
    EXPECT_NE(saida.str().find(c.trecho), std::string::npos) << saida.str();
  }

  // The program itself answers and ends, with no display at all.
  PastaTemporaria raiz;
  unsetenv("QT_QPA_PLATFORM");
  const Resultado ajuda = Programa({"--help"}, raiz.Caminho());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  EXPECT_EQ(ajuda.status, 0) << ajuda.erros;
  EXPECT_NE(ajuda.saida.find("Uso: cifralumina"), std::string::npos);
  EXPECT_EQ(ajuda.erros, "");

  // The windows with no display to open on: said in Portuguese, status 1
  // (where the window program is built: the sanitizers' build has none).
  const auto janelas = std::filesystem::path(CIFRA_PROGRAMA).parent_path() / "cifralumina-janelas";
  if (!std::filesystem::exists(janelas)) return;
  const std::string tela = getenv("DISPLAY") ? getenv("DISPLAY") : "";
  unsetenv("DISPLAY");
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  const Resultado semTela = Programa({"--pasta", (raiz / "dados").string()}, raiz.Caminho());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!tela.empty()) setenv("DISPLAY", tela.c_str(), 1);
  EXPECT_EQ(semTela.status, 1);
  EXPECT_NE(semTela.erros.find("nenhuma tela gráfica disponível (DISPLAY)"), std::string::npos)
      << semTela.erros;
}

// Qt's own English lines (here: no XDG_RUNTIME_DIR when graphics start)
// reach the operator only in a --verbose run.
TEST(LinhaDeComandoRobusta, MensagensDoQtSoComVerbose) {
  PastaTemporaria raiz;
  const std::string antigo = getenv("XDG_RUNTIME_DIR") ? getenv("XDG_RUNTIME_DIR") : "";
  unsetenv("XDG_RUNTIME_DIR");
  const auto png = Analise(raiz / "dados", {"--png", (raiz / "png").string()});
  const Resultado calado = Programa(png, raiz.Caminho());
  auto verbose = png;
  verbose.push_back("--verbose");
  const Resultado falante = Programa(verbose, raiz.Caminho());
  if (!antigo.empty()) setenv("XDG_RUNTIME_DIR", antigo.c_str(), 1);
  EXPECT_EQ(calado.erros, "");
  EXPECT_NE(falante.erros.find("Qt: QStandardPaths"), std::string::npos) << falante.erros;
}

TEST(SaidasGravadas, DiscoCheioNaoEstragaOArquivoQueJaHavia) {
  PastaTemporaria raiz;
  const fs::path dados = raiz / "dados";
  // The data folder is made first, so the limited run has nothing else to write.
  ASSERT_EQ(Programa(Analise(dados), raiz.Caminho()).status, 0);
  const std::string antigo = "conteúdo anterior\n";
  struct Caso { const char* opcao; const char* arquivo; };
  const Caso casos[] = {{"--json", "a.json"}, {"--png", "paginas"}, {"--pdf", "a.pdf"}};
  for (const Caso& c : casos) {
    const fs::path destino = raiz / c.arquivo;
    const fs::path conferido = std::string(c.opcao) == "--png" ? destino / "page-1.png" : destino;
    fs::create_directories(conferido.parent_path());
    std::ofstream(conferido, std::ios::binary) << antigo;
    const Resultado r = Programa(Analise(dados, {c.opcao, destino.string()}), raiz.Caminho(), 4096);
    EXPECT_EQ(r.status, 1) << c.opcao << r.erros;
    EXPECT_NE(r.erros.find("Não foi possível gravar o arquivo \"" + conferido.string() + "\""),
              std::string::npos) << r.erros;
    EXPECT_EQ(Le(conferido), antigo) << c.opcao;
    // Nothing half-written is left beside it.
    for (const auto& e : fs::directory_iterator(conferido.parent_path())) {
      EXPECT_EQ(e.path().filename().string().find(conferido.filename().string() + "."),
                std::string::npos) << e.path();
    }
  }
}

TEST(PrimeiraInstalacao, VariosProgramasNumaPastaNova) {
  // Programs released together on a folder that does not exist yet: each
  // sees every default file whole or not at all, so all give the same text
  // as a run alone. Several rounds, since a race shows only now and then.
  constexpr int kProgramas = 10, kRodadas = 5;
  PastaTemporaria raiz;
  const Resultado sozinho =
      Programa(Analise(raiz / "sozinha", {"--hoje", "06/12/2026", "--texto", "-"}), raiz.Caminho());
  ASSERT_EQ(sozinho.status, 0);
  for (int rodada = 0; rodada < kRodadas; ++rodada) {
    const std::string pasta = (raiz / ("nova-" + std::to_string(rodada))).string();
    int largada[2];
    ASSERT_EQ(pipe(largada), 0);
    std::vector<pid_t> filhos;
    for (int i = 0; i < kProgramas; ++i) {
      const fs::path saida = raiz / ("saida-" + std::to_string(i) + ".txt");
      filhos.push_back(teste::Inicia([&] {
        // Waits until every program is ready, then all start at once.
        close(largada[1]);
        char c;
        (void)!read(largada[0], &c, 1);
        if (!freopen(saida.c_str(), "w", stdout) || !freopen("/dev/null", "w", stderr)) return 120;
        execl(CIFRA_PROGRAMA, CIFRA_PROGRAMA, "analise", "Maria da Silva", "12/08/1978", "--hoje",
              "06/12/2026", "--pasta", pasta.c_str(), "--texto", "-", static_cast<char*>(nullptr));
        return 121;
      }));
    }
    close(largada[0]);
    close(largada[1]);
    for (pid_t filho : filhos) EXPECT_EQ(teste::Termina(filho), 0) << rodada;
    for (int i = 0; i < kProgramas; ++i) {
      EXPECT_EQ(Le(raiz / ("saida-" + std::to_string(i) + ".txt")), sozinho.saida) << rodada << " " << i;
    }
    // Nothing written aside was left in the folder.
    for (const auto& e : fs::directory_iterator(pasta)) {
      EXPECT_FALSE(e.path().filename().string().starts_with(".")) << e.path();
    }
  }
}

TEST(PastaSomenteParaLeitura, PadraoQueFaltaVemDoProprioPrograma) {
  PastaTemporaria raiz;
  fs::permissions(raiz.Caminho(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  const fs::path pasta = raiz / "dados";
  const auto pedido = Analise(pasta, {"--hoje", "06/12/2026", "--texto", "-"});
  const Resultado completo = Programa(pedido, raiz.Caminho());
  ASSERT_EQ(completo.status, 0) << completo.erros;
  // An interpretation file and a sound go missing from a folder the program may not write.
  fs::remove(pasta / "CVIDA.DAT");
  fs::remove(pasta / "aguarda.wav");
  fs::permissions(pasta, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec |
                             fs::perms::others_read);
  const Resultado r = Programa(pedido, raiz.Caminho(), RLIM_INFINITY, true);
  fs::permissions(pasta, fs::perms::owner_all);
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, completo.saida);
  // Said once, naming the first file and counting the other.
  EXPECT_NE(r.erros.find("Não foi possível gravar o arquivo \"" + (pasta / "CVIDA.DAT").string() +
                         "\". O programa não tem permissão para isso. O mesmo aconteceu com mais 1 "
                         "arquivo padrão."),
            std::string::npos) << r.erros;
}

// Outputs and folders that cannot be written or read: status 1, and the
// message says why; only a full disk speaks of free space.
TEST(MensagensDePasta, DizemPorQueEnaoCulpamOEspacoLivre) {
  PastaTemporaria raiz;
  fs::permissions(raiz.Caminho(), fs::perms::all);
  const fs::path dados = raiz / "dados";
  ASSERT_EQ(Programa(Analise(dados), raiz.Caminho()).status, 0);
  fs::permissions(dados, fs::perms::all);
  // Where the child, as "nobody", writes what it says.
  const fs::path saidas = raiz / "saidas";
  fs::create_directories(saidas);
  fs::permissions(saidas, fs::perms::all);
  const std::string fechada = "O programa não tem permissão para entrar nela ou numa das pastas que a contêm.";
  struct Caso {
    std::function<void()> prepara, desfaz;
    fs::path pasta;
    std::vector<std::string> extras;
    std::string trecho;
  };
  const Caso casos[] = {
      {[] {}, [] {}, dados, {"--pdf", "/dev/full"}, "\"/dev/full\". Não há espaço livre no disco."},
      {[&] { fs::remove(dados / "fontes.dat"); fs::create_directory(dados / "fontes.dat"); },
       [&] { fs::remove(dados / "fontes.dat"); }, dados, {},
       "ler o arquivo \"" + (dados / "fontes.dat").string() + "\". É uma pasta, e não um arquivo."},
      {[&] { fs::permissions(raiz.Caminho(), fs::perms::owner_all); },
       [&] { fs::permissions(raiz.Caminho(), fs::perms::all); }, dados, {}, fechada},
      {[&] { std::ofstream(raiz / "arquivo") << "x"; }, [] {}, dados, {"--png", (raiz / "arquivo" / "paginas").string()},
       "Uma parte do caminho é um arquivo, e não uma pasta."},
      {[&] { fs::create_directory(raiz / "fixa"); }, [] {}, raiz / "fixa" / "dados", {},
       "Não foi possível criar a pasta de dados \"" + (raiz / "fixa" / "dados").string() +
           "\". O programa não tem permissão para criá-la."},
  };
  for (const Caso& c : casos) {
    c.prepara();
    const Resultado r = Programa(Analise(c.pasta, c.extras), saidas, RLIM_INFINITY, true);
    c.desfaz();
    EXPECT_EQ(r.status, 1) << c.trecho;
    EXPECT_NE(r.erros.find(c.trecho), std::string::npos) << r.erros;
    EXPECT_EQ(r.erros.find("espaço") != std::string::npos, c.extras.size() == 2 && c.extras[1] == "/dev/full")
        << r.erros;
  }
}

}  // namespace
}  // namespace cifra
