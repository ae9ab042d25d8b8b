#include "library/arquivo_registros.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "apoio/pasta_temporaria.h"
#include "engine/numerologia.h"
#include "library/clientes.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"
#include "library/ordem.h"
#include "library/padroes.h"
#include "library/windows1252.h"
#include "settings/configuracao.h"
#include "settings/rodape.h"

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
  ArquivoDeRegistros f(pasta / "x.dat", 4, 8);
  EXPECT_TRUE(f.Vazio());
  const std::vector<uint8_t> r{1, 2, 3, 4};
  f.Grava(3, r);  // records 1 and 2 become zeros
  EXPECT_EQ(LeBytes(pasta / "x.dat"), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}));
  const std::vector<uint8_t> dois{9, 9};
  f.Grava(3, dois);  // a partial write keeps the rest of the record
  EXPECT_EQ(f.Le(3), (std::vector<uint8_t>{9, 9, 3, 4}));
  teste::EscreveBytes(pasta / "curto.dat", {7, 7, 7, 7, 5});
  EXPECT_EQ(ArquivoDeRegistros(pasta / "curto.dat", 4, 8).Le(2), (std::vector<uint8_t>{5, 0, 0, 0}));
  // NULs trim like blanks; a field past the end reads as zero.
  EXPECT_EQ(AparaBrancos(std::string_view(" \0x\r\n \0", 7)), "x\r\n");
  EXPECT_EQ(LeInt16(r, 3), 0);
}

// Every file of the folder grown far past what its format holds (1 GB,
// sparse: nothing is written): read at once, as it was read before it grew,
// with one notice naming the file. A save then writes the format's size.
TEST(ArquivoGrande, CadaLeitorLeSoOQueOFormatoComporta) {
  teste::PastaTemporaria raiz;
  const Configuracao c = CarregarConfiguracao(raiz.Caminho().string());
  const PastaDeDados& pasta = c.pasta;
  const int16_t formula[] = {3, codigo_formula::kSomar, 5, codigo_formula::kFim};
  GravarFormula(pasta, kFormulaA, false, formula);
  GravarLinhasRodape(pasta, {"Um", "Dois", "Três"});
  const ContextoFormula contexto{U"MARIA DA SILVA", {12, 8, 1978}, {1, 1, 2026}};
  const std::pair<const char*, std::function<std::string()>> casos[] = {
      {"DEFUSERA.CFG", [&] { return std::to_string(CalculaNumeroDefinido(pasta, kFormulaA, contexto)); }},
      {"CVIDA.DAT", [&] { return LeInterpretacao(pasta, 3, "CVIDA.DAT", false); }},
      {"Header.DAT", [&] { return LerTitulos(pasta)[2]; }},
      {"cifralumina.dat", [&] { return CarregarEstadoPrograma(pasta).ImagemCabecalho; }},
      {"extras.dat", [&] { return std::to_string(CarregarEstadoPrograma(pasta).IncluirMapaCarmico); }},
      {"fontes.dat", [&] { return LerFontes(pasta).FonteTexto.Nome; }},
      {"margens.dat", [&] { return std::to_string(LerMargens(pasta).Esquerda); }},
      {"ordem.dat", [&] { return std::to_string(LerOrdemTopicos(pasta)[3]); }},
      {"rodape.dat", [&] { return LerLinhasRodape(pasta).LinhaCabecalho; }},
  };
  constexpr uintmax_t kUmGiga = uintmax_t{1} << 30;
  for (const auto& [arquivo, le] : casos) {
    SCOPED_TRACE(arquivo);
    const std::string antes = le();
    EXPECT_FALSE(antes.empty());
    TomaAvisosSobreArquivos();
    std::filesystem::resize_file(pasta.Arquivo(arquivo), kUmGiga);
    EXPECT_EQ(le(), antes);
    EXPECT_EQ(le(), antes);
    const auto avisos = TomaAvisosSobreArquivos();
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_NE(avisos[0].find("Ao ler o arquivo \"" + pasta.Arquivo(arquivo).string() + "\""),
              std::string::npos) << avisos[0];
    struct stat info {};
    ::stat(pasta.Arquivo(arquivo).c_str(), &info);
    EXPECT_LT(info.st_blocks * 512, 1 << 20);  // still sparse: nothing was copied
  }
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 1, "Um.");
  EXPECT_EQ(std::filesystem::file_size(pasta.Arquivo("CVIDA.DAT")), kRegistrosDeTexto * kRegistroTexto);
  // The program's own texts fit their bound.
  for (const std::string& nome : ArquivosPadrao()) {
    if (const auto bytes = ConteudoPadrao(nome); nome.ends_with(".DAT") || nome.ends_with(".dat")) {
      EXPECT_LE(bytes->size(), kRegistrosDeTexto * TamanhoDoRegistroDe(nome)) << nome;
    }
  }
  // The register past a million clients: counted up to the bound, never written.
  const auto cadastro = pasta.Arquivo("caduser.dat");
  teste::EscreveBytes(cadastro, {});
  std::filesystem::resize_file(cadastro, 1'000'001 * 337);
  EXPECT_EQ(ContarClientes(pasta), 1'000'000);
  try {
    AcrescentarCliente(pasta, {"Maria", "", "", "", "", "12/08/1978"});
    ADD_FAILURE();
  } catch (const ErroDeArquivo& e) {
    EXPECT_NE(std::string(e.what()).find("gravar o arquivo \"" + cadastro.string()), std::string::npos);
  }
  EXPECT_EQ(std::filesystem::file_size(cadastro), 1'000'001u * 337);
}

// What a save killed midway leaves (".NAME.XXXXXX") goes at start-up, and
// nothing else: not a fresh one (another program may be saving now), not a
// name of another form, not a folder.
TEST(ProvisorioAbandonado, SoOsNossosEAntigosSaoRemovidos) {
  teste::PastaTemporaria raiz;
  const std::pair<std::string, bool> casos[] = {
      {".caduser.dat.Ab12Cd", true},   {".CVIDA.DAT.x9Y8z7", true},    {".fontes.dat.000000", true},
      {".notas.txt.Ab12Cd", false},    {"caduser.dat.Ab12Cd", false},  {".caduser.dat.Ab12C", false},
      {".caduser.dat.Ab-2Cd", false},  {".caduser.dat.Ab12Cd~", false},
  };
  teste::EscreveBytes(raiz / "caduser.dat", {1});
  const auto antigo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (const auto& [nome, _] : casos) {
    teste::EscreveBytes(raiz / nome, {1, 2, 3});
    std::filesystem::last_write_time(raiz / nome, antigo);
  }
  teste::EscreveBytes(raiz / ".margens.dat.Novo12", {1});  // a save running now
  std::filesystem::create_directory(raiz / ".fontes.dat.Pasta1");
  std::filesystem::last_write_time(raiz / ".fontes.dat.Pasta1", antigo);
  CarregarConfiguracao(raiz.Caminho().string());
  for (const auto& [nome, removido] : casos) EXPECT_EQ(std::filesystem::exists(raiz / nome), !removido) << nome;
  EXPECT_TRUE(std::filesystem::exists(raiz / ".margens.dat.Novo12"));
  EXPECT_TRUE(std::filesystem::is_directory(raiz / ".fontes.dat.Pasta1"));
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), std::vector<uint8_t>{1});
}

}  // namespace
}  // namespace cifra
