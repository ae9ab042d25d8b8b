// The record files: their bytes, what a damaged or oversized file gives,
// and saves. A write that fails leaves the operator's file exactly as it
// was, and says why in the operator's language. The failures are real: a
// file the program may not write, a folder in the file's place, a size limit
// that stops the write as a full disk does, and the process that writes
// killed in the middle; and links that lead elsewhere.
#include "library/arquivo_registros.h"

#include <signal.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"
#include "engine/numerologia.h"
#include "library/clientes.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"
#include "library/ordem.h"
#include "library/padroes.h"
#include "library/registros_de_texto.h"
#include "library/windows1252.h"
#include "settings/configuracao.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/rodape.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::LeBytes;
using teste::PastaTemporaria;

// The message an operation gives the operator; "" when it succeeds.
std::string Mensagem(const std::function<void()>& operacao) try {
  operacao();
  return "";
} catch (const ErroDeArquivo& e) {
  return e.what();
}

TEST(Bytes, Windows1252EmTodoByteERegistrosCompletadosComZeros) {
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
  // Gaps become zero records, a short last record reads zero-completed.
  PastaTemporaria pasta;
  ArquivoDeRegistros f(pasta / "x.dat", 4, 8);
  EXPECT_TRUE(f.Vazio());
  const std::vector<uint8_t> r{1, 2, 3, 4};
  f.Grava(3, r);  // records 1 and 2 become zeros
  EXPECT_EQ(LeBytes(pasta / "x.dat"), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}));
  f.Grava(3, std::vector<uint8_t>{9, 9});  // a partial write keeps the rest of the record
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
    fs::resize_file(pasta.Arquivo(arquivo), kUmGiga);
    EXPECT_EQ(le(), antes);
    EXPECT_EQ(le(), antes);
    const auto avisos = TomaAvisosSobreArquivos();
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_NE(avisos[0].find("Ao ler o arquivo \"" + pasta.Arquivo(arquivo).string() + "\""),
              std::string::npos) << avisos[0];
    EXPECT_EQ(fs::file_size(pasta.Arquivo(arquivo)), kUmGiga);  // reading cuts nothing
  }
  // The save keeps the file's permissions, and blank-pads the text.
  const auto modo = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(pasta.Arquivo("CVIDA.DAT"), modo);
  GravarRegistroDeTexto(pasta, "CVIDA.DAT", 1, "Um.");
  const auto texto = LeBytes(pasta.Arquivo("CVIDA.DAT"));
  EXPECT_EQ(texto.size(), kRegistrosDeTexto * kRegistroTexto);
  EXPECT_EQ(std::string(texto.begin(), texto.begin() + kRegistroTexto), "Um." + std::string(kRegistroTexto - 3, ' '));
  EXPECT_EQ(fs::status(pasta.Arquivo("CVIDA.DAT")).permissions(), modo);
  // The register past a million clients: counted up to the bound, never written.
  const auto cadastro = pasta.Arquivo("caduser.dat");
  teste::EscreveBytes(cadastro, {});
  fs::resize_file(cadastro, 1'000'001 * 337);
  EXPECT_EQ(ContarClientes(pasta), 1'000'000);
  EXPECT_NE(Mensagem([&] { AcrescentarCliente(pasta, {"Maria", "", "", "", "", "12/08/1978"}); })
                .find("gravar o arquivo \"" + cadastro.string()), std::string::npos);
  EXPECT_EQ(fs::file_size(cadastro), 1'000'001u * 337);
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
  const auto antigo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const auto& [nome, _] : casos) {
    teste::EscreveBytes(raiz / nome, {1, 2, 3});
    fs::last_write_time(raiz / nome, antigo);
  }
  teste::EscreveBytes(raiz / ".margens.dat.Novo12", {1});  // a save running now
  fs::create_directory(raiz / ".fontes.dat.Pasta1");
  fs::last_write_time(raiz / ".fontes.dat.Pasta1", antigo);
  CarregarConfiguracao(raiz.Caminho().string());
  for (const auto& [nome, removido] : casos) EXPECT_EQ(fs::exists(raiz / nome), !removido) << nome;
  EXPECT_TRUE(fs::exists(raiz / ".margens.dat.Novo12") && fs::is_directory(raiz / ".fontes.dat.Pasta1"));
  EXPECT_EQ(teste::LeBytes(raiz / "caduser.dat"), std::vector<uint8_t>{1});
}

