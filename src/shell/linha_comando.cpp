#include "linha_comando.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QString>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "estado.h"
#include "entrada_dados.h"
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

void FalhaAoGravar(std::ostream& erros, const std::string& arquivo) {
  erros << "Não foi possível gravar o arquivo \"" << arquivo
        << "\". Verifique a pasta e o espaço livre no disco.\n";
}

// Writes to a file, or to standard output for "-".
bool Escreve(const std::string& destino, const std::string& conteudo, std::ostream& saida,
             std::ostream& erros) {
  if (destino == "-") {
    saida << conteudo;
    return static_cast<bool>(saida);
  }
  std::ofstream f(destino, std::ios::binary | std::ios::trunc);
  f << conteudo;
  f.flush();
  if (!f) {
    FalhaAoGravar(erros, destino);
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
  const PaginasDaTela paginas = ImprimirAnaliseNoMonitor(conteudo, GetLarguraEmMm());
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
  return pedido && (pedido->pdf || pedido->png);
}

std::optional<PedidoDeAnalise> LePedido(const std::vector<std::string>& args, std::string& erro) {
  PedidoDeAnalise p;
  std::vector<std::string> posicionais;
  const std::pair<const char*, std::optional<std::string> PedidoDeAnalise::*> opcoes[] = {
      {"--pasta", &PedidoDeAnalise::pasta}, {"--hoje", &PedidoDeAnalise::hoje},
      {"--json", &PedidoDeAnalise::json},   {"--texto", &PedidoDeAnalise::texto},
      {"--pdf", &PedidoDeAnalise::pdf},     {"--png", &PedidoDeAnalise::png},
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool reconhecida = false;
    for (const auto& [nome, membro] : opcoes) {
      if (a != nome) continue;
      if (i + 1 >= args.size()) {
        erro = std::string("Falta o valor da opção ") + nome + ".";
        return std::nullopt;
      }
      p.*membro = args[++i];
      reconhecida = true;
    }
    if (reconhecida) continue;
    if (a.size() > 2 && a.starts_with("--")) {
      erro = "Opção desconhecida: " + a + ".";
      return std::nullopt;
    }
    posicionais.push_back(a);
  }
  if (posicionais.size() != 2) {
    erro = "Informe o nome completo e a data do nascimento.";
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
  for (int t = 1; t <= 30; ++t) {
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
  const auto data = CompletaData(pedido->data, hoje);
  if (!data) {
    erros << kMensagemDataInvalida << "\n";
    return 2;
  }
  if (ContaCaracteres(pedido->nome) < kMinimoDeCaracteresDoNome) {
    erros << kMensagemNomeIncompleto << "\n";
    return 2;
  }
  try {
    EstadoDoPrograma estado = CarregaEstado(EscolhePastaDeDados(pedido->pasta));
    estado.analise.NomeCompleto = DobraNome(pedido->nome);
    estado.analise.DataNascimento = *data;
    MontaAnalise(estado.analise, estado.pasta, estado.opcoes, hoje);
    if (pedido->json && !Escreve(*pedido->json, AnaliseEmJson(estado.analise, hoje), saida, erros)) {
      return 1;
    }
    if (pedido->texto &&
        !Escreve(*pedido->texto, TextoDaAnalise(estado.analise, estado.opcoes), saida, erros)) {
      return 1;
    }
    if (!pedido->pdf && !pedido->png) return 0;
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
    if (pedido->pdf) {
      const OpcoesDaImpressao impressao{LerMargens(estado.pasta), estado.opcoes.ImprimirFolhaRosto,
                                        estado.opcoes.ImprimirPretoEmBranco};
      if (GravaPdf(*pedido->pdf, conteudo, impressao) == 0) {
        FalhaAoGravar(erros, *pedido->pdf);
        return 1;
      }
    }
  } catch (const ErroDeArquivo& e) {
    erros << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace cifra
