#include "linha_comando.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <unistd.h>
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
#include "analysis/compatibilidade.h"
#include "analysis/previsao.h"
#include "presentation/documento_odt.h"
#include "presentation/exportacao.h"
#include "presentation/compatibilidade_em_paginas.h"
#include "presentation/previsao_em_paginas.h"
#include "presentation/tela.h"
#include "printing/impressao.h"
#include "printing/lote.h"

namespace cifra {
namespace {

// Said on standard error as a command ends: the files it read only in part
// (too large, cut short), each once.
class AvisosAoFim {
 public:
  explicit AvisosAoFim(std::ostream& erros) : erros_(erros) {}
  ~AvisosAoFim() {
    for (const std::string& aviso : TomaAvisosSobreArquivos()) erros_ << aviso << "\n";
  }
  AvisosAoFim(const AvisosAoFim&) = delete;
  AvisosAoFim& operator=(const AvisosAoFim&) = delete;

 private:
  std::ostream& erros_;
};

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
         "     cifralumina previsao NOME DATA [opções]\n"
         "     cifralumina compatibilidade NOME1 DATA1 NOME2 DATA2 [opções]\n"
         "     cifralumina nomes DATA NOME [NOME...] [--json ARQ]\n"
         "\n"
         "Sem \"analise\", abre o programa com janelas.\n"
         "\n"
         "Opções:\n"
         "  -h, --help       Mostra esta ajuda e termina.\n"
         "  --version        Mostra a versão do programa e termina.\n"
         "  --pasta PASTA    Usa PASTA como pasta de dados.\n"
         "  --verbose        Mostra também as mensagens internas do Qt.\n"
         "\n"
         "\"cifralumina analise --help\" e \"cifralumina previsao --help\" mostram as\n"
         "opções da análise e da previsão.\n";
}

std::string TextoDeAjudaDaPrevisao() {
  return std::string(kUsoPrevisao) +
         "\n\n"
         "Gera a previsão numerológica de NOME, nascido em DATA (DD/MM/AAAA), ano a ano e\n"
         "mês a mês.\n"
         "\n"
         "Opções:\n"
         "  --de AAAA        Primeiro ano (padrão: o ano atual).\n"
         "  --ate AAAA       Último ano (padrão: o ano seguinte; no máximo 10 anos).\n"
         "  --pasta PASTA    Usa PASTA como pasta de dados.\n"
         "  --hoje DATA      Calcula como se hoje fosse DATA.\n"
         "  --json ARQ       Grava os números da previsão em JSON (\"-\" é a saída padrão).\n"
         "  --texto ARQ      Grava o texto da previsão (\"-\" é a saída padrão).\n"
         "  --pdf ARQ        Grava a previsão em um PDF A4.\n"
         "  --odt ARQ        Grava a previsão como documento editável (OpenDocument).\n"
         "  --cadastro       Grava a previsão de cada cliente do cadastro, sem NOME nem\n"
         "                   DATA, um PDF por cliente na pasta de --pasta-saida.\n"
         "  --pasta-saida PASTA  Pasta dos PDFs de --cadastro.\n"
         "  --verbose        Mostra também as mensagens internas do Qt.\n"
         "  -h, --help       Mostra esta ajuda e termina.\n"
         "\n"
         "Saída: 0 feito, 2 dados recusados, 1 falha.\n";
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
         "  --odt ARQ        Grava a análise como documento editável (OpenDocument).\n"
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
  if (palavras.size() > 1 &&
      ComandoDaLinha(palavras[1].toStdString())) {
    return std::nullopt;  // "analise --help" is answered by the command itself
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

bool PedeGraficos(const std::vector<std::string>& argumentos, bool previsao) {
  std::string erro;
  const auto pedido = LePedido(argumentos, erro, previsao);
  return pedido && (pedido->pdf || pedido->png || pedido->quadro || pedido->odt || pedido->cadastro);
}

namespace {

// Reads the options into p and gathers the other words; false, with the
// reason in erro, on an option without its value or, when asked, an unknown one.
bool LeOpcoes(const std::vector<std::string>& args, bool recusaDesconhecidas, bool previsao,
              PedidoDeAnalise& p, std::vector<std::string>& posicionais, std::string& erro) {
  using Membro = std::optional<std::string> PedidoDeAnalise::*;
  std::vector<std::pair<const char*, Membro>> opcoes = {
      {"--pasta", &PedidoDeAnalise::pasta}, {"--hoje", &PedidoDeAnalise::hoje},
      {"--json", &PedidoDeAnalise::json},   {"--texto", &PedidoDeAnalise::texto},
      {"--pdf", &PedidoDeAnalise::pdf},     {"--odt", &PedidoDeAnalise::odt},
  };
  if (previsao) {
    opcoes.insert(opcoes.end(), {{"--de", &PedidoDeAnalise::de},
                                 {"--ate", &PedidoDeAnalise::ate},
                                 {"--pasta-saida", &PedidoDeAnalise::pastaSaida}});
  } else {
    opcoes.insert(opcoes.end(), {{"--png", &PedidoDeAnalise::png}, {"--quadro", &PedidoDeAnalise::quadro}});
  }
  std::vector<std::pair<const char*, bool PedidoDeAnalise::*>> chaves = {
      {"--help", &PedidoDeAnalise::ajuda},
      {"-h", &PedidoDeAnalise::ajuda},
      {"--verbose", &PedidoDeAnalise::verboso},
  };
  if (previsao) chaves.push_back({"--cadastro", &PedidoDeAnalise::cadastro});
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

std::optional<PedidoDeAnalise> LePedido(const std::vector<std::string>& args, std::string& erro,
                                        bool previsao) {
  PedidoDeAnalise p;
  std::vector<std::string> posicionais;
  if (!LeOpcoes(args, true, previsao, p, posicionais, erro)) return std::nullopt;
  if (p.ajuda) return p;
  if (p.cadastro) {
    // The whole register: the clients come from the file, the years and the
    // folder from the words.
    if (!posicionais.empty()) {
      erro = "Com --cadastro, não informe nome nem data: " + posicionais.front() + ".";
    } else if (!p.de || !p.pastaSaida) {
      erro = "Com --cadastro, informe o primeiro ano (--de) e a pasta dos PDFs (--pasta-saida).";
    } else if (p.json || p.texto || p.pdf || p.odt) {
      erro = "Com --cadastro, os PDFs vão para a pasta de --pasta-saida; --json, --texto, --pdf e "
             "--odt não se aplicam.";
    }
    if (!erro.empty()) return std::nullopt;
    return p;
  }
  if (posicionais.size() != 2) {
    erro = "Informe o nome completo e a data de nascimento.";
    return std::nullopt;
  }
  p.nome = posicionais[0];
  p.data = posicionais[1];
  return p;
}

namespace {

// What both commands first do: read the words, the date of today and the
// person, with the same refusals; the exit status when that is all.
struct Preparo {
  PedidoDeAnalise pedido;
  Data hoje;
  PessoaAnalisada pessoa;
};

std::optional<int> Prepara(const std::vector<std::string>& args, bool previsao, std::ostream& saida,
                           std::ostream& erros, Preparo& r) {
  std::string erro;
  const auto pedido = LePedido(args, erro, previsao);
  const char* uso = previsao ? kUsoPrevisao : kUsoAnalise;
  if (!pedido) {
    erros << erro << "\n" << uso << "\n";
    return 2;
  }
  if (pedido->ajuda) {
    saida << (previsao ? TextoDeAjudaDaPrevisao() : TextoDeAjudaDaAnalise());
    return 0;
  }
  r.pedido = *pedido;
  r.hoje = DataDeHoje();
  if (pedido->hoje) {
    // The same forms as the birth date (a two-digit year against the clock's year).
    const auto d = InterpretaData(*pedido->hoje, r.hoje);
    if (!d) {
      erros << "A data de hoje informada não é uma data válida (use DD/MM/AAAA).\n";
      return 2;
    }
    r.hoje = *d;
  }
  if (pedido->cadastro) return std::nullopt;  // the people come from the register
  // A --hoje before the birth is told as such, before the general rule.
  if (const auto nascimento = InterpretaData(pedido->data, r.hoje);
      pedido->hoje && nascimento && AntesDe(r.hoje, *nascimento)) {
    erros << "A data de hoje informada (" << FormataData(r.hoje)
          << ") é anterior à data do nascimento (" << FormataData(*nascimento) << ").\n";
    return 2;
  }
  std::string recusa;
  const auto pessoa = AceitaPedido(pedido->nome, pedido->data, r.hoje, &recusa);
  if (!pessoa) {
    erros << recusa << "\n";
    return 2;
  }
  r.pessoa = *pessoa;
  return std::nullopt;
}

bool TemGraficos(std::ostream& erros) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
  erros << "As páginas só podem ser geradas com o ambiente gráfico iniciado.\n";
  return false;
}

void GravaOdt(const std::string& arquivo, const ConteudoDaAnalise& conteudo) {
  GravaSaidaInteira(arquivo, [&](QIODevice& destino) { return cifra::GravaOdt(conteudo, destino); });
}

// Margins that leave no page are replaced, for this job only, by the defaults.
Margens MargensDoPdf(const Configuracao& configuracao, std::ostream& erros) {
  bool substituidas = false;
  const Margens margens =
      MargensParaOTrabalho(configuracao.margens, kLarguraA4, kAlturaA4, &substituidas);
  if (substituidas) {
    erros << "As margens gravadas não deixam espaço para a página; este PDF usa as margens "
             "padrão (10 mm).\n";
  }
  return margens;
}

// A year as typed: four digits.
std::optional<int> LeAno(const std::string& texto) {
  static const std::regex kAno(R"([0-9]{4})");
  if (!std::regex_match(texto, kAno)) return std::nullopt;
  return std::stoi(texto);
}

// Every client's forecast into --pasta-saida. On a terminal, standard error
// shows the client being written, the count and the time left, on one line.
int PrevisoesDoCadastro(const PedidoDeAnalise& pedido, int de, int ate, const Data& hoje,
                        std::ostream& erros) {
  const AvisosAoFim avisos(erros);
  // Checked against a birth long ago: only the range itself is judged here;
  // a client born after its first year is skipped and listed.
  if (const auto recusa = RecusaDosAnos({1, 1, 1000}, de, ate)) {
    erros << *recusa << "\n";
    return 2;
  }
  if (!TemGraficos(erros)) return 1;
  try {
    const Configuracao configuracao = CarregarConfiguracao(EscolhePastaDeDados(pedido.pasta));
    for (const std::string& aviso : configuracao.avisos) erros << aviso << "\n";
    const bool terminal = isatty(STDERR_FILENO);
    const ResultadoDoLote r = GravaPrevisoesDoCadastro(
        configuracao, de, ate, *pedido.pastaSaida, hoje, [&](const ProgressoDoLote& p) {
          if (terminal) {
            const int s = static_cast<int>(p.segundosRestantes + 0.5);
            char tempo[32];
            std::snprintf(tempo, sizeof tempo, "%d:%02d", s / 60, s % 60);
            erros << "\r\x1b[K[" << p.feitos << "/" << p.total << "] " << p.cliente
                  << " (faltam " << tempo << ")" << std::flush;
          }
          return true;
        });
    if (terminal) erros << "\n";
    erros << r.gravados << (r.gravados == 1 ? " previsão gravada" : " previsões gravadas") << " em "
          << *pedido.pastaSaida << ".\n";
    if (!r.pulados.empty()) {
      erros << "Clientes sem previsão (" << r.pulados.size() << "):\n";
      for (const std::string& p : r.pulados) erros << "  " << p << "\n";
    }
    return r.pulados.empty() ? 0 : 1;
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
}

}  // namespace

int ExecutaAnalise(const std::vector<std::string>& args, std::ostream& saida,
                   std::ostream& erros) {
  const AvisosAoFim avisos(erros);
  Preparo preparo;
  if (const auto status = Prepara(args, false, saida, erros, preparo)) return *status;
  const PedidoDeAnalise& pedido = preparo.pedido;
  const Data& hoje = preparo.hoje;
  try {
    const Configuracao configuracao = CarregarConfiguracao(EscolhePastaDeDados(pedido.pasta));
    for (const std::string& aviso : configuracao.avisos) erros << aviso << "\n";
    const Analise analise = MontaAnalise(preparo.pessoa, hoje, configuracao.opcoes,
                                         configuracao.titulos, configuracao.pasta);
    if (pedido.json &&
        !Escreve(*pedido.json, JsonDaAnalise(analise, hoje, configuracao.ordem), saida, erros)) {
      return 1;
    }
    if (pedido.texto &&
        !Escreve(*pedido.texto, TextoDaAnalise(analise, configuracao.opcoes, configuracao.ordem),
                 saida, erros)) {
      return 1;
    }
    if (!pedido.pdf && !pedido.png && !pedido.quadro && !pedido.odt) return 0;
    if (!TemGraficos(erros)) return 1;
    std::string semImagem;
    const ConteudoDaAnalise conteudo = ConteudoDe(analise, configuracao, &semImagem);
    if (!semImagem.empty()) erros << semImagem << "\n";
    if (pedido.png) GravaPaginas(*pedido.png, conteudo);
    if (pedido.odt) GravaOdt(*pedido.odt, conteudo);
    if (!pedido.pdf && !pedido.quadro) return 0;
    // The PDF is what the print dialog would print with the kept choices;
    // the chart alone leaves the cover out.
    OpcoesDaImpressao impressao{MargensDoPdf(configuracao, erros), configuracao.opcoes.ImprimirFolhaRosto,
                                configuracao.opcoes.ImprimirPretoEmBranco,
                                TipoDaOpcao(configuracao.opcoes.TipoImpressao), hoje};
    auto pdf = [&](const std::string& arquivo) {
      std::string falha;
      if (GravarPdf(arquivo, conteudo, impressao, &falha) == 0) throw ErroDeArquivo(falha);
    };
    if (pedido.pdf) pdf(*pedido.pdf);
    impressao.folhaRosto = false;
    impressao.tipo = TipoDeImpressao::Quadro;
    if (pedido.quadro) pdf(*pedido.quadro);
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
  return 0;
}

int ExecutaPrevisao(const std::vector<std::string>& args, std::ostream& saida,
                    std::ostream& erros) {
  const AvisosAoFim avisos(erros);
  Preparo preparo;
  if (const auto status = Prepara(args, true, saida, erros, preparo)) return *status;
  const PedidoDeAnalise& pedido = preparo.pedido;
  auto [de, ate] = AnosPadraoDaPrevisao(preparo.hoje);
  for (const auto& [texto, ano, nome] : {std::tuple{pedido.de, &de, "--de"}, {pedido.ate, &ate, "--ate"}}) {
    if (!texto) continue;
    const auto lido = LeAno(*texto);
    if (!lido) {
      erros << "O ano da opção " << nome << " deve ter quatro algarismos (AAAA): " << *texto << ".\n";
      return 2;
    }
    *ano = *lido;
  }
  if (pedido.de && !pedido.ate) ate = std::max(ate, de);  // --de alone: from that year on, one year at least
  if (pedido.cadastro) return PrevisoesDoCadastro(pedido, de, ate, preparo.hoje, erros);
  if (const auto recusa = RecusaDosAnos(preparo.pessoa.Nascimento, de, ate)) {
    erros << *recusa << "\n";
    return 2;
  }
  try {
    const Configuracao configuracao = CarregarConfiguracao(EscolhePastaDeDados(pedido.pasta));
    for (const std::string& aviso : configuracao.avisos) erros << aviso << "\n";
    const Previsao previsao = MontaPrevisao(preparo.pessoa, de, ate, configuracao.opcoes, configuracao.pasta);
    if (pedido.json && !Escreve(*pedido.json, JsonDaPrevisao(previsao), saida, erros)) return 1;
    if (pedido.texto &&
        !Escreve(*pedido.texto, TextoDoRelatorio(BlocosDaPrevisao(previsao, configuracao.opcoes)),
                 saida, erros)) {
      return 1;
    }
    if (!pedido.pdf && !pedido.odt) return 0;
    if (!TemGraficos(erros)) return 1;
    std::string semImagem;
    const ConteudoDaAnalise conteudo = ConteudoDaPrevisao(previsao, configuracao, &semImagem);
    if (!semImagem.empty()) erros << semImagem << "\n";
    if (pedido.odt) GravaOdt(*pedido.odt, conteudo);
    if (pedido.pdf) {
      // The forecast alone: no cover, no chart.
      const OpcoesDaImpressao impressao{MargensDoPdf(configuracao, erros), false,
                                        configuracao.opcoes.ImprimirPretoEmBranco,
                                        TipoDeImpressao::Analise, preparo.hoje};
      std::string falha;
      if (GravarPdf(*pedido.pdf, conteudo, impressao, &falha) == 0) throw ErroDeArquivo(falha);
    }
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
  return 0;
}

bool ComandoDaLinha(const std::string& palavra) {
  return palavra == "analise" || palavra == "previsao" || palavra == "compatibilidade" ||
         palavra == "nomes";
}

namespace {

// The words of `compatibilidade` and `nomes`: the analysis's options less
// the pages' (--png, --quadro), and the positional words as they come.
std::optional<PedidoDeAnalise> LeOutroPedido(const std::vector<std::string>& args,
                                             std::vector<std::string>& posicionais, std::string& erro) {
  PedidoDeAnalise p;
  if (!LeOpcoes(args, true, false, p, posicionais, erro)) return std::nullopt;
  if (p.png || p.quadro) {
    erro = std::string("Opção desconhecida: ") + (p.png ? "--png" : "--quadro") + ".";
    return std::nullopt;
  }
  return p;
}

std::optional<PessoaAnalisada> Pessoa(const std::string& nome, const std::string& data,
                                      const Data& hoje, std::ostream& erros) {
  std::string recusa;
  auto pessoa = AceitaPedido(nome, data, hoje, &recusa);
  if (!pessoa) erros << nome << ": " << recusa << "\n";
  return pessoa;
}

}  // namespace

int ExecutaCompatibilidade(const std::vector<std::string>& args, std::ostream& saida,
                           std::ostream& erros) {
  const AvisosAoFim avisos(erros);
  std::string erro;
  std::vector<std::string> posicionais;
  const auto pedido = LeOutroPedido(args, posicionais, erro);
  if (pedido && pedido->ajuda) {
    saida << kUsoCompatibilidade << "\n\nCompara duas pessoas: Caminho da Vida, Número da "
          << "Expressão, Impulso da Alma e Eu Silencioso, com a harmonia de cada par.\n"
          << "Opções: --pasta, --json, --texto, --pdf e --odt, como na análise.\n";
    return 0;
  }
  if (pedido && posicionais.size() != 4) erro = "Informe o nome e a data de nascimento das duas pessoas.";
  if (!pedido || !erro.empty()) {
    erros << erro << "\n" << kUsoCompatibilidade << "\n";
    return 2;
  }
  const Data hoje = DataDeHoje();
  const auto primeira = Pessoa(posicionais[0], posicionais[1], hoje, erros);
  const auto segunda = Pessoa(posicionais[2], posicionais[3], hoje, erros);
  if (!primeira || !segunda) return 2;
  try {
    const Configuracao configuracao = CarregarConfiguracao(EscolhePastaDeDados(pedido->pasta));
    for (const std::string& aviso : configuracao.avisos) erros << aviso << "\n";
    const Compatibilidade c = MontaCompatibilidade(*primeira, *segunda, configuracao.opcoes, configuracao.pasta);
    if (pedido->json && !Escreve(*pedido->json, JsonDaCompatibilidade(c), saida, erros)) return 1;
    if (pedido->texto &&
        !Escreve(*pedido->texto, TextoDoRelatorio(BlocosDaCompatibilidade(c, configuracao.opcoes)),
                 saida, erros)) {
      return 1;
    }
    if (!pedido->pdf && !pedido->odt) return 0;
    if (!TemGraficos(erros)) return 1;
    std::string semImagem;
    const ConteudoDaAnalise conteudo = ConteudoDaCompatibilidade(c, configuracao, &semImagem);
    if (!semImagem.empty()) erros << semImagem << "\n";
    if (pedido->odt) GravaOdt(*pedido->odt, conteudo);
    if (pedido->pdf) {
      const OpcoesDaImpressao impressao{MargensDoPdf(configuracao, erros), false,
                                        configuracao.opcoes.ImprimirPretoEmBranco,
                                        TipoDeImpressao::Analise, hoje};
      std::string falha;
      if (GravarPdf(*pedido->pdf, conteudo, impressao, &falha) == 0) throw ErroDeArquivo(falha);
    }
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
  return 0;
}

int ExecutaNomes(const std::vector<std::string>& args, std::ostream& saida, std::ostream& erros) {
  const AvisosAoFim avisos(erros);
  std::string erro;
  std::vector<std::string> posicionais;
  const auto pedido = LeOutroPedido(args, posicionais, erro);
  if (pedido && pedido->ajuda) {
    saida << kUsoNomes << "\n\nCompara nomes candidatos para a mesma data de nascimento: "
          << "Expressão, Impulso da Alma, Eu Silencioso, a harmonia da Expressão com o Caminho "
          << "da Vida, as Dívidas e as Lições Cármicas. Sem --json, mostra uma tabela.\n";
    return 0;
  }
  if (pedido && (pedido->texto || pedido->pdf || pedido->odt)) erro = "Em \"nomes\", só --json e --pasta se aplicam.";
  if (pedido && erro.empty() && posicionais.size() < 2) erro = "Informe a data de nascimento e ao menos um nome.";
  if (!pedido || !erro.empty()) {
    erros << erro << "\n" << kUsoNomes << "\n";
    return 2;
  }
  const Data hoje = DataDeHoje();
  const auto data = InterpretaData(posicionais[0], hoje);
  if (!data) {
    erros << kMensagemDataInvalida << "\n";
    return 2;
  }
  try {
    const Configuracao configuracao = CarregarConfiguracao(EscolhePastaDeDados(pedido->pasta));
    std::vector<std::string> recusas;
    const std::vector<NomeAvaliado> nomes = OrdenaPelaHarmonia(
        AvaliaNomes(*data, {posicionais.begin() + 1, posicionais.end()}, configuracao.opcoes, hoje, &recusas));
    for (const std::string& r : recusas) erros << r << "\n";
    if (pedido->json) {
      if (!Escreve(*pedido->json, JsonDosNomes(nomes), saida, erros)) return 1;
    } else {
      for (const NomeAvaliado& n : nomes) {
        std::string dividas;
        for (const DividaCarmica& d : n.Mapa.DividasCarmicas) dividas += (dividas.empty() ? "" : " ") + std::to_string(d.Numero);
        std::string licoes;
        for (int16_t v : n.Mapa.LicoesCarmicas) licoes += (licoes.empty() ? "" : " ") + std::to_string(v);
        saida << n.NomeDigitado << "\tExpressão " << n.Numeros.Expressao << "\tImpulso da Alma "
              << n.Numeros.ImpulsoDaAlma << "\tEu Silencioso " << n.Numeros.EuSilencioso << "\t"
              << NomeDaHarmonia(n.HarmoniaComOCaminho) << "\tDívidas: " << (dividas.empty() ? "nenhuma" : dividas)
              << "\tLições: " << (licoes.empty() ? "nenhuma" : licoes) << "\n";
      }
    }
    return recusas.empty() ? 0 : 2;
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
}

}  // namespace cifra
