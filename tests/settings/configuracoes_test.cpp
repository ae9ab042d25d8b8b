// The settings records, byte by byte. Every expected record below is written
// out by hand from the file layouts, with every field holding a value no
// other field holds, so that two fields swapped in the code cannot pass. And
// start-up, without windows, with settings files that cannot be read.
#include <gtest/gtest.h>

#include <algorithm>

#include "apoio/pasta_temporaria.h"
#include "library/arquivo_registros.h"
#include "settings/configuracao.h"
#include "library/ordem.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

namespace cifra {
namespace {
using teste::LeBytes;
using Bytes = std::vector<uint8_t>;

// A record of n zero bytes with the given pieces laid in.
Bytes Registro(size_t n, std::initializer_list<std::pair<size_t, Bytes>> pecas) {
  Bytes r(n, 0);
  for (const auto& [pos, b] : pecas) std::copy(b.begin(), b.end(), r.begin() + static_cast<long>(pos));
  return r;
}
Bytes Texto(std::string_view s, size_t n) {  // blank-padded
  Bytes b(n, ' ');
  std::copy(s.begin(), s.end(), b.begin());
  return b;
}
const Bytes kSim{0xFF, 0xFF};

// Written by the program, the record is the expected bytes; those bytes,
// written by hand, read back as the value.
template <class T, class Grava, class Le>
void Confere(const char* arquivo, Grava grava, Le le, const T& valor, const Bytes& esperado) {
  SCOPED_TRACE(arquivo);
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  grava(pasta, valor);
  EXPECT_EQ(LeBytes(raiz / arquivo), esperado);
  teste::EscreveBytes(raiz / arquivo, esperado);
  EXPECT_EQ(le(pasta), valor);
}

TEST(Registros, CadaArquivoDeConfiguracaoComTodosOsCamposDistintos) {
  ProgramOptions o;
  o.ImprimirDescricao = true;
  o.ImprimirNumero = o.ImprimirPretoEmBranco = o.ImprimirCabecalho = o.EscutarSons = false;
  o.ImprimirFolhaRosto = o.ExibirQuadroNumerologico = o.NumerosMagicos = true;
  o.Reservado = {1, 2, 3, 4, 5, 6};
  o.TopicoAtivo.fill(false);
  o.TopicoAtivo[0] = o.TopicoAtivo[2] = o.TopicoAtivo[30] = true;
  o.ImagemCabecalho = "C:\\fig.bmp";
  o.TipoImpressao = 0x1234;
  o.IncluirMapaCarmico = false;
  Confere("extras.dat", GravarEstadoPrograma, CarregarEstadoPrograma, o, Registro(64, {}));
  Confere("cifralumina.dat", GravarEstadoPrograma, CarregarEstadoPrograma, o,
          Registro(168, {{0, kSim}, {6, kSim}, {10, {1, 2, 3, 4, 5, 6}}, {16, kSim}, {20, kSim},
                         {76, kSim}, {80, Texto("C:\\fig.bmp", 80)}, {160, kSim},
                         {162, {0x34, 0x12}}, {166, kSim}}));

  Confere("fontes.dat", GravarFontes, LerFontes,
          Fontes{{"Arial", true, false, 9}, {"Verdana", false, true, 11}, {"Tahoma", true, true, 13}},
          Registro(168, {{0, Texto("Arial", 50)}, {50, kSim}, {54, {9, 0}},
                         {56, Texto("Verdana", 50)}, {108, kSim}, {110, {11, 0}},
                         {112, Texto("Tahoma", 50)}, {162, kSim}, {164, kSim}, {166, {13, 0}}}));

  Confere("margens.dat", GravarMargens, LerMargens, Margens{1.5f, 2.5f, 3.5f, 4.5f},
          Bytes{0, 0, 0xC0, 0x3F, 0, 0, 0x20, 0x40, 0, 0, 0x60, 0x40, 0, 0, 0x90, 0x40});

  // Slot i holds 0x100 + 40 - i: every slot different, high bytes too.
  OrdemDosTopicos ordem{};
  Bytes bytesDaOrdem(62, 0);
  for (int i = 0; i <= 30; ++i) {
    ordem[static_cast<size_t>(i)] = static_cast<int16_t>(0x100 + 40 - i);
    bytesDaOrdem[2 * i] = static_cast<uint8_t>(40 - i);
    bytesDaOrdem[2 * i + 1] = 1;
  }
  Confere("ordem.dat", GravarOrdemTopicos, LerOrdemTopicos, ordem, bytesDaOrdem);

  Confere("rodape.dat", GravarLinhasRodape, LerLinhasRodape, LinhasRodape{"Um!", "Dois", "Cabeç"},
          Registro(407, {{0, {3, 0, 'U', 'm', '!'}}, {200, {4, 0, 'D', 'o', 'i', 's'}},
                         {400, {5, 0, 'C', 'a', 'b', 'e', 0xE7}}}));
}

// Files of another case, cut short, or with lengths that lie: read without
// going past the record, and what was not understood is kept.
TEST(Registros, ArquivosCurtosOuDanificados) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  TomaAvisosSobreArquivos();
  teste::EscreveBytes(raiz / "CIFRALUMINA.DAT", Registro(100, {{0, {1, 0}}, {10, {0xAB}}, {80, Texto("/fig.png", 20)}}));
  const ProgramOptions o = CarregarEstadoPrograma(pasta);
  EXPECT_TRUE(o.ImprimirDescricao);  // any non-zero flag is true
  EXPECT_FALSE(o.EscutarSons);
  // A field the short record does not hold whole keeps its default: never
  // half a path, never a zero for a number that was not there.
  EXPECT_EQ(o.ImagemCabecalho, "[Nulo]");
  EXPECT_EQ(o.TipoImpressao, 2);
  EXPECT_EQ(CarregarEstadoPrograma(pasta), o);
  const auto avisos = TomaAvisosSobreArquivos();  // said once, however often read
  ASSERT_EQ(avisos.size(), 1u);
  EXPECT_NE(avisos[0].find("ler o arquivo \"" + (raiz / "CIFRALUMINA.DAT").string() + "\": está danificado"),
            std::string::npos) << avisos[0];
  GravarEstadoPrograma(pasta, o);
  EXPECT_EQ(LeBytes(raiz / "CIFRALUMINA.DAT")[10], 0xAB);
  EXPECT_FALSE(std::filesystem::exists(raiz / "cifralumina.dat"));