// 0 when growing the file failed with a message that contains `trecho` and
// the file and its folder are as they were.
int FalhaCom(const fs::path& arquivo, const std::string& trecho) {
  const bool comum = fs::is_regular_file(arquivo);
  const auto antes = comum ? LeBytes(arquivo) : std::vector<uint8_t>{};
  const std::string erro = Mensagem([&] { ArquivoDeRegistros(arquivo, 5120, kRegistrosDeTexto).Grava(6, std::vector<uint8_t>(5120, 'n')); });
  if (erro.find(trecho) == std::string::npos) return 2;
  const auto entradas = std::distance(fs::directory_iterator(arquivo.parent_path()), fs::directory_iterator{});
  return comum && LeBytes(arquivo) != antes ? 3 : entradas != 1 ? 4 : 0;
}

TEST(Gravacao, FalhaDizPorQueEDeixaOArquivoComoEra) {
  struct Caso {
    const char* nome;
    std::function<int(const fs::path&)> noFilho;  // -1 when ready, else the status to end with
    const char* trecho;
  };
  const Caso casos[] = {
      {"somente leitura",
       [](const fs::path& a) {
         fs::permissions(a, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         // The superuser writes anything: the write runs as an ordinary user.
         return ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0) ? 3 : -1;
       },
       "não tem permissão"},
      {"limite de tamanho",
       [](const fs::path&) {
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit limite{8192, 8192};
         return ::setrlimit(RLIMIT_FSIZE, &limite) != 0 ? 3 : -1;
       },
       "maior do que o sistema permite"},
      {"pasta no lugar do arquivo",
       [](const fs::path& a) { return fs::remove(a) && fs::create_directory(a) ? -1 : 3; },
       "É uma pasta, e não um arquivo."},
  };
  for (const Caso& c : casos) {
    teste::PastaTemporaria pasta;
    fs::permissions(pasta.Caminho(), fs::perms::all);
    const fs::path arquivo = pasta / "CVIDA.DAT";
    std::vector<uint8_t> original;
    for (int r = 1; r <= 3; ++r) original.insert(original.end(), 5120, static_cast<uint8_t>('0' + r));
    teste::EscreveBytes(arquivo, original);
    const int r = teste::EmOutroProcesso([&] {
      const int preparo = c.noFilho(arquivo);
      return preparo >= 0 ? preparo : FalhaCom(arquivo, c.trecho);
    });
    EXPECT_EQ(r, 0) << c.nome;
    EXPECT_TRUE(fs::is_directory(arquivo) || LeBytes(arquivo) == original) << c.nome;
  }
}

// Killed while the new content is still going out, the process leaves the
// file with every byte it had; what was half-written is a hidden file beside it.
TEST(GravacaoInterrompida, MatarQuemGravaNoMeioDeixaOArquivoComoEra) {
  teste::PastaTemporaria pasta;
  const fs::path arquivo = pasta / "CVIDA.DAT";
  std::vector<uint8_t> original;  // as many texts as the file holds, so that a save takes a while
  for (int r = 0; r < kRegistrosDeTexto; ++r) original.insert(original.end(), kRegistroTexto, static_cast<uint8_t>('a' + r % 26));
  auto novo = original;  // the whole save: the first text replaced, blank-padded
  const std::string texto = "Um texto novo.";
  std::fill_n(novo.begin(), kRegistroTexto, ' ');
  std::copy(texto.begin(), texto.end(), novo.begin());
  const auto provisorio = [&] {  // the size of what is being written beside the file, 0 when nothing is
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(pasta.Caminho(), ec)) {
      if (const auto t = fs::file_size(e.path(), ec); e.path() != arquivo && !ec) return t;
    }
    return uintmax_t{0};
  };
  int apanhadas = 0;
  for (int tentativa = 0; tentativa < 20 && apanhadas < 3; ++tentativa) {
    for (const auto& e : fs::directory_iterator(pasta.Caminho())) fs::remove(e.path());  // each attempt starts clean
    teste::EscreveBytes(arquivo, original);
    const pid_t filho = teste::Inicia([&] {
      GravarRegistroDeTexto(PastaDeDados(pasta.Caminho()), "CVIDA.DAT", 1, texto);
      return 0;
    });
    // Killed as soon as the new content is going out, unless it finished first.
    bool noMeio = false;
    while (!(noMeio = provisorio() > 0) && ::waitpid(filho, nullptr, WNOHANG) != filho) {
    }
    ::kill(filho, SIGKILL);
    ::waitpid(filho, nullptr, 0);
    if (!noMeio || teste::LeBytes(arquivo) == novo) continue;  // the save got through first
    ++apanhadas;
    EXPECT_GT(provisorio(), 0u);  // what was half-written stayed aside
    ASSERT_EQ(teste::LeBytes(arquivo), original) << "tentativa " << tentativa;
    EXPECT_EQ(LerRegistroDeTexto(PastaDeDados(pasta.Caminho()), "CVIDA.DAT", 1), std::string(kRegistroTexto, 'a'));
  }
  EXPECT_GT(apanhadas, 0) << "no save was caught in the middle";
}

