#include "library/arquivo_registros.h"

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "engine/numerologia.h"
#include "library/windows1252.h"

namespace cifra {
namespace {
using teste::LeBytes;
using teste::PastaTemporaria;

TEST(Windows1252, TodosOsBytesVaoEVoltamEOQueNaoCabeViraInterrogacao) {
  // A swap of two characters keeps every round trip, so each byte is pinned
  // to its character: 0x80..0x9F as below, every other byte to its own value.
  const std::u32string bloco80 = U"€\x81‚ƒ„…†‡ˆ‰Š‹Œ\x8DŽ\x8F\x90‘’“”•–—˜™š›œ\x9DžŸ";
  ASSERT_EQ(bloco80.size(), 32u);
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Utf8(std::u32string(1, b >= 0x80 && b < 0xA0 ? bloco80[b - 0x80] : b));
    EXPECT_EQ(DeWindows1252(byte), utf8) << b;
    EXPECT_EQ(ParaWindows1252(utf8), byte) << b;
  }
  int perdas = -1;
  EXPECT_EQ(ParaWindows1252("a✓b€", &perdas), "a?b\x80");
  EXPECT_EQ(perdas, 1);
}

TEST(ArquivoDeRegistros, LacunasViramZerosERegistroCurtoSeCompleta) {
  PastaTemporaria pasta;
  ArquivoDeRegistros f(pasta / "x.dat", 4);
  EXPECT_TRUE(f.Vazio());
  const std::vector<uint8_t> r{1, 2, 3, 4};
  f.Grava(3, r);  // records 1 and 2 become zeros
  EXPECT_EQ(LeBytes(pasta / "x.dat"), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}));
  const std::vector<uint8_t> dois{9, 9};
  f.Grava(3, dois);  // a partial write keeps the rest of the record
  EXPECT_EQ(f.Le(3), (std::vector<uint8_t>{9, 9, 3, 4}));
  teste::EscreveBytes(pasta / "curto.dat", {7, 7, 7, 7, 5});
  EXPECT_EQ(ArquivoDeRegistros(pasta / "curto.dat", 4).Le(2), (std::vector<uint8_t>{5, 0, 0, 0}));
  // NULs trim like blanks; a field past the end reads as zero.
  EXPECT_EQ(AparaBrancos(std::string_view(" \0x\r\n \0", 7)), "x\r\n");
  EXPECT_EQ(LeInt16(r, 3), 0);
}

}  // namespace
}  // namespace cifra
