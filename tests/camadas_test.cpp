// The layers of the source tree, lowest first: a file may include its own
// layer and the layers below it, never one above, and the two top layers
// (the command line and the windows) never include each other. Each layer is
// its own library, so a call upwards does not link either; this test reads
// the #include lines, which would still compile.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {
namespace fs = std::filesystem;

struct Camada {
  const char* pasta;
  int nivel;
};
constexpr Camada kCamadas[] = {{"engine", 0},       {"library", 1},       {"settings", 2},
                               {"analysis", 3},     {"presentation", 4},  {"printing", 5},
                               {"linha_comando", 6}, {"janelas", 6}};

const Camada* CamadaDaPasta(const std::string& pasta) {
  for (const Camada& c : kCamadas) {
    if (pasta == c.pasta) return &c;
  }
  return nullptr;
}

// Every include of a file of ours that its layer may not make, as
// "file:line includes folder/...".
std::vector<std::string> IncludesProibidos(const fs::path& fontes) {
  const std::regex include(R"re(^\s*#\s*include\s*[<"]([a-z_]+)/[^">]+[">])re");
  const std::regex widgets(R"re(^\s*#\s*include\s*<(QtWidgets/|Q(Widget|Dialog|MainWindow|Application|MessageBox)\b))re");
  std::vector<std::string> proibidos;
  for (const auto& entrada : fs::recursive_directory_iterator(fontes)) {
    const auto ext = entrada.path().extension();
    if (ext != ".h" && ext != ".cpp") continue;
    const std::string relativo = entrada.path().lexically_relative(fontes).string();
    const Camada* camada = CamadaDaPasta(entrada.path().lexically_relative(fontes).begin()->string());
    if (!camada) {
      proibidos.push_back(relativo + " is in no layer");
      continue;
    }
    std::ifstream f(entrada.path());
    std::string linha;
    for (int n = 1; std::getline(f, linha); ++n) {
      const std::string onde = relativo + ":" + std::to_string(n);
      std::smatch m;
      if (std::string(camada->pasta) != "janelas" && std::regex_search(linha, m, widgets)) {
        proibidos.push_back(onde + " includes QtWidgets outside janelas/");
      }
      if (!std::regex_search(linha, m, include)) continue;
      const Camada* incluida = CamadaDaPasta(m[1]);
      if (!incluida || incluida == camada) continue;  // a library's own folder, or the same layer
      if (incluida->nivel >= camada->nivel) {
        proibidos.push_back(onde + " includes \"" + m[1].str() + "/...\", not a lower layer");
      }
    }
  }
  return proibidos;
}

TEST(Camadas, NenhumIncludeDeUmaCamadaDeCima) {
  for (const std::string& p : IncludesProibidos(CIFRA_FONTES_DIR)) ADD_FAILURE() << p;
}

}  // namespace
