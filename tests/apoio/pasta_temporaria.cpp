#include "apoio/pasta_temporaria.h"

#include <fstream>
#include <iterator>
#include <random>

namespace cifra::teste {
namespace fs = std::filesystem;

PastaTemporaria::PastaTemporaria() {
  std::random_device rd;
  caminho_ = fs::temp_directory_path() / ("cifra-teste-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(caminho_);
}

PastaTemporaria::~PastaTemporaria() {
  std::error_code ec;
  fs::remove_all(caminho_, ec);
}

std::vector<uint8_t> LeBytes(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void EscreveBytes(const fs::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

}  // namespace cifra::teste
