// The settings records, byte by byte. Every expected record below is written
// out by hand from the file layouts, with every field holding a value no
// other field holds, so that two fields swapped in the code cannot pass.
#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "library/ordem.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

namespace cifra {
namespace {
using teste::LeBytes;
using teste::PastaTemporaria;
using Bytes = std::vector<uint8_t>;

// A record of n bytes of `fundo` with the given pieces laid in.
Bytes Registro(size_t n, uint8_t fundo, std::initializer_list<std::pair<size_t, Bytes>> pecas) {
  Bytes r(n, fundo);
  for (const auto& [pos, b] : pecas) std::copy(b.begin(), b.end(), r.begin() + static_cast<long>(pos));
  return r;
}
Bytes Texto(std::string_view s, size_t n) {  // blank-padded ASCII
  Bytes b(n, ' ');
  std::copy(s.begin(), s.end(), b.begin());
  return b;
}
const Bytes kVerdadeiro{0xFF, 0xFF};

struct Pasta {
  PastaTemporaria raiz;
  PastaDeDados pasta{raiz.Caminho()};
};

TEST(Opcoes, RegistroComTodosOsCamposDistintos) {
  ProgramOptions o;
  o.ImprimirDescricao = true;
  o.ImprimirNumero = false;
  o.ImprimirPretoEmBranco = false;
  o.ImprimirFolhaRosto = true;
  o.ImprimirCabecalho = false;
  o.Reservado = {1, 2, 3, 4, 5, 6};
  o.TopicoAtivo.fill(false);
  o.TopicoAtivo[0] = o.TopicoAtivo[2] = o.TopicoAtivo[30] = true;
  o.EscutarSons = false;
  o.ImagemCabecalho = "C:\\fig.bmp";
  o.ExibirQuadroNumerologico = true;
  o.TipoImpressao = 0x1234;
  o.ConsiderarDiaNascimento = false;
  o.NumerosMagicos = true;
  const Bytes esperado = Registro(168, 0, {
      {0, kVerdadeiro}, {6, kVerdadeiro}, {10, {1, 2, 3, 4, 5, 6}},
      {16, kVerdadeiro}, {20, kVerdadeiro}, {76, kVerdadeiro},
      {80, Texto("C:\\fig.bmp", 80)}, {160, kVerdadeiro}, {162, {0x34, 0x12}},
      {166, kVerdadeiro}});
  Pasta p;
  GravarEstadoPrograma(p.pasta, o);
  EXPECT_EQ(LeBytes(p.raiz / "cifralumina.dat"), esperado);
  teste::EscreveBytes(p.raiz / "cifralumina.dat", esperado);
  EXPECT_EQ(CarregarEstadoPrograma(p.pasta), o);
}

// Flags can only be true or false: each is set alone, written and read.
TEST(Opcoes, CadaFlagNoSeuLugar) {
  using O = ProgramOptions;
  const std::pair<size_t, bool O::*> flags[] = {
      {0, &O::ImprimirDescricao}, {2, &O::ImprimirNumero},   {4, &O::ImprimirPretoEmBranco},
      {6, &O::ImprimirFolhaRosto}, {8, &O::ImprimirCabecalho}, {78, &O::EscutarSons},
      {160, &O::ExibirQuadroNumerologico}, {164, &O::ConsiderarDiaNascimento},
      {166, &O::NumerosMagicos}};
  Pasta p;
  for (const auto& [pos, membro] : flags) {
    SCOPED_TRACE(pos);
    O o;
    for (const auto& [_, m] : flags) o.*m = false;
    o.TopicoAtivo.fill(false);
    o.*membro = true;
    o.TipoImpressao = 0;
    GravarEstadoPrograma(p.pasta, o);
    const Bytes b = LeBytes(p.raiz / "cifralumina.dat");
    EXPECT_EQ(b, Registro(168, 0, {{pos, kVerdadeiro}, {80, Texto("[Nulo]", 80)}}));
    EXPECT_EQ(CarregarEstadoPrograma(p.pasta), o);
  }
}

TEST(Opcoes, PrimeiroUsoEArquivoEscritoAMao) {
  Pasta p;
  EXPECT_EQ(CarregarEstadoPrograma(p.pasta), ProgramOptions{});
  EXPECT_EQ(LeBytes(p.raiz / "cifralumina.dat"),
            Registro(168, 0, {{0, kVerdadeiro}, {4, kVerdadeiro}, {18, kVerdadeiro},
                              {62, kVerdadeiro}, {66, kVerdadeiro}, {68, kVerdadeiro},
                              {70, kVerdadeiro}, {78, kVerdadeiro}, {80, Texto("[Nulo]", 80)},
                              {162, {2, 0}}}));
  // A short file under another case: any non-zero flag is true, no path means the signs.
  PastaTemporaria raiz;
  teste::EscreveBytes(raiz / "CIFRALUMINA.DAT", Registro(100, 0, {{0, {1, 0}}, {10, {0xAB}}}));
  const PastaDeDados pasta(raiz.Caminho());
  const ProgramOptions o = CarregarEstadoPrograma(pasta);
  EXPECT_TRUE(o.ImprimirDescricao);
  EXPECT_FALSE(o.EscutarSons);
  EXPECT_EQ(o.ImagemCabecalho, "[Nulo]");
  EXPECT_EQ(o.Reservado[0], 0xAB);
  GravarEstadoPrograma(pasta, o);
  EXPECT_EQ(LeBytes(raiz / "CIFRALUMINA.DAT")[10], 0xAB);
  EXPECT_FALSE(std::filesystem::exists(raiz / "cifralumina.dat"));
}

TEST(Fontes, RegistroComTodosOsCamposDistintos) {
  const Fontes f{{"Arial", true, false, 9}, {"Verdana", false, true, 11}, {"Tahoma", true, true, 13}};
  const Bytes esperado = Registro(168, 0, {
      {0, Texto("Arial", 50)}, {50, kVerdadeiro}, {54, {9, 0}},
      {56, Texto("Verdana", 50)}, {108, kVerdadeiro}, {110, {11, 0}},
      {112, Texto("Tahoma", 50)}, {162, kVerdadeiro}, {164, kVerdadeiro}, {166, {13, 0}}});
  Pasta p;
  EXPECT_EQ(LerFontes(p.pasta), Fontes{});  // first use writes the defaults
  EXPECT_EQ(LeBytes(p.raiz / "fontes.dat")[112], 'T');
  GravarFontes(p.pasta, f);
  EXPECT_EQ(LeBytes(p.raiz / "fontes.dat"), esperado);
  teste::EscreveBytes(p.raiz / "fontes.dat", esperado);
  EXPECT_EQ(LerFontes(p.pasta), f);
  // A long name is cut to its 50 bytes; a file cut short reads zeros.
  GravarFontes(p.pasta, {f.FonteTitulo, f.FonteDescricao, {std::string(60, 'N'), false, false, 1}});
  EXPECT_EQ(LerFontes(p.pasta).FonteTexto.Nome, std::string(50, 'N'));
  teste::EscreveBytes(p.raiz / "fontes.dat", Bytes(esperado.begin(), esperado.begin() + 60));
  const Fontes curta = LerFontes(p.pasta);
  EXPECT_EQ(curta.FonteTitulo, f.FonteTitulo);
  EXPECT_EQ(curta.FonteDescricao.Nome, "Verd");
  EXPECT_EQ(curta.FonteTexto, (Fonte{"", false, false, 0}));
}

TEST(Margens, RegistroComTodosOsCamposDistintos) {
  Pasta p;
  EXPECT_EQ(LerMargens(p.pasta), Margens{});  // 10 mm: 00 00 20 41
  const Bytes padrao = Registro(168, 0, {{0, {0, 0, 0x20, 0x41, 0, 0, 0x20, 0x41, 0, 0, 0x20,
                                             0x41, 0, 0, 0x20, 0x41}}});
  EXPECT_EQ(LeBytes(p.raiz / "margens.dat"), padrao);
  Bytes antes = padrao;
  antes[100] = 0x55;  // bytes after the four floats are not touched
  teste::EscreveBytes(p.raiz / "margens.dat", antes);
  GravarMargens(p.pasta, {1.5f, 2.5f, 3.5f, 4.5f});
  const Bytes esperado = Registro(168, 0, {{0, {0, 0, 0xC0, 0x3F, 0, 0, 0x20, 0x40, 0, 0, 0x60,
                                               0x40, 0, 0, 0x90, 0x40}}, {100, {0x55}}});
  EXPECT_EQ(LeBytes(p.raiz / "margens.dat"), esperado);
  EXPECT_EQ(LerMargens(p.pasta), (Margens{1.5f, 2.5f, 3.5f, 4.5f}));
}

TEST(Ordem, RegistroComTodosOsCamposDistintos) {
  Pasta p;
  EXPECT_EQ(LerOrdemTopicos(p.pasta), OrdemPadrao());
  Bytes esperado(62, 0);
  for (int i = 0; i <= 30; ++i) esperado[2 * i] = static_cast<uint8_t>(i);
  EXPECT_EQ(LeBytes(p.raiz / "ordem.dat"), esperado);
  // Slot i holds 0x100 + 40 - i: every slot different, high bytes too.
  OrdemDosTopicos ordem{};
  for (int i = 0; i <= 30; ++i) {
    ordem[i] = static_cast<int16_t>(0x100 + 40 - i);
    esperado[2 * i] = static_cast<uint8_t>(40 - i);
    esperado[2 * i + 1] = 1;
  }
  GravarOrdemTopicos(p.pasta, ordem);
  EXPECT_EQ(LeBytes(p.raiz / "ordem.dat"), esperado);
  teste::EscreveBytes(p.raiz / "ordem.dat", {0, 0, 0x1E, 0, 0x63});  // short, hand-written
  const auto curta = LerOrdemTopicos(p.pasta);
  EXPECT_EQ(curta[1], 30);
  EXPECT_EQ(curta[2], 0x63);
  EXPECT_EQ(curta[30], 0);
}

TEST(Rodape, RegistrosComTodosOsCamposDistintos) {
  Pasta p;
  EXPECT_EQ(LerLinhasRodape(p.pasta), LinhasRodape{});
  EXPECT_FALSE(std::filesystem::exists(p.raiz / "rodape.dat"));
  const LinhasRodape l{"Um!", "Dois", "Cabeç"};
  GravarLinhasRodape(p.pasta, l);
  const Bytes esperado = Registro(407, 0, {{0, {3, 0, 'U', 'm', '!'}},
                                           {200, {4, 0, 'D', 'o', 'i', 's'}},
                                           {400, {5, 0, 'C', 'a', 'b', 'e', 0xE7}}});
  EXPECT_EQ(LeBytes(p.raiz / "rodape.dat"), esperado);
  EXPECT_EQ(LerLinhasRodape(p.pasta), l);
  // A shorter line over a longer one: the length decides, old bytes stay.
  GravarLinhasRodape(p.pasta, {"U", "Dois", "Cabeç"});
  EXPECT_EQ(LerLinhasRodape(p.pasta).LinhaRodapeUm, "U");
  EXPECT_EQ(LeBytes(p.raiz / "rodape.dat")[3], 'm');
  // Cut to 198 characters; a damaged length cannot read past the record.
  GravarLinhasRodape(p.pasta, {std::string(250, 'x'), "", ""});
  EXPECT_EQ(LerLinhasRodape(p.pasta).LinhaRodapeUm, std::string(198, 'x'));
  auto b = LeBytes(p.raiz / "rodape.dat");
  b[0] = 0xFF;
  b[1] = 0x7F;
  teste::EscreveBytes(p.raiz / "rodape.dat", b);
  EXPECT_EQ(LerLinhasRodape(p.pasta).LinhaRodapeUm.size(), 198u);
}

}  // namespace
}  // namespace cifra
