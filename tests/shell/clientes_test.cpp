#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "apoio/pasta_temporaria.h"
#include "library/arquivo_registros.h"
#include "shell/clientes.h"

extern char** environ;

namespace cifra {
namespace {

namespace fs = std::filesystem;

const Cliente kAna{"Ana Conceição", "Rua das Flores, 10", "Recife - PE", "50000-000",
                   "(81) 3333-4444", "05/03/1990"};
const Cliente kJoao{"JOÃO DA SILVA", "Av. Brasil, 2000", "Belém - PA", "66000-000", "", "12/08/1978"};
const Cliente kMuller{"Helga Müller", "", "Blumenau - SC", "", "", "29/02/2000"};

fs::perms Permissoes(const fs::path& p) {
  return fs::status(p).permissions() & fs::perms::all;
}

TEST(Clientes, AcrescentaLeECortaCampos) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  EXPECT_TRUE(LerClientes(pasta).empty());
  EXPECT_FALSE(fs::exists(raiz / "caduser.dat"));
  const Cliente longo{std::string(120, 'N'), "", "", "12345678901", "", "01/01/2000"};
  AcrescentarCliente(pasta, kAna);
  AcrescentarCliente(pasta, longo);
  AcrescentarCliente(pasta, kAna);  // the same name twice is two clients
  EXPECT_EQ(fs::file_size(raiz / "caduser.dat"), 3u * 337);
  const auto lidos = LerCadastro(pasta);
  ASSERT_EQ(lidos.size(), 3u);
  EXPECT_EQ(lidos[0], (RegistroDeCliente{kAna, false}));
  EXPECT_EQ(lidos[2], (RegistroDeCliente{kAna, false}));
  EXPECT_EQ(lidos[1].cliente.Nome, std::string(100, 'N'));
  EXPECT_EQ(lidos[1].cliente.Cep, "1234567890");
  const auto bytes = teste::LeBytes(raiz / "caduser.dat");
  EXPECT_EQ(bytes[10], 0xE7);  // ç in Windows-1252
  EXPECT_EQ(bytes[337 + 100], ' ');  // blank-padded
}

// Written out by hand: each field at its place, each with a value of its own.
TEST(Clientes, RegistroComTodosOsCamposDistintos) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const Cliente c{"Ana", "Rua B", "Recife-PE", "50000-000", "81-3333", "05/03/1990"};
  std::vector<uint8_t> esperado(335, ' ');
  const std::pair<size_t, std::string_view> campos[] = {
      {0, "Ana"}, {100, "Rua B"}, {250, "Recife-PE"}, {300, "50000-000"}, {310, "81-3333"},
      {325, "05/03/1990"}};
  for (const auto& [pos, texto] : campos) std::copy(texto.begin(), texto.end(), esperado.begin() + pos);
  esperado.resize(337, 0);
  AcrescentarCliente(pasta, c);
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), esperado);
  // Records of an older program end two bytes short, the last one included.
  const auto um = esperado;
  esperado.insert(esperado.end(), um.begin(), um.end() - 2);
  teste::EscreveBytes(raiz / "caduser.dat", esperado);
  EXPECT_EQ(LerCadastro(pasta), (std::vector<RegistroDeCliente>{{c, false}, {c, false}}));
}

TEST(Clientes, ArquivoSoDoDono) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  AcrescentarCliente(pasta, kAna);
  const auto soDono = fs::perms::owner_read | fs::perms::owner_write;
  EXPECT_EQ(Permissoes(raiz / "caduser.dat"), soDono);
  // A file made by an earlier version, readable by everyone, is closed on the next append...
  fs::permissions(raiz / "caduser.dat", soDono | fs::perms::group_read | fs::perms::others_read);
  AcrescentarCliente(pasta, kJoao);
  EXPECT_EQ(Permissoes(raiz / "caduser.dat"), soDono);
  // ...and a rewrite keeps it closed.
  fs::permissions(raiz / "caduser.dat", soDono | fs::perms::others_read);
  const auto lidos = LerCadastro(pasta);
  AlterarCliente(pasta, 1, lidos[1], kMuller);
  EXPECT_EQ(Permissoes(raiz / "caduser.dat"), soDono);
  ExcluirCliente(pasta, 0, lidos[0]);
  EXPECT_EQ(Permissoes(raiz / "caduser.dat"), soDono);
  EXPECT_EQ(LerClientes(pasta), std::vector<Cliente>{kMuller});
}

