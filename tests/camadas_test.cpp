// The layers of the source tree, lowest first. A file may include its own
// layer and the layers below it, never one above: the build would still
// compile such an include, so this test reads the #include lines themselves.
// The windows (frm_*, janela_*) sit beside the module they serve but form
// the top layer, above the shell: they may include anything, and nothing
// outside them may include one of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {
namespace fs = std::filesystem;

constexpr const char* kCamadas[] = {"engine",       "library",  "settings", "analysis",
                                    "presentation", "printing", "shell",    "janelas"};
constexpr int kJanelas = 7;

// The windows, and the window program's entry.
bool EhJanela(const std::string& nomeDoArquivo) {
  return nomeDoArquivo.starts_with("frm_") || nomeDoArquivo.starts_with("janela") ||
         nomeDoArquivo == "main_janelas.cpp";
}

int Camada(const std::string& pasta) {
  for (int i = 0; i < static_cast<int>(std::size(kCamadas)); ++i) {
    if (pasta == kCamadas[i]) return i;
  }
  return -1;
}

TEST(Camadas, NenhumIncludeDeUmaCamadaDeCima) {
  const fs::path fontes = CIFRA_FONTES_DIR;
  const std::regex include(R"re(^\s*#\s*include\s*"([a-z_]+)/([^"]+)")re");
  const std::regex janelaAoLado(R"re(^\s*#\s*include\s*"(frm_|janela)[^"/]*")re");
  int arquivos = 0;
  for (const auto& entrada : fs::recursive_directory_iterator(fontes)) {
    const auto ext = entrada.path().extension();
    if (ext != ".h" && ext != ".cpp") continue;
    const int pasta = Camada(entrada.path().lexically_relative(fontes).begin()->string());
    ASSERT_GE(pasta, 0) << entrada.path() << " is in no layer";
    const int camada = EhJanela(entrada.path().filename().string()) ? kJanelas : pasta;
    ++arquivos;
    std::ifstream f(entrada.path());
    std::string linha;
    for (int n = 1; std::getline(f, linha); ++n) {
      std::smatch m;
      if (std::regex_search(linha, m, janelaAoLado)) {
        EXPECT_EQ(camada, kJanelas) << entrada.path().lexically_relative(fontes).string() << ":"
                                    << n << " includes a window";
        continue;
      }
      if (!std::regex_search(linha, m, include)) continue;
      int incluida = Camada(m[1]);
      if (incluida < 0) continue;  // not a folder of ours
      if (EhJanela(fs::path(m[2].str()).filename().string())) incluida = kJanelas;
      EXPECT_LE(incluida, camada) << entrada.path().lexically_relative(fontes).string() << ":" << n
                                  << " includes \"" << m[1] << "/...\", a higher layer";
    }
  }
  EXPECT_GT(arquivos, 50);
}

}  // namespace