// Symbolic links in the data folder: nothing is deleted or replaced through
// them, nothing is written outside the folder, a link that leads nowhere is
// reported like a file that cannot be read.
TEST(AtalhosNaPasta, NadaSeApagaNemSeGravaForaDaPasta) {
  const std::vector<uint8_t> deFora = teste::Bytes("arquivo de outra pasta");
  struct Caso {
    const char *arquivo, *alvo;  // the link, and where it leads from the data folder
    bool alvoExiste;     // a file of deFora is put there first
    std::function<void(const PastaDeDados&)> operacao;
    const char* trecho;  // of the message; "" when the operation succeeds
  };
  const char* semAlvo = "atalho (link simbólico) que não leva a nenhum arquivo";
  const char* paraFora = "para fora da sua pasta";
  const Caso casos[] = {
      {"CDATA.DAT", "CDATA.DAT", false, [](const PastaDeDados& p) { GravarRegistroDeTexto(p, "CDATA.DAT", 3, "x"); }, semAlvo},
      {"CVIDA.DAT", "../fora/CVIDA.DAT", false, [](const PastaDeDados& p) { InstalarPadroes(p); }, ""},
      {"fontes.dat", "../fora/fontes.dat", false, [](const PastaDeDados& p) { LerFontes(p); }, semAlvo},
      {"margens.dat", "../fora/margens.dat", true, [](const PastaDeDados& p) { GravarMargens(p, Margens{}); }, paraFora},
      {"margens.dat", "../fora/margens.dat", true, [](const PastaDeDados& p) { LerMargens(p); }, ""},
      {"caduser.dat", "../fora/caduser.dat", true, [](const PastaDeDados& p) { AcrescentarCliente(p, Cliente{"ANA", "", "", "", "", ""}); }, paraFora},
  };
  for (const Caso& c : casos) {
    PastaTemporaria raiz;
    for (const char* p : {"dados", "fora"}) fs::create_directories(raiz / p);
    const fs::path link = raiz / "dados" / c.arquivo;
    fs::create_symlink(c.alvo, link);
    if (c.alvoExiste) teste::EscreveBytes(link.parent_path() / c.alvo, deFora);
    const std::string rotulo = std::string(c.arquivo) + " -> " + c.alvo;
    const std::string erro = Mensagem([&] { c.operacao(PastaDeDados(raiz / "dados")); });
    EXPECT_TRUE(*c.trecho ? erro.find(c.trecho) != std::string::npos && erro.find(link.string()) != std::string::npos
                          : erro.empty()) << rotulo << ": " << erro;
    // The link is still there, as it was, and the other folder holds what it held.
    EXPECT_EQ(fs::read_symlink(link), c.alvo) << rotulo;
    std::vector<std::vector<uint8_t>> fora;
    for (const auto& e : fs::directory_iterator(raiz / "fora")) fora.push_back(LeBytes(e.path()));
    EXPECT_EQ(fora, std::vector<std::vector<uint8_t>>(c.alvoExiste ? 1 : 0, deFora)) << rotulo;
  }
}

}  // namespace
}  // namespace cifra