  GravarFontes(pasta, {{}, {}, {std::string(60, 'N'), false, false, 1}});
  EXPECT_EQ(LerFontes(pasta).FonteTexto.Nome, std::string(50, 'N'));
  // Cut inside the second font's name, a margin, an order slot, the header
  // line (it announces 4 bytes, 2 are there): the fields before the cut are
  // read, the rest are defaults.
  const auto corta = [&](const char* arquivo, size_t n) {
    auto b = LeBytes(raiz / arquivo);
    b.resize(n);
    teste::EscreveBytes(raiz / arquivo, b);
  };
  Fontes fontes;
  fontes.FonteTitulo = {"Verdana", false, false, 9};
  GravarFontes(pasta, {fontes.FonteTitulo, {"Tahoma", true, true, 20}, {}});
  corta("fontes.dat", 100);
  GravarMargens(pasta, {1, 2, 3, 4});
  corta("margens.dat", 11);
  OrdemDosTopicos invertida = OrdemPadrao(), esperada = OrdemPadrao();
  std::reverse(invertida.begin() + 1, invertida.end());
  std::copy_n(invertida.begin(), 4, esperada.begin());
  GravarOrdemTopicos(pasta, invertida);
  corta("ordem.dat", 9);
  GravarLinhasRodape(pasta, {"Um", "Dois", "Três"});
  corta("rodape.dat", 404);
  EXPECT_EQ(LerFontes(pasta), fontes);
  EXPECT_EQ(LerMargens(pasta), (Margens{1, 2, 10, 10}));
  EXPECT_EQ(LerOrdemTopicos(pasta), esperada);
  EXPECT_EQ(LerLinhasRodape(pasta), (LinhasRodape{"Um", "Dois", LinhasRodape{}.LinhaCabecalho}));
  EXPECT_EQ(TomaAvisosSobreArquivos().size(), 4u);

