#include "previsao_em_paginas.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "engine/texto.h"
#include "topicos.h"
#include "exportacao.h"

namespace cifra {

std::string TituloDaPrevisao(const Previsao& p) {
  std::string titulo = "Previsão Numerológica " + std::to_string(p.AnoInicial);
  if (p.AnoFinal != p.AnoInicial) titulo += "–" + std::to_string(p.AnoFinal);
  return titulo;
}

std::vector<BlocoDoRelatorio> BlocosDaPrevisao(const Previsao& p, const ProgramOptions& opcoes) {
  auto descricao = [&](const std::string& d) {
    return DescricaoApresentada(d, opcoes) ? d : std::string();
  };
  std::vector<BlocoDoRelatorio> blocos;
  for (const AnoDaPrevisao& ano : p.Anos) {
    for (const LinhaResultado& l : ano.Textos) {
      blocos.push_back({descricao(l.Descricao), l.Titulo, l.Interpretacao, {}});
    }
  }
  if (!blocos.empty()) blocos.front().Descricao = descricao(p.Descricao);
  return blocos;
}

ConteudoDaAnalise ConteudoDaPrevisao(const Previsao& p, const Configuracao& configuracao,
                                     std::string* problema) {
  Analise pessoa;
  pessoa.NomeCompleto = p.NomeCompleto;
  pessoa.NomeExibido = p.NomeExibido;
  pessoa.DataNascimento = p.DataNascimento;
  ConteudoDaAnalise conteudo = ConteudoDe(pessoa, configuracao, problema);
  conteudo.blocos = BlocosDaPrevisao(p, configuracao.opcoes);
  conteudo.tituloDoRelatorio = TituloDaPrevisao(p);
  return conteudo;
}

std::string TextoDoRelatorio(const std::vector<BlocoDoRelatorio>& blocos) {
  constexpr const char* NL = "\r\n";
  std::string texto;
  for (const BlocoDoRelatorio& b : blocos) {
    if (!b.Descricao.empty()) texto += b.Descricao + NL + NL;
    texto += b.Titulo + NL + NL + b.Texto + NL + NL + kSeparadorDoTexto + NL + NL;
  }
  return texto;
}

std::string JsonDaPrevisao(const Previsao& p) {
  auto q = [](const std::string& s) { return QString::fromStdString(s); };
  QJsonArray anos;
  for (const AnoDaPrevisao& a : p.Anos) {
    QJsonArray meses;
    for (const MesDaPrevisao& m : a.Meses) {
      meses.append(QJsonObject{{"Mes", m.Mes}, {"AnoPessoal", q(m.AnoPessoal)}, {"MesPessoal", q(m.MesPessoal)}});
    }
    anos.append(QJsonObject{{"Ano", a.Ano},
                            {"AnoUniversal", q(a.AnoUniversal)},
                            {"AnoPessoal", q(a.AnoPessoal)},
                            {"Ciclo", a.Ciclo},
                            {"Realizacao", a.Realizacao},
                            {"Meses", meses}});
  }
  const QJsonObject raiz{{"NomeCompleto", q(p.NomeCompleto)},
                         {"NomeExibido", q(p.NomeExibido)},
                         {"DataNascimento", q(p.DataNascimento)},
                         {"Anos", anos}};
  return QJsonDocument(raiz).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace cifra