// Records written by an older program end two bytes short; an interrupted
// write leaves a shorter piece. Neither is dropped or overwritten.
TEST(Clientes, RegistroParcialNoFimEhMostradoEGuardado) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  AcrescentarCliente(pasta, kAna);
  AcrescentarCliente(pasta, kJoao);
  auto bytes = teste::LeBytes(raiz / "caduser.dat");
  const struct {
    size_t tamanho;
    bool danificado;
  } casos[] = {{2 * 337 - 2, false}, {337 + 335, false}, {337 + 334, true}, {337 + 40, true},
               {337 + 1, true}};
  for (const auto& caso : casos) {
    auto parte = bytes;
    parte.resize(caso.tamanho);
    teste::EscreveBytes(raiz / "caduser.dat", parte);
    EXPECT_EQ(ContarClientes(pasta), 2) << caso.tamanho;
    auto lidos = LerCadastro(pasta);
    ASSERT_EQ(lidos.size(), 2u);
    EXPECT_FALSE(lidos[0].danificado);
    EXPECT_EQ(lidos[1].danificado, caso.danificado) << caso.tamanho;
    AcrescentarCliente(pasta, kMuller);
    const auto depois = teste::LeBytes(raiz / "caduser.dat");
    ASSERT_EQ(depois.size(), 3u * 337) << caso.tamanho;
    EXPECT_TRUE(std::equal(parte.begin(), parte.end(), depois.begin())) << caso.tamanho;
    lidos = LerCadastro(pasta);
    EXPECT_EQ(lidos[1].danificado, caso.danificado) << caso.tamanho;  // still marked
    EXPECT_EQ(lidos[2], (RegistroDeCliente{kMuller, false}));
  }
  // Changing the damaged record writes it whole again.
  auto lidos = LerCadastro(pasta);
  AlterarCliente(pasta, 1, lidos[1], kJoao);
  lidos = LerCadastro(pasta);
  EXPECT_EQ(lidos[1], (RegistroDeCliente{kJoao, false}));
  EXPECT_EQ(lidos[2].cliente, kMuller);
}

TEST(Clientes, AlteraEExcluiSemTocarNosOutros) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  for (const Cliente& c : {kAna, kJoao, kMuller}) AcrescentarCliente(pasta, c);
  auto lidos = LerCadastro(pasta);
  Cliente joao2 = kJoao;
  joao2.Telefone = "(91) 4000-1234";
  AlterarCliente(pasta, 1, lidos[1], joao2);
  EXPECT_EQ(LerClientes(pasta), (std::vector<Cliente>{kAna, joao2, kMuller}));
  EXPECT_EQ(fs::file_size(raiz / "caduser.dat"), 3u * 337);

  // What the window showed is no longer in the file: refused, nothing written.
  const auto antes = teste::LeBytes(raiz / "caduser.dat");
  EXPECT_THROW(AlterarCliente(pasta, 1, lidos[1], kAna), ErroDeArquivo);
  EXPECT_THROW(ExcluirCliente(pasta, 1, lidos[1]), ErroDeArquivo);
  EXPECT_THROW(ExcluirCliente(pasta, 7, lidos[1]), ErroDeArquivo);
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), antes);

  lidos = LerCadastro(pasta);
  ExcluirCliente(pasta, 0, lidos[0]);
  EXPECT_EQ(LerClientes(pasta), (std::vector<Cliente>{joao2, kMuller}));
  lidos = LerCadastro(pasta);
  ExcluirCliente(pasta, 1, lidos[1]);
  ExcluirCliente(pasta, 0, lidos[0]);
  EXPECT_TRUE(LerClientes(pasta).empty());
  EXPECT_EQ(fs::file_size(raiz / "caduser.dat"), 0u);
  EXPECT_FALSE(fs::exists(raiz / "caduser.dat.lock"));
}

