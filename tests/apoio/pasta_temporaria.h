#pragma once
// A fresh, empty data folder for one test, removed afterwards.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cifra::teste {

class PastaTemporaria {
 public:
  PastaTemporaria();
  ~PastaTemporaria();
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  const std::filesystem::path& Caminho() const { return caminho_; }
  std::filesystem::path operator/(const std::string& nome) const { return caminho_ / nome; }

 private:
  std::filesystem::path caminho_;
};

std::vector<uint8_t> LeBytes(const std::filesystem::path& p);
void EscreveBytes(const std::filesystem::path& p, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> Bytes(std::string_view s);

}  // namespace cifra::teste
