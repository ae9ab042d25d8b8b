#include "library/arquivo_registros.h"

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "library/pasta_dados.h"
#include "library/windows1252.h"

namespace cifra {
namespace {
using teste::LeBytes;
using teste::PastaTemporaria;

TEST(Windows1252, TodosOsBytesVaoEVoltam) {
  std::string todos;
  for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
  const std::string utf8 = DeWindows1252(todos);
  int perdas = -1;
  EXPECT_EQ(ParaWindows1252(utf8, &perdas), todos);
  EXPECT_EQ(perdas, 0);
}

TEST(Windows1252, CaracteresConhecidos) {
  struct Caso { const char* utf8; const char* bytes; };
  const Caso casos[] = {{"€", "\x80"}, {"ç", "\xE7"}, {"Ã", "\xC3"}, {"“", "\x93"},
                        {"—", "\x97"}, {"Ÿ", "\x9F"}, {"ž", "\x9E"}, {"ÿ", "\xFF"}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(ParaWindows1252(c.utf8), c.bytes);
    EXPECT_EQ(DeWindows1252(c.bytes), c.utf8);
  }
  int perdas = 0;
  EXPECT_EQ(ParaWindows1252("a✓b€", &perdas), "a?b\x80");
  EXPECT_EQ(perdas, 1);
  EXPECT_FALSE(CodificavelEmWindows1252("Ω"));
}

TEST(ArquivoDeRegistros, CriaLeEGravaComLacunas) {
  PastaTemporaria pasta;
  ArquivoDeRegistros f(pasta / "x.dat", 4);
  EXPECT_TRUE(std::filesystem::exists(pasta / "x.dat"));
  EXPECT_TRUE(f.Vazio());
  EXPECT_EQ(f.Le(1), std::vector<uint8_t>(4, 0));
  const std::vector<uint8_t> r{1, 2, 3, 4};
  f.Grava(3, r);  // records 1 and 2 become zeros
  EXPECT_EQ(LeBytes(pasta / "x.dat"), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}));
  EXPECT_EQ(f.Registros(), 3);
  EXPECT_EQ(f.Le(3), r);
  EXPECT_EQ(f.Le(0), std::vector<uint8_t>(4, 0));
  // A partial write keeps the rest of the record.
  const std::vector<uint8_t> dois{9, 9};
  f.Grava(3, dois);
  EXPECT_EQ(f.Le(3), (std::vector<uint8_t>{9, 9, 3, 4}));
  // A short last record reads with zeros after the end.
  teste::EscreveBytes(pasta / "curto.dat", {7, 7, 7, 7, 5});
  EXPECT_EQ(ArquivoDeRegistros(pasta / "curto.dat", 4).Le(2), (std::vector<uint8_t>{5, 0, 0, 0}));
}

TEST(Campos, InteirosFlagsFloatsETextos) {
  std::vector<uint8_t> r(20, 0);
  GravaInt16(r, 0, -2);
  EXPECT_EQ(r[0], 0xFE);
  EXPECT_EQ(r[1], 0xFF);
  EXPECT_EQ(LeInt16(r, 0), -2);
  EXPECT_EQ(LeUInt16(r, 0), 0xFFFE);
  GravaFlag(r, 2, true);
  EXPECT_TRUE(LeFlag(r, 2));
  EXPECT_EQ(LeInt16(r, 2), -1);
  GravaFloat(r, 4, 10.0f);
  EXPECT_EQ((std::vector<uint8_t>{r[4], r[5], r[6], r[7]}), (std::vector<uint8_t>{0, 0, 0x20, 0x41}));
  EXPECT_FLOAT_EQ(LeFloat(r, 4), 10.0f);
  GravaTextoFixo(r, 8, 6, "Ação longa");
  EXPECT_EQ(std::string(r.begin() + 8, r.begin() + 14), "A\xE7\xE3o l");
  EXPECT_EQ(LeTextoFixo(r, 8, 6), "Ação l");
  GravaTextoFixo(r, 8, 6, "Oi");
  EXPECT_EQ(std::string(r.begin() + 8, r.begin() + 14), "Oi    ");
  // NULs trim like blanks, at both ends.
  const std::vector<uint8_t> nul{' ', 'a', 'b', ' ', 0, 0};
  EXPECT_EQ(LeTextoFixo(nul, 0, 6), "ab");
  EXPECT_EQ(AparaBrancos(std::string_view(" \0x\r\n \0", 7)), "x\r\n");
  EXPECT_EQ(LeInt16(r, 19), 0);  // a field past the end reads as zero
}

TEST(PastaDeDados, NomesSemDiferencaDeCaixa) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz / "nova" / "pasta");
  EXPECT_TRUE(std::filesystem::is_directory(raiz / "nova" / "pasta"));
  teste::EscreveBytes(raiz / "nova" / "pasta" / "HEADER.DAT", {1});
  EXPECT_EQ(pasta.Arquivo("Header.DAT").filename(), "HEADER.DAT");
  EXPECT_EQ(pasta.Arquivo("ordem.dat").filename(), "ordem.dat");
}

}  // namespace
}  // namespace cifra