TEST(Clientes, FiltroIgnoraAcentosEMaiusculas) {
  std::vector<RegistroDeCliente> r;
  for (const char* nome : {"Ana Conceição", "JOÃO DA SILVA", "Helga Müller", "joana d'Arc",
                           "Çağlar Öz"}) {
    r.push_back({Cliente{nome, "", "", "", "", ""}, false});
  }
  const std::pair<const char*, std::vector<int>> casos[] = {
      {"", {0, 1, 2, 3, 4}},  {"  ", {0, 1, 2, 3, 4}}, {"joao", {1}},   {"JOÃO", {1}},
      {"jo", {1, 3}},         {"conceicao", {0}},      {"CONCEIÇÃO", {0}}, {"muller", {2}},
      {"da s", {1}},          {"caglar oz", {4}},       {"x", {}},         {"ana", {0, 3}},
  };
  for (const auto& [filtro, esperado] : casos) {
    EXPECT_EQ(FiltrarClientes(r, filtro), esperado) << filtro;
  }
}

// Two programs appending at once. The test program runs itself twice as the
// two programs (the test below, which does nothing when run normally).
constexpr const char* kVariavelDoFilho = "CIFRA_CADASTRO_FILHO";
constexpr int kPorProcesso = 100;

TEST(CadastroConcorrente, ProcessoFilho) {
  const char* pedido = std::getenv(kVariavelDoFilho);
  if (!pedido) GTEST_SKIP() << "run by CadastroConcorrente.DoisProgramasNaoPerdemNenhum";
  const std::string s(pedido);
  const fs::path raiz = s.substr(0, s.rfind('|'));
  const std::string prefixo = s.substr(s.rfind('|') + 1);
  // Start together: wait for the signal file.
  for (int i = 0; i < 1000 && !fs::exists(raiz / "comecar"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  const PastaDeDados pasta(raiz);
  for (int i = 0; i < kPorProcesso; ++i) {
    AcrescentarCliente(pasta, Cliente{prefixo + " " + std::to_string(1000 + i), "Rua", "", "", "",
                                      "01/01/1990"});
  }
}

TEST(CadastroConcorrente, DoisProgramasNaoPerdemNenhum) {
  teste::PastaTemporaria raiz;
  const std::string programa = fs::read_symlink("/proc/self/exe").string();
  std::vector<pid_t> filhos;
  for (const char* prefixo : {"PRIMEIRO", "SEGUNDO"}) {
    std::vector<std::string> ambiente;
    for (char** e = environ; *e; ++e) ambiente.emplace_back(*e);
    ambiente.push_back(std::string(kVariavelDoFilho) + "=" + raiz.Caminho().string() + "|" + prefixo);
    std::vector<char*> env;
    for (auto& a : ambiente) env.push_back(a.data());
    env.push_back(nullptr);
    std::string filtro = "--gtest_filter=CadastroConcorrente.ProcessoFilho";
    char* argv[] = {const_cast<char*>(programa.c_str()), filtro.data(), nullptr};
    posix_spawn_file_actions_t silencio;  // the children's own test report is not ours
    posix_spawn_file_actions_init(&silencio);
    posix_spawn_file_actions_addopen(&silencio, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, programa.c_str(), &silencio, nullptr, argv, env.data()), 0);
    posix_spawn_file_actions_destroy(&silencio);
    filhos.push_back(pid);
  }
  teste::EscreveBytes(raiz / "comecar", {});
  for (pid_t pid : filhos) {
    int estado = 0;
    ASSERT_EQ(waitpid(pid, &estado, 0), pid);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  }
  const auto lidos = LerCadastro(PastaDeDados(raiz.Caminho()));
  ASSERT_EQ(lidos.size(), 2u * kPorProcesso);
  EXPECT_EQ(fs::file_size(raiz / "caduser.dat"), 2u * kPorProcesso * 337);
  std::set<std::string> nomes;
  std::vector<std::string> primeiro;
  for (const auto& r : lidos) {
    EXPECT_FALSE(r.danificado);
    nomes.insert(r.cliente.Nome);
    if (r.cliente.Nome.rfind("PRIMEIRO", 0) == 0) primeiro.push_back(r.cliente.Nome);
  }
  EXPECT_EQ(nomes.size(), 2u * kPorProcesso);
  EXPECT_TRUE(std::is_sorted(primeiro.begin(), primeiro.end()));  // each keeps its own order
}

}  // namespace
}  // namespace cifra
