#include "arquivo_registros.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "windows1252.h"

namespace cifra {
namespace fs = std::filesystem;

namespace {

std::string Explica(const std::string& acao, const fs::path& caminho) {
  std::string motivo;
  if (errno == ENOSPC) {
    motivo = " Não há espaço livre no disco.";
  } else if (errno == EACCES || errno == EROFS || errno == EPERM) {
    motivo = " O programa não tem permissão para isso.";
  }
  return "Não foi possível " + acao + " o arquivo \"" + caminho.string() + "\"." + motivo;
}

}  // namespace

ArquivoDeRegistros::ArquivoDeRegistros(fs::path caminho, size_t tamanho)
    : caminho_(std::move(caminho)), tamanho_(tamanho) {
  std::error_code ec;
  if (fs::exists(caminho_, ec)) return;
  errno = 0;
  std::ofstream cria(caminho_, std::ios::binary | std::ios::app);
  if (!cria) throw ErroDeArquivo(Explica("criar", caminho_));
}

uint64_t ArquivoDeRegistros::Tamanho() const {
  std::error_code ec;
  const auto t = fs::file_size(caminho_, ec);
  return ec ? 0 : t;
}

int64_t ArquivoDeRegistros::Registros() const {
  return static_cast<int64_t>((Tamanho() + tamanho_ - 1) / tamanho_);
}

std::vector<uint8_t> ArquivoDeRegistros::Le(int64_t n) const {
  std::vector<uint8_t> bytes(tamanho_, 0);
  if (n < 1) return bytes;
  const uint64_t inicio = static_cast<uint64_t>(n - 1) * tamanho_;
  const uint64_t total = Tamanho();
  if (inicio >= total) return bytes;
  std::ifstream f(caminho_, std::ios::binary);
  if (!f) throw ErroDeArquivo(Explica("ler", caminho_));
  f.seekg(static_cast<std::streamoff>(inicio));
  f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(tamanho_));
  return bytes;  // a short read leaves the zeros in place
}

std::vector<uint8_t> ArquivoDeRegistros::LeTudo() const {
  std::vector<uint8_t> bytes(Tamanho(), 0);
  std::ifstream f(caminho_, std::ios::binary);
  if (!f) throw ErroDeArquivo(Explica("ler", caminho_));
  f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void ArquivoDeRegistros::Grava(int64_t n, std::span<const uint8_t> bytes) {
  if (n < 1) throw ErroDeArquivo(Explica("gravar", caminho_));
  const size_t quantos = std::min(bytes.size(), tamanho_);
  const uint64_t inicio = static_cast<uint64_t>(n - 1) * tamanho_;
  errno = 0;
  std::fstream f(caminho_, std::ios::binary | std::ios::in | std::ios::out);
  if (!f) {
    f.clear();
    f.open(caminho_, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!f) throw ErroDeArquivo(Explica("gravar", caminho_));
  }
  f.seekp(0, std::ios::end);
  const auto fim = static_cast<uint64_t>(f.tellp());
  if (fim < inicio) {
    const std::vector<char> zeros(inicio - fim, 0);
    f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
  }
  f.seekp(static_cast<std::streamoff>(inicio));
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(quantos));
  f.flush();
  if (!f) throw ErroDeArquivo(Explica("gravar", caminho_));
}

int16_t LeInt16(std::span<const uint8_t> r, size_t pos) {
  return static_cast<int16_t>(LeUInt16(r, pos));
}

uint16_t LeUInt16(std::span<const uint8_t> r, size_t pos) {
  if (pos + 2 > r.size()) return 0;
  return static_cast<uint16_t>(r[pos] | (r[pos + 1] << 8));
}

void GravaInt16(std::span<uint8_t> r, size_t pos, int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  r[pos] = static_cast<uint8_t>(u & 0xFF);
  r[pos + 1] = static_cast<uint8_t>(u >> 8);
}

float LeFloat(std::span<const uint8_t> r, size_t pos) {
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | r[pos + i];
  return std::bit_cast<float>(u);
}

void GravaFloat(std::span<uint8_t> r, size_t pos, float v) {
  auto u = std::bit_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i, u >>= 8) r[pos + i] = static_cast<uint8_t>(u & 0xFF);
}

std::string LeTextoFixo(std::span<const uint8_t> r, size_t pos, size_t tamanho) {
  const auto bytes = r.subspan(pos, tamanho);
  return AparaBrancosADireita(
      DeWindows1252(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

void GravaTextoFixo(std::span<uint8_t> r, size_t pos, size_t tamanho, std::string_view utf8) {
  const std::string bytes = ParaWindows1252(utf8);
  for (size_t i = 0; i < tamanho; ++i) {
    r[pos + i] = i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : ' ';
  }
}

namespace {
bool EhBranco(char c) { return c == ' ' || c == '\0'; }
}  // namespace

std::string AparaBrancosADireita(std::string_view s) {
  size_t fim = s.size();
  while (fim > 0 && EhBranco(s[fim - 1])) --fim;
  return std::string(s.substr(0, fim));
}

std::string AparaBrancos(std::string_view s) {
  size_t inicio = 0;
  while (inicio < s.size() && EhBranco(s[inicio])) ++inicio;
  return AparaBrancosADireita(s.substr(inicio));
}

}  // namespace cifra
