#pragma once
// The default files of a fresh installation, embedded at build time.
#include <span>
#include <string_view>

namespace cifra {

struct ArquivoPadrao {
  std::string_view nome;   // file name in the data folder
  std::string_view bytes;  // exact content
};

std::span<const ArquivoPadrao> ArquivosPadrao();

}  // namespace cifra
