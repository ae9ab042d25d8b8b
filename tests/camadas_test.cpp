// The layers of the source tree, lowest first. A file may include its own
// layer and the layers below it, never one above: the build would still
// compile such an include, so this test reads the #include lines themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {
namespace fs = std::filesystem;

constexpr const char* kCamadas[] = {"engine",       "library",  "settings", "analysis",
                                    "presentation", "printing", "shell"};

int Camada(const std::string& pasta) {
  for (int i = 0; i < static_cast<int>(std::size(kCamadas)); ++i) {
    if (pasta == kCamadas[i]) return i;
  }
  return -1;
}

TEST(Camadas, NenhumIncludeDeUmaCamadaDeCima) {
  const fs::path fontes = CIFRA_FONTES_DIR;
  const std::regex include(R"re(^\s*#\s*include\s*"([a-z_]+)/[^"]+")re");
  int arquivos = 0;
  for (const auto& entrada : fs::recursive_directory_iterator(fontes)) {
    const auto ext = entrada.path().extension();
    if (ext != ".h" && ext != ".cpp") continue;
    const int camada = Camada(entrada.path().lexically_relative(fontes).begin()->string());
    ASSERT_GE(camada, 0) << entrada.path() << " is in no layer";
    ++arquivos;
    std::ifstream f(entrada.path());
    std::string linha;
    for (int n = 1; std::getline(f, linha); ++n) {
      std::smatch m;
      if (!std::regex_search(linha, m, include)) continue;
      const int incluida = Camada(m[1]);
      if (incluida < 0) continue;  // not a folder of ours
      EXPECT_LE(incluida, camada) << entrada.path().lexically_relative(fontes).string() << ":" << n
                                  << " includes \"" << m[1] << "/...\", a higher layer";
    }
  }
  EXPECT_GT(arquivos, 50);
}

}  // namespace
