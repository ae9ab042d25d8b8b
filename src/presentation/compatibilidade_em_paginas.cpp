#include "compatibilidade_em_paginas.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "engine/texto.h"
#include "topicos.h"

namespace cifra {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QJsonObject PessoaEmJson(const NumerosComparados& p) {
  return {{"NomeCompleto", Q(p.NomeCompleto)},   {"DataNascimento", Q(p.DataNascimento)},
          {"CaminhoDaVida", Q(p.CaminhoDaVida)}, {"Expressao", Q(p.Expressao)},
          {"ImpulsoDaAlma", Q(p.ImpulsoDaAlma)}, {"EuSilencioso", Q(p.EuSilencioso)}};
}

}  // namespace

std::vector<BlocoDoRelatorio> BlocosDaCompatibilidade(const Compatibilidade& c, const ProgramOptions& opcoes) {
  std::vector<BlocoDoRelatorio> blocos;
  for (const LinhaResultado& l : c.Textos) {
    const bool descricao = DescricaoApresentada(l, opcoes);
    blocos.push_back({descricao ? l.Descricao : std::string(), l.Titulo, l.Interpretacao, {}});
  }
  return blocos;
}

ConteudoDaAnalise ConteudoDaCompatibilidade(const Compatibilidade& c, const Configuracao& configuracao,
                                            std::string* problema) {
  // The header's two lines under the title carry both people; the picture
  // is the first person's sign.
  Analise cabecalho;
  cabecalho.NomeCompleto = c.Pessoas[0].NomeCompleto + " e " + c.Pessoas[1].NomeCompleto;
  cabecalho.NomeExibido = c.Pessoas[0].NomeExibido + " e " + c.Pessoas[1].NomeExibido;
  cabecalho.DataNascimento = c.Pessoas[0].DataNascimento;
  ConteudoDaAnalise conteudo = ConteudoDe(cabecalho, configuracao, problema);
  conteudo.analise.DataNascimento = c.Pessoas[0].DataNascimento + " e " + c.Pessoas[1].DataNascimento;
  conteudo.blocos = BlocosDaCompatibilidade(c, configuracao.opcoes);
  conteudo.tituloDoRelatorio = kTituloDaCompatibilidade;
  return conteudo;
}

std::string JsonDaCompatibilidade(const Compatibilidade& c) {
  QJsonArray aspectos;
  for (const AspectoComparado& a : c.Aspectos) {
    aspectos.append(QJsonObject{{"Aspecto", Q(a.Aspecto)},
                                {"Numeros", QJsonArray{Q(a.Numeros[0]), Q(a.Numeros[1])}},
                                {"Harmonia", Q(std::string(NomeDaHarmonia(a.Classe)))}});
  }
  const QJsonObject raiz{{"Pessoas", QJsonArray{PessoaEmJson(c.Pessoas[0]), PessoaEmJson(c.Pessoas[1])}},
                         {"Aspectos", aspectos}};
  return QJsonDocument(raiz).toJson(QJsonDocument::Indented).toStdString();
}

std::vector<NomeAvaliado> OrdenaPelaHarmonia(std::vector<NomeAvaliado> nomes) {
  std::stable_sort(nomes.begin(), nomes.end(), [](const NomeAvaliado& a, const NomeAvaliado& b) {
    return a.HarmoniaComOCaminho < b.HarmoniaComOCaminho;
  });
  return nomes;
}

std::string JsonDosNomes(const std::vector<NomeAvaliado>& nomes) {
  QJsonArray r;
  for (const NomeAvaliado& n : nomes) {
    QJsonObject o = PessoaEmJson(n.Numeros);
    o.insert("Nome", Q(n.NomeDigitado));
    o.insert("Harmonia", Q(std::string(NomeDaHarmonia(n.HarmoniaComOCaminho))));
    QJsonArray dividas, licoes;
    for (const DividaCarmica& d : n.Mapa.DividasCarmicas) {
      dividas.append(QJsonObject{{"Numero", d.Numero}, {"Origem", Q(std::string(NomeDaOrigem(d.Origem)))}});
    }
    for (int16_t v : n.Mapa.LicoesCarmicas) licoes.append(v);
    o.insert("DividasCarmicas", dividas);
    o.insert("LicoesCarmicas", licoes);
    r.append(o);
  }
  return QJsonDocument(r).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace cifra
