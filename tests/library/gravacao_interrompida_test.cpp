// A save killed in the middle: the process writing an operator's text file is
// killed while the new content is still going out. The file must keep every
// byte it had; what was half-written is only a hidden file beside it.
#include <signal.h>

#include <chrono>

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;

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

}  // namespace
}  // namespace cifra
