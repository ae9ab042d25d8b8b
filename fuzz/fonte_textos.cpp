// Any text as the readable source of a library file.
#include <cstdint>
#include <string_view>

#include "library/fonte_textos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  try {
    (void)cifra::LeFonteDeTextos(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
  } catch (const cifra::ErroNaFonte&) {
  }
  return 0;
}
