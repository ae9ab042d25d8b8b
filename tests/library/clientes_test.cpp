#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>

#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "library/arquivo_registros.h"
#include "library/clientes.h"
#include "library/windows1252.h"

namespace cifra {
namespace {

namespace fs = std::filesystem;

const Cliente kAna{"Ana Conceição", "Rua das Flores, 10", "Recife - PE", "50000-000",
                   "(81) 3333-4444", "05/03/1990"};
const Cliente kJoao{"JOÃO DA SILVA", "Av. Brasil, 2000", "Belém - PA", "66000-000", "", "12/08/1978"};
const Cliente kMuller{"Helga Müller", "", "Blumenau - SC", "", "", "29/02/2000"};

// Written out by hand: each field at its place, each with a value of its own,
// in Windows-1252 and blank-padded; what is longer than its field is cut.
TEST(Clientes, RegistroComTodosOsCamposDistintos) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const Cliente c{"Ação", "Rua B", "Recife-PE", "50000-000", "81-3333", "05/03/1990"};
  std::vector<uint8_t> esperado(335, ' ');
  const std::pair<size_t, std::string_view> campos[] = {
      {0, "A\xE7\xE3o"}, {100, "Rua B"}, {250, "Recife-PE"}, {300, "50000-000"}, {310, "81-3333"},
      {325, "05/03/1990"}};
  for (const auto& [pos, texto] : campos) std::copy(texto.begin(), texto.end(), esperado.begin() + pos);
  esperado.resize(337, 0);
  AcrescentarCliente(pasta, c);
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), esperado);
  EXPECT_EQ(LerCadastro(pasta), (std::vector<RegistroDeCliente>{{c, false}}));
}

// Records written by an older program end two bytes short; an interrupted
// write leaves a shorter piece. Neither is dropped or overwritten.
TEST(Clientes, RegistroParcialNoFimEhMostradoEGuardado) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  for (const Cliente& c : {kAna, kJoao}) AcrescentarCliente(pasta, c);
  auto bytes = teste::LeBytes(raiz / "caduser.dat");
  for (const auto& [tamanho, danificado] : {std::pair{337 + 335, false}, {337 + 334, true}, {337 + 1, true}}) {
    auto parte = bytes;
    parte.resize(tamanho);
    teste::EscreveBytes(raiz / "caduser.dat", parte);
    AcrescentarCliente(pasta, kMuller);  // the next one starts on a whole record
    const auto depois = teste::LeBytes(raiz / "caduser.dat");
    ASSERT_EQ(depois.size(), 3u * 337) << tamanho;
    EXPECT_TRUE(std::equal(parte.begin(), parte.end(), depois.begin())) << tamanho;
    const auto lidos = LerCadastro(pasta);
    EXPECT_EQ(lidos[1].danificado, danificado) << tamanho;
    EXPECT_EQ(lidos[2], (RegistroDeCliente{kMuller, false}));
    // The list's names and a record read alone agree with the whole file.
    const NomesDoCadastro nomes(pasta);
    ASSERT_EQ(nomes.Quantos(), 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(nomes.Nome(i) == lidos[i].cliente.Nome && nomes.Danificado(i) == lidos[i].danificado &&
                  LerRegistroDeCliente(pasta, i) == lidos[i]) << tamanho << " " << i;
    }
    EXPECT_EQ(LerRegistroDeCliente(pasta, 3), std::nullopt);
  }
}

// The list's filter finds what the search key finds, for every byte a name
// can hold: accents, capitals, ligatures ("œ", "ß"), blanks of every kind
// (a no-break space, the space "¨" leaves), in the middle and at the ends.
TEST(Clientes, FiltroDaListaConcordaComAChaveDeBusca) {
  teste::PastaTemporaria raiz;
  std::string arquivo;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    for (const std::string& nome : {"Jo" + std::string(1, c) + "o  d" + c + "s", c + std::string("\xC1gua") + c}) {
      arquivo += nome + std::string(335 - nome.size(), ' ') + std::string(2, '\0');
    }
  }
  teste::EscreveBytes(raiz / "caduser.dat", teste::Bytes(arquivo));
  const PastaDeDados pasta(raiz.Caminho());
  const auto lidos = LerCadastro(pasta);
  std::vector<std::string> chaves;
  for (const auto& r : lidos) chaves.push_back(ChaveDeBusca(r.cliente.Nome));
  std::vector<std::string> filtros = {"", " ", "joao", "jo o", "O D", "d s", "ÁGUA", "o  ds", "ss"};
  for (int b = 0; b < 256; ++b) filtros.push_back(DeWindows1252(std::string(1, static_cast<char>(b))));

  const NomesDoCadastro nomes(pasta);
  for (const std::string& filtro : filtros) {
    std::vector<int> esperado;
    for (size_t i = 0; i < chaves.size(); ++i) {
      if (chaves[i].find(ChaveDeBusca(filtro)) != std::string::npos) esperado.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(nomes.Filtrar(filtro), esperado) << filtro;
  }
  EXPECT_EQ(ChaveDeBusca(" João\u00a0\tDA  sÍlva "), "joao da silva");  // the key itself: accents and case aside
}

