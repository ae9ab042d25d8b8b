// The command line, in the test's own process and as the program itself
// under hostile use (a file-size limit stands in for a full disk).
#include "linha_comando/linha_comando.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <functional>
#include <sstream>

#include "apoio/executa.h"
#include "library/clientes.h"
#include "apoio/pasta_temporaria.h"
#include "apoio/processo.h"

namespace cifra {
namespace {
namespace fs = std::filesystem;
using teste::Executa;
using teste::LeTexto;
using teste::PastaTemporaria;
using teste::TextoDoOdt;
using teste::Resultado;

// Bad requests end with status 2, the dialog's message or the usage, and no
// output; the forecast refuses as the analysis does, and its years too.
TEST(LinhaDeComando, RecusaEntradasComAMensagemDoDialogo) {
  PastaTemporaria raiz;
  const std::string pasta = raiz.Caminho().string();
  struct Caso { std::vector<std::string> args; const char* trecho; bool previsao = false; };
  const Caso casos[] = {
      {{"ANA", "12/08/1978", "--pasta", pasta}, "nome completo"},
      {{"Maria da Silva", "31/02/1978", "--pasta", pasta}, "não é uma data válida"},
      {{"Maria da Silva"}, "Uso:"},
      {{"Maria da Silva", "12/08/1978", "--cor", "azul"}, "Opção desconhecida"},
      {{"Maria da Silva", "12/08/1978", "--hoje", "--pasta", pasta}, "Falta o valor da opção --hoje."},
      {{"Maria da Silva", "12/08/1978", "--json", "", "--pasta", pasta}, "opção --json não pode ficar vazio"},
      {{"Maria da Silva", "12/08/1978", "--pasta", pasta, "--hoje", "11/08/1978"},
       "A data de hoje informada (11/08/1978) é anterior à data do nascimento (12/08/1978)."},
      {{"Maria da Silva", "31/12/0999", "--pasta", pasta}, "entre 01/01/1000 e a data de hoje"},
      {{"Maria da Silva", "01/01/2099", "--pasta", pasta}, "entre 01/01/1000 e a data de hoje"},
      {{"Maria " + std::string(95, 'X'), "12/08/1978", "--pasta", pasta}, "no máximo 100 caracteres"},
      {{"Maria da Silva", "12/08/1978", "--de", "27"}, "quatro algarismos", true},
      {{"Maria da Silva", "12/08/1978", "--de", "2027", "--ate", "2040"}, "no máximo 10 anos", true},
      {{"Maria da Silva", "12/08/1978", "--png", "x"}, "Opção desconhecida: --png", true},
      {{"--cadastro", "--pasta-saida", "x"}, "Uso:", true},  // the register's forecast needs --de
  };
  for (const Caso& c : casos) {
    const Resultado r = Executa(c.args, c.previsao);
    EXPECT_TRUE(r.status == 2 && r.saida.empty() && r.erros.find(c.trecho) != std::string::npos) << r.erros;
  }
}

// A new folder is made ready as at start-up; the same run into a file gives
// the same bytes; a name of bytes that are no UTF-8 gets replacement
// characters (which UTF-8 is written out is the decoder's test), and its
// accents stay in the name shown.
TEST(LinhaDeComando, JsonDaAnaliseNumaPastaNova) {
  PastaTemporaria raiz;
  const std::string pasta = (raiz / "dados").string();
  const Resultado r = Executa({"Ana \xFF\xFE Sá", "12/8/78", "--hoje", "061226", "--pasta", pasta, "--json", "-"});
  ASSERT_EQ(r.status, 0) << r.erros;
  // The numbers see the folded name; the client reads it as typed.
  for (const char* trecho : {"\"NomeCompleto\": \"ANA \xEF\xBF\xBD\xEF\xBF\xBD SA\"",
                             "\"NomeExibido\": \"ANA \xEF\xBF\xBD\xEF\xBF\xBD SÁ\"",
                             "\"DataNascimento\": \"12/08/1978\"", "\"Hoje\": \"06/12/2026\"", "\\r\\n"}) {
    EXPECT_NE(r.saida.find(trecho), std::string::npos) << trecho;  // CR LF kept, escaped
  }
  for (const char* f : {"ordem.dat", "cifralumina.dat", "fontes.dat", "CVIDA.DAT", "Header.DAT"}) {
    EXPECT_TRUE(fs::exists(raiz / "dados" / f)) << f;
  }
  const std::string arquivo = (raiz / "a.json").string();
  ASSERT_EQ(Executa({"Ana \xFF\xFE Sá", "12/8/78", "--hoje", "6-12-26", "--pasta", pasta, "--json", arquivo}).status, 0);
  EXPECT_EQ(LeTexto(arquivo), r.saida);
}

// The karmic map's numbers as the contract names them, whatever the options
// show: debts with their origins in the order of the origins, a debt from
// two origins twice.
TEST(LinhaDeComando, JsonDoMapaCarmico) {
  PastaTemporaria raiz;
  const Resultado r = Executa({"Clara Rocha Mendes", "16/01/1955", "--pasta", (raiz / "d").string(),
                               "--json", "-"});
  ASSERT_EQ(r.status, 0) << r.erros;
  QJsonObject mapa = QJsonDocument::fromJson(QByteArray::fromStdString(r.saida)).object()["MapaCarmico"].toObject();
  mapa.remove("Descricao");  // the library's texts
  mapa.remove("Textos");
  const auto esperado = QJsonDocument::fromJson(R"({"Inclusao": [4, 0, 3, 2, 3, 1, 0, 1, 2],
      "LicoesCarmicas": [2, 7], "TendenciaOculta": [1], "RespostaSubconsciente": 7, "DividasCarmicas": [
      {"Numero": 19, "Origem": "Caminho da Vida"}, {"Numero": 14, "Origem": "Número da Expressão"},
      {"Numero": 19, "Origem": "Impulso da Alma"}, {"Numero": 13, "Origem": "Eu Silencioso"},
      {"Numero": 16, "Origem": "Dia do Nascimento"}]})");
  EXPECT_EQ(mapa, esperado.object()) << QJsonDocument(mapa).toJson().toStdString();
}

TEST(LinhaDeComando, PastaDoAmbienteQuandoNaoHaPastaPedida) {
  PastaTemporaria raiz;
  ::setenv("CIFRALUMINA_PASTA", (raiz / "ambiente").c_str(), 1);
  EXPECT_EQ(Executa({"Maria da Silva", "12/08/1978", "--texto", (raiz / "a.txt").string()}).status, 0);
  EXPECT_EQ(Executa({"Maria da Silva", "12/08/1978", "--pasta", (raiz / "pedida").string()}).status, 0);
  ::unsetenv("CIFRALUMINA_PASTA");  // --pasta comes first
  EXPECT_TRUE(fs::exists(raiz / "ambiente" / "cifralumina.dat") && fs::exists(raiz / "pedida" / "cifralumina.dat"));
}

// Runs the program itself in a child, optionally under a file-size limit (a
// write past it fails as on a full disk) or as an ordinary user; standard
// output and error go to files of `pasta`.
Resultado Programa(const std::vector<std::string>& args, const fs::path& pasta,
                   rlim_t limiteDeArquivo = RLIM_INFINITY, bool comoUsuarioComum = false) {
  const fs::path out = pasta / "saida.txt", err = pasta / "erros.txt";
  const int status = teste::EmOutroProcesso([&] {
    if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) return 120;
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
    const rlimit limite{limiteDeArquivo, limiteDeArquivo};
    setrlimit(RLIMIT_FSIZE, &limite);
    // The superuser may write anywhere: permissions are tried as "nobody".
    if (comoUsuarioComum && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 122;
    std::vector<char*> argv{const_cast<char*>(CIFRA_PROGRAMA)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(CIFRA_PROGRAMA, argv.data());
    return 121;
  });
  return {status, LeTexto(out), LeTexto(err)};
}

// The one request every case makes, on its data folder, and what the case adds.
std::vector<std::string> Analise(const fs::path& pasta, std::vector<std::string> extras = {}) {
  std::vector<std::string> args{"analise", "Maria da Silva", "12/08/1978", "--pasta", pasta.string()};
  args.insert(args.end(), extras.begin(), extras.end());
  return args;
}

TEST(LinhaDeComandoRobusta, AjudaEVersaoSemJanela) {
  struct Caso { std::vector<const char*> argv; std::optional<int> status; const char* trecho; };
  const Caso casos[] = {
      {{"cifralumina", "--help"}, 0, "cifralumina analise NOME DATA"},
      {{"cifralumina", "-h"}, 0, "Mostra esta ajuda"},
      {{"cifralumina", "--version"}, 0, "Cifralumina "},
      {{"cifralumina", "--pasta", "/tmp/x"}, std::nullopt, ""},
      {{"cifralumina", "analise", "--help"}, std::nullopt, ""},
      {{"cifralumina", "analisar", "Maria da Silva"}, 2, "Comando desconhecido: analisar"},
  };
  for (const Caso& c : casos) {
    std::ostringstream saida;
    EXPECT_EQ(AtendeAntesDasJanelas(static_cast<int>(c.argv.size()), c.argv.data(), saida, saida),
              c.status);
    EXPECT_NE(saida.str().find(c.trecho), std::string::npos) << saida.str();
  }
  // The program itself answers and ends, with no display at all.
  PastaTemporaria raiz;
  unsetenv("QT_QPA_PLATFORM");
  const Resultado ajuda = Programa({"--help"}, raiz.Caminho());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  EXPECT_TRUE(ajuda.status == 0 && ajuda.erros.empty()) << ajuda.erros;
  EXPECT_NE(ajuda.saida.find("Uso: cifralumina"), std::string::npos);
  // The windows with no display to open on: said in Portuguese, status 1
  // (where the window program is built: the sanitizers' build has none).
  if (!fs::exists(fs::path(CIFRA_PROGRAMA).parent_path() / "cifralumina-janelas")) return;
  const std::string tela = getenv("DISPLAY") ? getenv("DISPLAY") : "";
  unsetenv("DISPLAY");
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  const Resultado semTela = Programa({"--pasta", (raiz / "dados").string()}, raiz.Caminho());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!tela.empty()) setenv("DISPLAY", tela.c_str(), 1);
  EXPECT_EQ(semTela.status, 1);
  EXPECT_NE(semTela.erros.find("nenhuma tela gráfica disponível (DISPLAY)"), std::string::npos)
      << semTela.erros;
}

// Qt's own English lines (here: no XDG_RUNTIME_DIR when graphics start)
// reach the operator only in a --verbose run. The pages of an earlier, longer
// analysis do not stay beside this one's: page-N.png past the last page go,
// anything else in the folder stays.
TEST(LinhaDeComandoRobusta, MensagensDoQtSoComVerboseEPngSemPaginasQueSobraram) {
  PastaTemporaria raiz;
  fs::create_directories(raiz / "png");
  for (const char* nome : {"page-40.png", "page-120.png", "outro.txt"}) std::ofstream(raiz / "png" / nome) << "x";
  const std::string antigo = getenv("XDG_RUNTIME_DIR") ? getenv("XDG_RUNTIME_DIR") : "";
  unsetenv("XDG_RUNTIME_DIR");
  auto png = Analise(raiz / "dados", {"--png", (raiz / "png").string()});
  const Resultado calado = Programa(png, raiz.Caminho());
  png.push_back("--verbose");
  const Resultado falante = Programa(png, raiz.Caminho());
  if (!antigo.empty()) setenv("XDG_RUNTIME_DIR", antigo.c_str(), 1);
  EXPECT_TRUE(calado.status == 0 && calado.erros.empty()) << calado.erros;
  EXPECT_NE(falante.erros.find("Qt: QStandardPaths"), std::string::npos) << falante.erros;
  EXPECT_TRUE(fs::exists(raiz / "png" / "page-1.png"));
  EXPECT_FALSE(fs::exists(raiz / "png" / "page-40.png") || fs::exists(raiz / "png" / "page-120.png"));
  EXPECT_TRUE(fs::exists(raiz / "png" / "outro.txt"));
}

TEST(SaidasGravadas, DiscoCheioNaoEstragaOArquivoQueJaHavia) {
  PastaTemporaria raiz;
  const fs::path dados = raiz / "dados";
  // The data folder is made first, so the limited run has nothing else to write.
  ASSERT_EQ(Programa(Analise(dados), raiz.Caminho()).status, 0);
  for (const auto& [opcao, arquivo] : {std::pair{"--json", "a.json"}, {"--png", "paginas"}, {"--pdf", "a.pdf"}}) {
    const fs::path destino = raiz / arquivo;
    const fs::path conferido = std::string(opcao) == "--png" ? destino / "page-1.png" : destino;
    fs::create_directories(conferido.parent_path());
    teste::EscreveBytes(conferido, teste::Bytes("conteúdo anterior\n"));
    const Resultado r = Programa(Analise(dados, {opcao, destino.string()}), raiz.Caminho(), 4096);
    EXPECT_TRUE(r.status == 1 && r.erros.find("Não foi possível gravar o arquivo \"" + conferido.string() + "\"") !=
                                     std::string::npos) << opcao << r.erros;
    EXPECT_EQ(LeTexto(conferido), "conteúdo anterior\n") << opcao;
    for (const auto& e : fs::directory_iterator(conferido.parent_path())) {  // nothing half-written beside it
      EXPECT_EQ(e.path().filename().string().find(conferido.filename().string() + "."), std::string::npos) << e.path();
    }
  }
}

// Programs released together on a folder that does not exist yet: each sees
// every default file whole or not at all, so all give the same text as a run
// alone. Several rounds, since a race shows only now and then.
TEST(PrimeiraInstalacao, VariosProgramasNumaPastaNova) {
  constexpr int kProgramas = 10, kRodadas = 5;
  PastaTemporaria raiz;
  const Resultado sozinho = Programa(Analise(raiz / "sozinha", {"--hoje", "06/12/2026", "--texto", "-"}), raiz.Caminho());
  ASSERT_EQ(sozinho.status, 0);
  for (int rodada = 0; rodada < kRodadas; ++rodada) {
    const std::string pasta = (raiz / ("nova-" + std::to_string(rodada))).string();
    int largada[2];
    ASSERT_EQ(pipe(largada), 0);
    std::vector<pid_t> filhos;
    for (int i = 0; i < kProgramas; ++i) {
      const fs::path saida = raiz / ("saida-" + std::to_string(i) + ".txt");
      filhos.push_back(teste::Inicia([&] {
        close(largada[1]);  // waits until every program is ready, then all start at once
        char c;
        (void)!read(largada[0], &c, 1);
        if (!freopen(saida.c_str(), "w", stdout) || !freopen("/dev/null", "w", stderr)) return 120;
        execl(CIFRA_PROGRAMA, CIFRA_PROGRAMA, "analise", "Maria da Silva", "12/08/1978", "--hoje", "06/12/2026",
              "--pasta", pasta.c_str(), "--texto", "-", static_cast<char*>(nullptr));
        return 121;
      }));
    }
    close(largada[0]);
    close(largada[1]);
    for (pid_t filho : filhos) EXPECT_EQ(teste::Termina(filho), 0) << rodada;
    for (int i = 0; i < kProgramas; ++i) {
      EXPECT_EQ(LeTexto(raiz / ("saida-" + std::to_string(i) + ".txt")), sozinho.saida) << rodada << " " << i;
    }
    for (const auto& e : fs::directory_iterator(pasta)) {  // nothing written aside was left
      EXPECT_FALSE(e.path().filename().string().starts_with(".")) << e.path();
    }
  }
}

// Outputs and folders that cannot be written or read: status 1, and the
// message says why; only a full disk speaks of free space. A default file
// missing from a folder the program may not write comes from the program
// itself: the same text, said once on the error output.
TEST(MensagensDePasta, DizemPorQueEnaoCulpamOEspacoLivre) {
  PastaTemporaria raiz;
  fs::permissions(raiz.Caminho(), fs::perms::all);
  const fs::path dados = raiz / "dados", saidas = raiz / "saidas";  // where the child, as "nobody", says it
  const std::vector<std::string> texto{"--hoje", "06/12/2026", "--texto", "-"};
  const Resultado completo = Programa(Analise(dados, texto), raiz.Caminho());
  ASSERT_EQ(completo.status, 0) << completo.erros;
  fs::create_directories(saidas);
  for (const auto& p : {dados, saidas}) fs::permissions(p, fs::perms::all);
  const auto somenteLeitura = fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec | fs::perms::others_read;
  struct Caso {
    std::function<void()> prepara, desfaz;
    fs::path pasta;
    std::vector<std::string> extras;
    std::string trecho;
    int status = 1;
  };
  const Caso casos[] = {
      {[] {}, [] {}, dados, {"--pdf", "/dev/full"}, "\"/dev/full\". Não há espaço livre no disco."},
      {[&] { fs::remove(dados / "fontes.dat"); fs::create_directory(dados / "fontes.dat"); },
       [&] { fs::remove(dados / "fontes.dat"); }, dados, {},
       "ler o arquivo \"" + (dados / "fontes.dat").string() + "\". É uma pasta, e não um arquivo."},
      {[&] { fs::permissions(raiz.Caminho(), fs::perms::owner_all); },
       [&] { fs::permissions(raiz.Caminho(), fs::perms::all); }, dados, {},
       "O programa não tem permissão para entrar nela ou numa das pastas que a contêm."},
      {[&] { teste::EscreveBytes(raiz / "arquivo", {'x'}); }, [] {}, dados, {"--png", (raiz / "arquivo" / "paginas").string()},
       "Uma parte do caminho é um arquivo, e não uma pasta."},
      {[&] { fs::create_directory(raiz / "fixa"); }, [] {}, raiz / "fixa" / "dados", {},
       "Não foi possível criar a pasta de dados \"" + (raiz / "fixa" / "dados").string() +
           "\". O programa não tem permissão para criá-la."},
      {[&] { teste::EscreveBytes(raiz / "arquivo", {'x'}); }, [] {}, raiz / "arquivo" / "dados", {},
       "Não foi possível criar a pasta de dados \"" + (raiz / "arquivo" / "dados").string() +
           "\". Uma parte do caminho é um arquivo, e não uma pasta."},
      {[&] { fs::remove(dados / "CVIDA.DAT"); fs::remove(dados / "aguarda.wav"); fs::permissions(dados, somenteLeitura); },
       [&] { fs::permissions(dados, fs::perms::all); }, dados, texto,
       "Não foi possível gravar o arquivo \"" + (dados / "CVIDA.DAT").string() +
           "\". O programa não tem permissão para isso. O mesmo aconteceu com mais 1 arquivo padrão.", 0},
  };
  for (const Caso& c : casos) {
    c.prepara();
    const Resultado r = Programa(Analise(c.pasta, c.extras), saidas, RLIM_INFINITY, true);
    c.desfaz();
    EXPECT_TRUE(r.status == c.status && r.erros.find(c.trecho) != std::string::npos) << r.erros;
    EXPECT_EQ(r.erros.find("espaço") != std::string::npos, c.trecho.find("espaço") != std::string::npos) << r.erros;
    if (c.status == 0) {
      EXPECT_EQ(r.saida, completo.saida);
    }
  }
}

// The forecast's JSON contract, and the forecast as a document a word
// processor reads, in its order (the analysis's is the print dialog's test).
TEST(LinhaDeComando, PrevisaoEDocumentoEditavel) {
  PastaTemporaria raiz;
  const std::string pasta = (raiz / "d").string();
  auto previsao = [&](std::vector<std::string> extras) {
    std::vector<std::string> args{"previsao", "Maria da Silva", "12/08/1978", "--pasta", pasta};
    args.insert(args.end(), extras.begin(), extras.end());
    return Programa(args, raiz.Caminho());
  };
  const Resultado json = previsao({"--de", "2027", "--ate", "2028", "--json", "-"});
  ASSERT_EQ(json.status, 0) << json.erros;
  const QJsonObject raizJson = QJsonDocument::fromJson(QByteArray::fromStdString(json.saida)).object();
  EXPECT_EQ(raizJson["NomeCompleto"].toString(), "MARIA DA SILVA");
  const QJsonArray anos = raizJson["Anos"].toArray();
  ASSERT_EQ(anos.size(), 2);
  EXPECT_EQ(anos[1]["Ano"].toInt(), 2028);
  EXPECT_EQ(anos[0]["Meses"].toArray().size(), 12);
  EXPECT_EQ(anos[0].toObject().keys(), (QStringList{"Ano", "AnoPessoal", "AnoUniversal", "Ciclo", "Meses", "Realizacao"}));

  const fs::path odt = raiz / "p.odt";
  ASSERT_EQ(previsao({"--de", "2027", "--ate", "2028", "--odt", odt.string()}).status, 0);
  const std::string p = TextoDoOdt(odt);
  size_t onde = 0;
  for (const char* trecho : {"Previsão Numerológica 2027–2028", "MARIA DA SILVA", "Previsão para 2027",
                             "Dezembro de 2027", "Previsão para 2028"}) {
    onde = p.find(trecho, onde);
    EXPECT_NE(onde, std::string::npos) << trecho;
  }
}

// The whole register at once: one PDF per client, a second client of the
// same name numbered, a client the request refuses skipped and listed.
TEST(LinhaDeComando, PrevisoesDoCadastro) {
  PastaTemporaria raiz;
  const PastaDeDados pasta(raiz / "d");
  fs::create_directories(raiz / "d");
  for (const Cliente& c : {Cliente{"Maria da Silva", "", "", "", "", "12/08/1978"},
                           Cliente{"João Sá", "", "", "", "", "31/02/1980"},
                           Cliente{"Maria da Silva", "", "", "", "", "01/01/1990"},
                           Cliente{"Ana Luz Prado", "", "", "", "", "05/05/2028"}}) {
    AcrescentarCliente(pasta, c);
  }
  const Resultado r = Programa({"previsao", "--cadastro", "--de", "2027", "--ate", "2028", "--pasta",
                                (raiz / "d").string(), "--pasta-saida", (raiz / "pdf").string()},
                               raiz.Caminho());
  EXPECT_EQ(r.status, 1) << r.erros;  // not every client could be written
  EXPECT_TRUE(fs::exists(raiz / "pdf" / "Previsao - MARIA DA SILVA - 2027-2028.pdf"));
  EXPECT_TRUE(fs::exists(raiz / "pdf" / "Previsao - MARIA DA SILVA - 2027-2028 (2).pdf"));
  EXPECT_EQ(std::distance(fs::directory_iterator(raiz / "pdf"), fs::directory_iterator()), 2);
  for (const char* trecho : {"2 previsões gravadas", "João Sá (registro 2)", "Ana Luz Prado (registro 4)"}) {
    EXPECT_NE(r.erros.find(trecho), std::string::npos) << trecho << "\n" << r.erros;
  }
}

// Two people compared and candidate names, as the JSON contracts name them;
// a missing person or a refused name exits 2.
TEST(LinhaDeComando, CompatibilidadeENomes) {
  PastaTemporaria raiz;
  const std::string pasta = (raiz / "d").string();
  auto executa = [&](auto funcao, std::vector<std::string> args) {
    std::ostringstream saida, erros;
    args.insert(args.end(), {"--pasta", pasta});
    const int status = funcao(args, saida, erros);
    return Resultado{status, saida.str(), erros.str()};
  };
  Resultado r = executa(ExecutaCompatibilidade, {"Maria da Silva", "12/08/1978", "João Souza", "03/04/1980", "--json", "-"});
  ASSERT_EQ(r.status, 0) << r.erros;
  const QJsonObject c = QJsonDocument::fromJson(QByteArray::fromStdString(r.saida)).object();
  ASSERT_EQ(c["Pessoas"].toArray().size(), 2);
  EXPECT_EQ(c["Pessoas"][1]["NomeCompleto"].toString(), "JOAO SOUZA");
  EXPECT_EQ(c["Pessoas"][0]["CaminhoDaVida"].toString(), "9");
  const QJsonArray aspectos = c["Aspectos"].toArray();
  ASSERT_EQ(aspectos.size(), 4);
  EXPECT_EQ(aspectos[0]["Aspecto"].toString(), "Caminho da Vida");
  EXPECT_EQ(aspectos[0]["Numeros"].toArray(), (QJsonArray{"9", "7"}));
  EXPECT_EQ(aspectos[0]["Harmonia"].toString(), "Complementar");
  EXPECT_EQ(aspectos[2]["Harmonia"].toString(), "Desafiadora");  // Impulso da Alma 4 and 5
  EXPECT_EQ(executa(ExecutaCompatibilidade, {"Maria da Silva", "12/08/1978", "João Souza"}).status, 2);

  r = executa(ExecutaNomes, {"12/08/1978", "Maria da Silva", "Maria Silva", "Ana", "--json", "-"});
  EXPECT_EQ(r.status, 2);  // "Ana" is too short a name, and said so
  EXPECT_NE(r.erros.find("Ana: "), std::string::npos);
  const QJsonArray nomes = QJsonDocument::fromJson(QByteArray::fromStdString(r.saida)).array();
  ASSERT_EQ(nomes.size(), 2);
  EXPECT_EQ(nomes[0]["Nome"].toString(), "Maria Silva");  // Expressão 6 with the life path 9: Natural
  EXPECT_EQ(nomes[0]["Harmonia"].toString(), "Natural");
  EXPECT_EQ(nomes[1]["Harmonia"].toString(), "Complementar");
  EXPECT_EQ(nomes[1]["LicoesCarmicas"].toArray(), (QJsonArray{2, 5, 6, 7, 8}));
  EXPECT_TRUE(nomes[1]["DividasCarmicas"].isArray());
}

}  // namespace
}  // namespace cifra
