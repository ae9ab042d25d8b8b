// Any typed name and date (split at the first NUL or line break): the rules
// of a request never fail, and what they hand on is valid Unicode.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "analysis/pedido.h"
#include "apoio_fuzz.h"
#include "engine/numerologia.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  using namespace cifra;
  const std::string_view tudo(reinterpret_cast<const char*>(dados), tamanho);
  const size_t corte = std::min(tudo.find('\0'), tudo.find('\n'));
  const std::string_view nome = tudo.substr(0, corte);
  const std::string_view data = corte < tudo.size() ? tudo.substr(corte + 1) : std::string_view();
  const Data hoje{6, 12, 2026};

  const std::u32string normal = NormalizaNome(nome);
  for (char32_t c : normal) fuzz::Confere(c >= 0x20 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
  // What goes out as UTF-8 decodes back to the same characters.
  const std::string utf8 = Utf8(DobraNome(normal));
  fuzz::Confere(Utf8(Utf32(utf8)) == utf8);

  if (const auto d = InterpretaData(data, hoje)) fuzz::Confere(DataValida(*d));
  (void)CompletaData(data, hoje);
  (void)LeData(data);
  std::string recusa;
  if (const auto p = AceitaPedido(nome, data, hoje, &recusa)) {
    fuzz::Confere(p->Nome.size() >= kMinimoDeCaracteresDoNome);
  } else {
    fuzz::Confere(!recusa.empty());
  }
  return 0;
}