// A change or a removal touches no other record, and is refused when the
// record is no longer what the window showed. The register holds people's
// addresses: only its owner may read it, and a file made readable by an
// earlier version is closed again by the next append or change.
TEST(Clientes, AlteraEExcluiSemTocarNosOutrosNumArquivoSoDoDono) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const auto soDono = fs::perms::owner_read | fs::perms::owner_write;
  const auto abre = [&] { fs::permissions(raiz / "caduser.dat", soDono | fs::perms::others_read); };
  const auto permissoes = [&] { return fs::status(raiz / "caduser.dat").permissions() & fs::perms::all; };
  AcrescentarCliente(pasta, kAna);
  EXPECT_EQ(permissoes(), soDono);
  abre();
  for (const Cliente& c : {kJoao, kMuller}) AcrescentarCliente(pasta, c);
  EXPECT_EQ(permissoes(), soDono);
  const auto lidos = LerCadastro(pasta);
  Cliente joao2 = kJoao;
  joao2.Telefone = "(91) 4000-1234";
  abre();
  AlterarCliente(pasta, 1, lidos[1], joao2);
  EXPECT_EQ(LerClientes(pasta), (std::vector<Cliente>{kAna, joao2, kMuller}));
  EXPECT_EQ(permissoes(), soDono);
  const auto antes = teste::LeBytes(raiz / "caduser.dat");
  EXPECT_THROW(AlterarCliente(pasta, 1, lidos[1], kAna), ErroDeArquivo);
  EXPECT_THROW(ExcluirCliente(pasta, 7, lidos[1]), ErroDeArquivo);
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), antes);
  ExcluirCliente(pasta, 0, lidos[0]);  // the same rewrite as a change
  EXPECT_EQ(LerClientes(pasta), (std::vector<Cliente>{joao2, kMuller}));
}

// Two programs appending at once, released together through a pipe.
TEST(CadastroConcorrente, DoisProgramasNaoPerdemNenhum) {
  constexpr int kPorProcesso = 100;
  teste::PastaTemporaria raiz;
  int largada[2];
  ASSERT_EQ(::pipe(largada), 0);
  std::vector<pid_t> filhos;
  for (const std::string prefixo : {"PRIMEIRO", "SEGUNDO"}) {
    filhos.push_back(teste::Inicia([&] {
      char c;
      ::close(largada[1]);
      (void)!::read(largada[0], &c, 1);  // returns when the test closes its end
      try {
        for (int i = 0; i < kPorProcesso; ++i) {
          AcrescentarCliente(PastaDeDados(raiz.Caminho()), {prefixo + " " + std::to_string(1000 + i), "Rua", "", "", "", ""});
        }
      } catch (const ErroDeArquivo&) {
        return 1;
      }
      return 0;
    }));
  }
  ::close(largada[0]);
  ::close(largada[1]);
  for (pid_t pid : filhos) EXPECT_EQ(teste::Termina(pid), 0);
  // Every client once, whole, and each program's in the order it wrote them.
  std::vector<std::string> nomes, esperados;
  for (const auto& r : LerCadastro(PastaDeDados(raiz.Caminho()))) nomes.push_back(r.danificado ? "?" : r.cliente.Nome);
  std::stable_partition(nomes.begin(), nomes.end(), [](const std::string& n) { return n.starts_with("PRIMEIRO"); });
  for (const char* prefixo : {"PRIMEIRO ", "SEGUNDO "}) {
    for (int i = 0; i < kPorProcesso; ++i) esperados.push_back(prefixo + std::to_string(1000 + i));
  }
  EXPECT_EQ(nomes, esperados);
}

}  // namespace
}  // namespace cifra
