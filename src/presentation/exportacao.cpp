#include "exportacao.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "engine/texto.h"
#include "library/catalogo.h"
#include "topicos.h"

namespace cifra {
namespace {

// One shown topic as the export writes it: an optional description, the
// title with its number when asked for, and the interpretation.
struct TopicoExportado {
  const std::string* descricao;  // nullptr when not shown
  std::string titulo;
  const std::string& interpretacao;
};

// "1: 4   4: 2   7: –" and two more lines: the square read row by row, a
// dash in the cell of a karmic lesson.
std::string QuadradoEmTexto(const MapaCarmico& mapa) {
  std::string texto;
  for (int linha = 0; linha < 3; ++linha) {
    for (int coluna = 0; coluna < 3; ++coluna) {
      const int v = 1 + linha + 3 * coluna;
      const int n = mapa.Inclusao[static_cast<size_t>(v - 1)];
      texto += (coluna ? "   " : "") + std::to_string(v) + ": " + (n ? std::to_string(n) : "–");
    }
    if (linha < 2) texto += "\r\n";
  }
  return texto;
}

template <class Funcao>
void ParaCadaTopicoExportado(const Analise& analise, const ProgramOptions& opcoes,
                             const OrdemDosTopicos& ordem, Funcao&& f) {
  const OrdemDosTopicos valida = OrdemValida(ordem);
  for (size_t posicao = 1; posicao < valida.size(); ++posicao) {
    const int t = valida[posicao];
    if (!TopicoApresentado(analise, opcoes, t)) continue;
    const LinhaResultado& linha = analise.ResultadoAnalise[t];
    std::string titulo = linha.Titulo;
    if (opcoes.ImprimirNumero) titulo = TituloComNumero(titulo, t, linha.Numero);
    f(TopicoExportado{DescricaoApresentada(linha, opcoes) ? &linha.Descricao : nullptr,
                      std::move(titulo), linha.Interpretacao});
  }
  if (!MapaCarmicoApresentado(analise, opcoes)) return;
  // The karmic map after the topics: the square as three lines of text.
  const SecaoCarmica& secao = analise.Carmico;
  auto descricao = [&](const std::string& d) {
    return DescricaoApresentada(d, opcoes) ? &d : nullptr;
  };
  const std::string quadrado = QuadradoEmTexto(secao.Numeros);
  f(TopicoExportado{descricao(secao.Descricao), secao.Titulo, quadrado});
  for (const LinhaResultado& item : secao.Itens) {
    f(TopicoExportado{descricao(item.Descricao), item.Titulo, item.Interpretacao});
  }
}

std::string EscapaHtml(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A text as HTML paragraphs: an empty line between two paragraphs, a single
// line break kept as <br>; CR LF, CR and LF all count as a line break.
std::string ParagrafosHtml(std::string_view texto, const char* abre, const char* fecha) {
  std::string html, paragrafo;
  int quebras = 0;
  auto fechaParagrafo = [&] {
    if (!paragrafo.empty()) html += "<p>" + std::string(abre) + paragrafo + fecha + "</p>\n";
    paragrafo.clear();
  };
  for (size_t i = 0; i <= texto.size(); ++i) {
    const bool fim = i == texto.size();
    const char c = fim ? '\n' : texto[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
      ++quebras;
      continue;
    }
    if (quebras >= 2) fechaParagrafo();
    else if (quebras == 1 && !paragrafo.empty()) paragrafo += "<br>";
    quebras = 0;
    paragrafo += EscapaHtml(std::string_view(&texto[i], 1));
  }
  fechaParagrafo();
  return html;
}

}  // namespace

std::string TextoDaAnalise(const Analise& analise, const ProgramOptions& opcoes,
                          const OrdemDosTopicos& ordem) {
  constexpr const char* NL = "\r\n";
  std::string texto;
  ParaCadaTopicoExportado(analise, opcoes, ordem, [&](const TopicoExportado& t) {
    if (t.descricao) texto += *t.descricao + NL + NL;
    texto += t.titulo + NL + NL;
    texto += t.interpretacao + NL + NL + kSeparadorDoTexto + NL + NL;
  });
  return texto;
}

std::string HtmlDaAnalise(const Analise& analise, const ProgramOptions& opcoes,
                          const OrdemDosTopicos& ordem) {
  std::string html = "<html><head><meta charset=\"utf-8\"></head><body>\n";
  ParaCadaTopicoExportado(analise, opcoes, ordem, [&](const TopicoExportado& t) {
    if (t.descricao) html += ParagrafosHtml(*t.descricao, "<i>", "</i>");
    html += ParagrafosHtml(t.titulo, "<b>", "</b>");
    html += ParagrafosHtml(t.interpretacao, "", "");
    html += "<p>" + std::string(kSeparadorDoTexto) + "</p>\n";
  });
  return html + "</body></html>\n";
}

std::string HtmlDoRelatorio(const std::vector<BlocoDoRelatorio>& blocos) {
  std::string html = "<html><head><meta charset=\"utf-8\"></head><body>\n";
  for (const BlocoDoRelatorio& b : blocos) {
    html += ParagrafosHtml(b.Descricao, "<i>", "</i>");
    html += ParagrafosHtml(b.Titulo, "<b>", "</b>");
    html += ParagrafosHtml(b.Texto, "", "");
    html += "<p>" + std::string(kSeparadorDoTexto) + "</p>\n";
  }
  return html + "</body></html>\n";
}

std::string JsonDaAnalise(const Analise& a, const Data& hoje, const OrdemDosTopicos& ordem) {
  // QString takes malformed UTF-8 as U+FFFD, so the JSON is always valid.
  auto q = [](const std::string& s) { return QString::fromStdString(s); };
  QJsonArray topicos;
  const OrdemDosTopicos valida = OrdemValida(ordem);
  for (size_t posicao = 1; posicao < valida.size(); ++posicao) {
    const int t = valida[posicao];
    const LinhaResultado& l = a.ResultadoAnalise[t];
    topicos.append(QJsonObject{{"Topico", t},
                               {"Nome", q(NomeDoTopico(t))},
                               {"Numero", q(l.Numero)},
                               {"Titulo", q(l.Titulo)},
                               {"Descricao", q(l.Descricao)},
                               {"Interpretacao", q(l.Interpretacao)}});
  }
  const MapaCarmico& mapa = a.Carmico.Numeros;
  auto numeros = [](const auto& valores) {
    QJsonArray r;
    for (const auto v : valores) r.append(v);
    return r;
  };
  QJsonArray dividas, textos;
  for (const DividaCarmica& d : mapa.DividasCarmicas) {
    dividas.append(QJsonObject{{"Numero", d.Numero}, {"Origem", q(std::string(NomeDaOrigem(d.Origem)))}});
  }
  for (const LinhaResultado& l : a.Carmico.Itens) {
    textos.append(QJsonObject{{"Numero", q(l.Numero)},
                              {"Titulo", q(l.Titulo)},
                              {"Descricao", q(l.Descricao)},
                              {"Interpretacao", q(l.Interpretacao)}});
  }
  const QJsonObject carmico{{"Inclusao", numeros(mapa.Inclusao)},
                            {"LicoesCarmicas", numeros(mapa.LicoesCarmicas)},
                            {"TendenciaOculta", numeros(mapa.TendenciaOculta)},
                            {"RespostaSubconsciente", mapa.RespostaSubconsciente},
                            {"DividasCarmicas", dividas},
                            {"Descricao", q(a.Carmico.Descricao)},
                            {"Textos", textos}};
  const QJsonObject raiz{{"NomeCompleto", q(a.NomeCompleto)},
                         {"NomeExibido", q(a.NomeExibido)},
                         {"DataNascimento", q(a.DataNascimento)},
                         {"Hoje", q(FormataData(hoje))},
                         {"Topicos", topicos},
                         {"MapaCarmico", carmico}};
  return QJsonDocument(raiz).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace cifra
