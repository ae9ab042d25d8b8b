#pragma once
// What every reader target shares: one scratch data folder per process (in
// memory when /dev/shm is there), and the input written as one of its files.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "library/arquivo_registros.h"
#include "library/pasta_dados.h"

namespace cifra::fuzz {

inline const PastaDeDados& Pasta() {
  static const PastaDeDados pasta = [] {
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    return PastaDeDados(base / ("cifra-fuzz-" + std::to_string(::getpid())));
  }();
  return pasta;
}

// Replaces the folder's file `nome` with exactly these bytes.
inline void Escreve(const char* nome, const uint8_t* dados, size_t tamanho) {
  std::ofstream f(Pasta().Raiz() / nome, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
}

// A finding the sanitizers would not see by themselves.
inline void Confere(bool condicao) {
  if (!condicao) std::abort();
}

// Runs a reader; a file it refuses with its own error is an answer, not a finding.
template <class F>
void SemErroDeArquivo(F&& ler) {
  try {
    ler();
  } catch (const ErroDeArquivo&) {
  }
}

}  // namespace cifra::fuzz