  // A shorter line over a longer one keeps the old bytes; a damaged length
  // cannot read past its 198 characters.
  GravarLinhasRodape(pasta, {"Um!", "", ""});
  GravarLinhasRodape(pasta, {"U", "", ""});
  auto b = LeBytes(raiz / "rodape.dat");
  EXPECT_EQ(b[3], 'm');
  b[0] = 0xFF, b[1] = 0x7F;
  teste::EscreveBytes(raiz / "rodape.dat", b);
  EXPECT_EQ(LerLinhasRodape(pasta).LinhaRodapeUm.size(), 198u);
}

// A first start writes the defaults. A folder where a settings file should
// be: it can be neither read nor written; the start goes on with first-run
// values and says so once.
TEST(Inicio, ArquivoIlegivelEhRelatadoEOInicioContinua) {
  for (const std::string arquivo : {"", "ordem.dat", "Header.DAT", "fontes.dat", "cifralumina.dat", "rodape.dat", "margens.dat"}) {
    teste::PastaTemporaria raiz;
    if (!arquivo.empty()) std::filesystem::create_directory(raiz / arquivo);
    ProblemasDoInicio problemas;
    const Configuracao e = CarregarConfiguracao(raiz.Caminho().string(), &problemas);
    ASSERT_EQ(problemas.mensagens.size(), arquivo.empty() ? 0u : 1u) << arquivo;
    EXPECT_EQ(e.opcoes, ProgramOptions{});
    if (arquivo.empty()) {  // a first use: the defaults are written, the footer's only once changed
      EXPECT_EQ(LeBytes(raiz / "cifralumina.dat"),
                Registro(168, {{0, kSim}, {4, kSim}, {18, kSim}, {62, kSim}, {66, kSim}, {68, kSim},
                               {70, kSim}, {78, kSim}, {80, Texto("[Nulo]", 80)}, {162, {2, 0}}}));
      EXPECT_EQ(LeBytes(raiz / "extras.dat"), Registro(64, {{0, kSim}}));  // the karmic map shown
      EXPECT_TRUE(e.margens == Margens{} && e.ordem == OrdemPadrao() && e.linhas == LinhasRodape{});
      EXPECT_FALSE(std::filesystem::exists(raiz / "rodape.dat"));
      continue;
    }
    EXPECT_THROW(CarregarConfiguracao(raiz.Caminho().string()), ErroDeArquivo) << arquivo;
    EXPECT_NE(problemas.mensagens[0].find(arquivo), std::string::npos) << problemas.mensagens[0];
    EXPECT_EQ(problemas.opcoesIlegiveis, arquivo == "cifralumina.dat");
    EXPECT_EQ(e.titulos[1].empty(), arquivo == "Header.DAT");
    EXPECT_TRUE(std::filesystem::is_directory(raiz / arquivo));
  }
  // No folder asked for and no home: refused, never guessed at the root.
  const std::string casa = getenv("HOME") ? getenv("HOME") : "";
  for (const char* variavel : {"HOME", "XDG_DATA_HOME", "CIFRALUMINA_PASTA"}) unsetenv(variavel);
  EXPECT_THROW(EscolhePastaDeDados(std::nullopt), ErroDeArquivo);
  setenv("HOME", casa.c_str(), 1);
}

}  // namespace
}  // namespace cifra
