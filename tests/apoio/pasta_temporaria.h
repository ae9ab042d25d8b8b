#pragma once
// A fresh, empty data folder for one test, removed afterwards; reading and
// writing a file's bytes, and what another reader finds in a document.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace cifra::teste {

class PastaTemporaria {
 public:
  PastaTemporaria() {
    std::random_device rd;
    caminho_ = std::filesystem::temp_directory_path() / ("cifra-teste-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(caminho_);
  }
  ~PastaTemporaria() {
    std::error_code ec;
    std::filesystem::remove_all(caminho_, ec);
  }
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  const std::filesystem::path& Caminho() const { return caminho_; }
  std::filesystem::path operator/(const std::string& nome) const { return caminho_ / nome; }

 private:
  std::filesystem::path caminho_;
};

inline std::vector<uint8_t> LeBytes(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
inline std::string LeTexto(const std::filesystem::path& p) {
  const auto b = LeBytes(p);
  return {b.begin(), b.end()};
}
inline void EscreveBytes(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream(p, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
inline std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

// What a reader other than Qt (odt2txt) finds in an OpenDocument file.
inline std::string TextoDoOdt(const std::filesystem::path& arquivo) {
  const std::string comando = "odt2txt --encoding=UTF-8 '" + arquivo.string() + "'";
  std::string texto;
  if (FILE* f = popen(comando.c_str(), "r")) {
    char bloco[4096];
    for (size_t n; (n = fread(bloco, 1, sizeof bloco, f)) > 0;) texto.append(bloco, n);
    pclose(f);
  }
  return texto;
}

}  // namespace cifra::teste
