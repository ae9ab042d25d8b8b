#include "linha_comando.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <regex>
#include <tuple>

#include "analysis/pedido.h"
#include "settings/configuracao.h"
#include "settings/partida.h"
#include "library/arquivo_registros.h"
#include "engine/numerologia.h"
#include "library/catalogo.h"
#include "library/saida_inteira.h"
#include "presentation/exportacao.h"
#include "presentation/tela.h"
#include "printing/impressao.h"

namespace cifra {
namespace {

// Writes to a file (aside, then in place of the old one), or to standard
// output for "-". Throws ErroDeArquivo when the file cannot be written.
bool Escreve(const std::string& destino, const std::string& conteudo, std::ostream& saida,
             std::ostream& erros) {
  if (destino != "-") {
    GravaArquivoInteiro(destino, conteudo);
    return true;
  }
  saida << conteudo;
  saida.flush();
  if (saida) return true;
  erros << "Não foi possível escrever na saída padrão.\n";
  return false;
}

// The PDF's sheet, in millimetres.
constexpr double kLarguraA4 = 210;
constexpr double kAlturaA4 = 297;


// Screen pages become images at 4 pixels per millimetre (about 100 dpi):
// the size they have on a common monitor.
constexpr double kPixelsPorMm = 4;

void GravaPaginas(const std::string& pasta, const ConteudoDaAnalise& conteudo) {
  std::error_code ec;
  std::filesystem::create_directories(pasta, ec);
  const PaginasDaTela paginas = ImprimirAnaliseNoMonitor(conteudo);
  const int total = static_cast<int>(paginas.picFolha.size());
  for (int p = 1; p <= total; ++p) {
    const auto arquivo = std::filesystem::path(pasta) / ("page-" + std::to_string(p) + ".png");
    GravaSaidaInteira(arquivo.string(), [&](QIODevice& destino) {
      return GravaPaginaPng(paginas, p, kPixelsPorMm, destino);
    });
  }
  // Pages an earlier, longer analysis left in the folder would travel with
  // this person's document: page-N.png past the last one written go, and
  // nothing else of the folder is touched.
  static const std::regex kPagina(R"(page-([1-9][0-9]{0,5})\.png)");
  for (const auto& entrada : std::filesystem::directory_iterator(pasta, ec)) {
    std::smatch m;
    const std::string nome = entrada.path().filename().string();
    if (std::regex_match(nome, m, kPagina) && std::stoi(m[1]) > total &&
        entrada.is_regular_file(ec)) {
      std::filesystem::remove(entrada.path(), ec);
    }
  }
}

}  // namespace

std::string TextoDeAjuda() {
  return "Uso: cifralumina [--pasta PASTA] [--verbose]\n"
         "     cifralumina analise NOME DATA [opções]\n"
         "\n"
         "Sem \"analise\", abre o programa com janelas.\n"
         "\n"
         "Opções:\n"
         "  -h, --help       Mostra esta ajuda e termina.\n"
         "  --version        Mostra a versão do programa e termina.\n"
         "  --pasta PASTA    Usa PASTA como pasta de dados.\n"
         "  --verbose        Mostra também as mensagens internas do Qt.\n"
         "\n"
         "\"cifralumina analise --help\" mostra as opções da análise.\n";
}

std::string TextoDeAjudaDaAnalise() {
  return std::string(kUsoAnalise) +
         "\n\n"
         "Gera a análise numerológica de NOME, nascido em DATA (DD/MM/AAAA).\n"
         "\n"
         "Opções:\n"
         "  --pasta PASTA    Usa PASTA como pasta de dados.\n"
         "  --hoje DATA      Calcula como se hoje fosse DATA.\n"
         "  --json ARQ       Grava a análise em JSON (\"-\" é a saída padrão).\n"
         "  --texto ARQ      Grava o texto exportado (\"-\" é a saída padrão).\n"
         "  --pdf ARQ        Grava a impressão em um PDF A4.\n"
         "  --png PASTA      Grava cada página da tela como PASTA/page-N.png e apaga\n"
         "                   as page-N.png que sobrarem de uma análise mais longa.\n"
         "  --quadro ARQ     Grava só o quadro dos números em um PDF A4.\n"
         "  --verbose        Mostra também as mensagens internas do Qt.\n"
         "  -h, --help       Mostra esta ajuda e termina.\n"
         "\n"
         "Saída: 0 feito, 2 dados recusados, 1 falha.\n";
}

std::optional<int> AtendeAntesDasJanelas(int argc, const char* const* argv, std::ostream& saida,
                                         std::ostream& erros) {
  QStringList palavras;
  for (int i = 0; i < argc; ++i) palavras << QString::fromLocal8Bit(argv[i]);
  EncaminhaMensagensDoQt(palavras.contains(QStringLiteral("--verbose")));
  if (palavras.size() > 1 && palavras[1] == QStringLiteral("analise")) {
    return std::nullopt;  // "analise --help" is answered by the analysis itself
  }
  // A mistyped command would open the windows and, in a script without a
  // display, never return: the window program takes no words of its own.
  if (palavras.size() > 1 && !palavras[1].startsWith(QLatin1Char('-'))) {
    erros << "Comando desconhecido: " << palavras[1].toStdString()
          << " (veja cifralumina --help)\n";
    return 2;
  }
  QCommandLineParser leitor;
  const QCommandLineOption ajuda({QStringLiteral("h"), QStringLiteral("help")},
                                 QStringLiteral("Mostra esta ajuda e termina."));
  const QCommandLineOption versao(QStringLiteral("version"),
                                  QStringLiteral("Mostra a versão do programa e termina."));
  leitor.addOption(ajuda);
  leitor.addOption(versao);
  // The window program accepts Qt's own options too: unknown ones are not ours to refuse.
  leitor.parse(palavras);
  if (leitor.isSet(ajuda)) {
    saida << TextoDeAjuda();
    return 0;
  }
  if (leitor.isSet(versao)) {
    saida << "Cifralumina " << CIFRA_VERSAO << "\n";
    return 0;
  }
  return std::nullopt;
}

bool PedeGraficos(const std::vector<std::string>& argumentos) {
  std::string erro;
  const auto pedido = LePedido(argumentos, erro);
  return pedido && (pedido->pdf || pedido->png || pedido->quadro);
}

namespace {

// Reads the options into p and gathers the other words; false, with the
// reason in erro, on an option without its value or, when asked, an unknown one.
bool LeOpcoes(const std::vector<std::string>& args, bool recusaDesconhecidas, PedidoDeAnalise& p,
              std::vector<std::string>& posicionais, std::string& erro) {
  const std::pair<const char*, std::optional<std::string> PedidoDeAnalise::*> opcoes[] = {
      {"--pasta", &PedidoDeAnalise::pasta}, {"--hoje", &PedidoDeAnalise::hoje},
      {"--json", &PedidoDeAnalise::json},   {"--texto", &PedidoDeAnalise::texto},
      {"--pdf", &PedidoDeAnalise::pdf},     {"--png", &PedidoDeAnalise::png},
      {"--quadro", &PedidoDeAnalise::quadro},
  };
  const std::pair<const char*, bool PedidoDeAnalise::*> chaves[] = {
      {"--help", &PedidoDeAnalise::ajuda},
      {"-h", &PedidoDeAnalise::ajuda},
      {"--verbose", &PedidoDeAnalise::verboso},
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool reconhecida = false;
    for (const auto& [nome, membro] : chaves) {
      if (a != nome) continue;
      p.*membro = true;
      reconhecida = true;
    }
    for (const auto& [nome, membro] : opcoes) {
      if (a != nome) continue;
      // "--hoje --pasta DIR": the next word is another option, not the value.
      if (i + 1 >= args.size() || (args[i + 1].size() > 2 && args[i + 1].starts_with("--"))) {
        erro = std::string("Falta o valor da opção ") + nome + ".";
        return false;
      }
      if (args[i + 1].empty()) {
        erro = std::string("O valor da opção ") + nome + " não pode ficar vazio.";
        return false;
      }
      p.*membro = args[++i];
      reconhecida = true;
    }
    if (reconhecida) continue;
    if (recusaDesconhecidas && a.size() > 2 && a.starts_with("--")) {
      erro = "Opção desconhecida: " + a + ".";
      return false;
    }
    posicionais.push_back(a);
  }
  return true;
}

}  // namespace

std::optional<PedidoDeAnalise> LePedido(const std::vector<std::string>& args, std::string& erro) {
  PedidoDeAnalise p;
  std::vector<std::string> posicionais;
  if (!LeOpcoes(args, true, p, posicionais, erro)) return std::nullopt;
  if (p.ajuda) return p;
  if (posicionais.size() != 2) {
    erro = "Informe o nome completo e a data de nascimento.";
    return std::nullopt;
  }
  p.nome = posicionais[0];
  p.data = posicionais[1];
  return p;
}

int ExecutaAnalise(const std::vector<std::string>& args, std::ostream& saida,
                   std::ostream& erros) {
  std::string erro;
  const auto pedido = LePedido(args, erro);
  if (!pedido) {
    erros << erro << "\n" << kUsoAnalise << "\n";
    return 2;
  }
  if (pedido->ajuda) {
    saida << TextoDeAjudaDaAnalise();
    return 0;
  }
  Data hoje = DataDeHoje();
  if (pedido->hoje) {
    // The same forms as the birth date (a two-digit year against the clock's year).
    const auto d = InterpretaData(*pedido->hoje, hoje);
    if (!d) {
      erros << "A data de hoje informada não é uma data válida (use DD/MM/AAAA).\n";
      return 2;
    }
    hoje = *d;
  }
  // A --hoje before the birth is told as such, before the general rule.
  if (const auto nascimento = InterpretaData(pedido->data, hoje);
      pedido->hoje && nascimento && AntesDe(hoje, *nascimento)) {
    erros << "A data de hoje informada (" << FormataData(hoje)
          << ") é anterior à data do nascimento (" << FormataData(*nascimento) << ").\n";
    return 2;
  }
  std::string recusa;
  const auto pessoa = AceitaPedido(pedido->nome, pedido->data, hoje, &recusa);
  if (!pessoa) {
    erros << recusa << "\n";
    return 2;
  }
  try {
    const Configuracao configuracao = CarregarConfiguracao(EscolhePastaDeDados(pedido->pasta));
    for (const std::string& aviso : configuracao.avisos) erros << aviso << "\n";
    const Analise analise = MontaAnalise(*pessoa, hoje, configuracao.opcoes,
                                         configuracao.titulos, configuracao.pasta);
    if (pedido->json &&
        !Escreve(*pedido->json, JsonDaAnalise(analise, hoje, configuracao.ordem), saida, erros)) {
      return 1;
    }
    if (pedido->texto &&
        !Escreve(*pedido->texto, TextoDaAnalise(analise, configuracao.opcoes, configuracao.ordem),
                 saida, erros)) {
      return 1;
    }
    if (!pedido->pdf && !pedido->png && !pedido->quadro) return 0;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
      erros << "As páginas da análise só podem ser geradas com o ambiente gráfico iniciado.\n";
      return 1;
    }
    std::string semImagem;
    const ConteudoDaAnalise conteudo = ConteudoDe(analise, configuracao, &semImagem);
    if (!semImagem.empty()) erros << semImagem << "\n";
    if (pedido->png) GravaPaginas(*pedido->png, conteudo);
    // The PDF is what the print dialog would print with the kept choices;
    // the chart alone leaves the cover out. Margins that leave no page are
    // replaced, for this job only, by the defaults.
    bool substituidas = false;
    const Margens margens =
        MargensParaOTrabalho(configuracao.margens, kLarguraA4, kAlturaA4, &substituidas);
    if (substituidas && (pedido->pdf || pedido->quadro)) {
      erros << "As margens gravadas não deixam espaço para a página; este PDF usa as margens "
               "padrão (10 mm).\n";
    }
    OpcoesDaImpressao impressao{margens, configuracao.opcoes.ImprimirFolhaRosto,
                                configuracao.opcoes.ImprimirPretoEmBranco,
                                TipoDaOpcao(configuracao.opcoes.TipoImpressao), hoje};
    auto pdf = [&](const std::string& arquivo) {
      std::string falha;
      if (GravarPdf(arquivo, conteudo, impressao, &falha) == 0) throw ErroDeArquivo(falha);
    };
    if (pedido->pdf) pdf(*pedido->pdf);
    impressao.folhaRosto = false;
    impressao.tipo = TipoDeImpressao::Quadro;
    if (pedido->quadro) pdf(*pedido->quadro);
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace cifra
