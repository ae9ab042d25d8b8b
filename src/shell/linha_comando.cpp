#include "linha_comando.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QString>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "analysis/pedido.h"
#include "estado.h"
#include "library/arquivo_registros.h"
#include "library/catalogo.h"
#include "presentation/exportacao.h"
#include "presentation/tela.h"
#include "printing/impressao.h"

namespace cifra {
namespace {

std::string Json(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", u);
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void FalhaAoGravar(std::ostream& erros, const std::string& arquivo, int codigoDeErro = 0) {
  erros << MensagemDeFalha("gravar", arquivo, codigoDeErro) << "\n";
}

// Writes to a file (aside, then in place of the old one), or to standard output for "-".
bool Escreve(const std::string& destino, const std::string& conteudo, std::ostream& saida,
             std::ostream& erros) {
  if (destino == "-") {
    saida << conteudo;
    return static_cast<bool>(saida);
  }
  try {
    GravaArquivoInteiro(destino, conteudo);
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return false;
  }
  return true;
}

// Screen pages become images at 4 pixels per millimetre (about 100 dpi):
// the size they have on a common monitor.
constexpr double kPixelsPorMm = 4;

bool GravaPaginas(const std::string& pasta, const ConteudoDaAnalise& conteudo,
                  std::ostream& erros) {
  std::error_code ec;
  std::filesystem::create_directories(pasta, ec);
  const PaginasDaTela paginas = ImprimirAnaliseNoMonitor(conteudo, LarguraDaTelaEmMm());
  for (int p = 1; p <= static_cast<int>(paginas.picFolha.size()); ++p) {
    const auto arquivo = std::filesystem::path(pasta) / ("page-" + std::to_string(p) + ".png");
    // Written aside and put in place only when whole.
    QSaveFile png(QString::fromStdString(arquivo.string()));
    if (!png.open(QIODevice::WriteOnly) || !GravaPaginaPng(paginas, p, kPixelsPorMm, png) ||
        !png.commit()) {
      FalhaAoGravar(erros, arquivo.string());
      return false;
    }
  }
  return true;
}

}  // namespace

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
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool reconhecida = false;
    for (const auto& [nome, membro] : opcoes) {
      if (a != nome) continue;
      if (i + 1 >= args.size()) {
        erro = std::string("Falta o valor da opção ") + nome + ".";
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

std::optional<std::string> PastaDosArgumentos(const std::vector<std::string>& argumentos) {
  PedidoDeAnalise p;
  std::vector<std::string> outros;
  std::string erro;
  LeOpcoes(argumentos, false, p, outros, erro);
  return p.pasta;
}

std::optional<PedidoDeAnalise> LePedido(const std::vector<std::string>& args, std::string& erro) {
  PedidoDeAnalise p;
  std::vector<std::string> posicionais;
  if (!LeOpcoes(args, true, p, posicionais, erro)) return std::nullopt;
  if (posicionais.size() != 2) {
    erro = "Informe o nome completo e a data de nascimento.";
    return std::nullopt;
  }
  p.nome = posicionais[0];
  p.data = posicionais[1];
  return p;
}

std::string AnaliseEmJson(const Analise& a, const Data& hoje) {
  std::ostringstream j;
  j << "{\n  \"NomeCompleto\": " << Json(a.NomeCompleto)
    << ",\n  \"DataNascimento\": " << Json(a.DataNascimento)
    << ",\n  \"Hoje\": " << Json(FormataData(hoje)) << ",\n  \"Topicos\": [";
  for (const Topico& topico : Catalogo()) {
    const int t = topico.numero;
    const LinhaResultado& l = a.ResultadoAnalise[t];
    j << (t > 1 ? "," : "") << "\n    {\"Topico\": " << t << ", \"Nome\": " << Json(NomeDoTopico(t))
      << ", \"Numero\": " << Json(l.Numero) << ", \"Titulo\": " << Json(l.Titulo)
      << ", \"Descricao\": " << Json(l.Descricao)
      << ", \"Interpretacao\": " << Json(l.Interpretacao) << "}";
  }
  j << "\n  ]\n}\n";
  return j.str();
}

int ExecutaAnalise(const std::vector<std::string>& args, std::ostream& saida,
                   std::ostream& erros) {
  std::string erro;
  const auto pedido = LePedido(args, erro);
  if (!pedido) {
    erros << erro << "\n" << kUsoAnalise << "\n";
    return 2;
  }
  Data hoje = DataDeHoje();
  if (pedido->hoje) {
    const auto d = LeData(*pedido->hoje);
    if (!d) {
      erros << "A data de hoje informada não é uma data válida (use DD/MM/AAAA).\n";
      return 2;
    }
    hoje = *d;
  }
  std::string recusa;
  const auto pessoa = AceitaPedido(pedido->nome, pedido->data, hoje, &recusa);
  if (!pessoa) {
    erros << recusa << "\n";
    return 2;
  }
  try {
    EstadoDoPrograma estado = CarregarEstado(EscolhePastaDeDados(pedido->pasta));
    estado.analise = MontaAnalise(*pessoa, hoje, estado.opcoes, estado.titulos, estado.pasta);
    if (pedido->json && !Escreve(*pedido->json, AnaliseEmJson(estado.analise, hoje), saida, erros)) {
      return 1;
    }
    if (pedido->texto &&
        !Escreve(*pedido->texto, TextoDaAnalise(estado.analise, estado.opcoes), saida, erros)) {
      return 1;
    }
    if (!pedido->pdf && !pedido->png && !pedido->quadro) return 0;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
      erros << "As páginas da análise só podem ser geradas com o ambiente gráfico iniciado.\n";
      return 1;
    }
    const FigurasDaAnalise& figuras = FigurasDoPrograma();
    const ConteudoDaAnalise conteudo{
        estado.analise, estado.opcoes, estado.fontes, estado.linhas,
        ImagemDoCabecalho(estado.opcoes, estado.analise.DataNascimento, figuras),
        figuras.divisoria};
    if (pedido->png && !GravaPaginas(*pedido->png, conteudo, erros)) return 1;
    // The PDF is what the print dialog would print with the kept choices;
    // the chart alone leaves the cover out.
    OpcoesDaImpressao impressao{LerMargens(estado.pasta), estado.opcoes.ImprimirFolhaRosto,
                                estado.opcoes.ImprimirPretoEmBranco,
                                TipoDaOpcao(estado.opcoes.TipoImpressao), hoje};
    if (pedido->pdf && GravarPdf(*pedido->pdf, conteudo, impressao) == 0) {
      FalhaAoGravar(erros, *pedido->pdf);
      return 1;
    }
    impressao.folhaRosto = false;
    impressao.tipo = TipoDeImpressao::Quadro;
    if (pedido->quadro && GravarPdf(*pedido->quadro, conteudo, impressao) == 0) {
      FalhaAoGravar(erros, *pedido->quadro);
      return 1;
    }
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace cifra
