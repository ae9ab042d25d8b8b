#include "conteudo_do_documento.h"

#include "compatibilidade_em_paginas.h"
#include "exportacao.h"
#include "previsao_em_paginas.h"
#include "tela.h"

namespace cifra {

ConteudoDaAnalise ConteudoDoDocumento(const DocumentoDaAnalise& documento,
                                      const Configuracao& configuracao, std::string* problema) {
  if (const Previsao* previsao = documento.ComoPrevisao()) {
    return ConteudoDaPrevisao(*previsao, configuracao, problema);
  }
  if (const Compatibilidade* c = documento.ComoCompatibilidade()) {
    return ConteudoDaCompatibilidade(*c, configuracao, problema);
  }
  return ConteudoDe(documento.Resultado(), configuracao, problema);
}

void RefazDocumento(DocumentoDaAnalise& documento, const Configuracao& configuracao,
                    const Data& hoje, std::string* problema) {
  if (const Previsao* antiga = documento.ComoPrevisao()) {
    Previsao previsao = MontaPrevisao(documento.Pessoa(), antiga->AnoInicial, antiga->AnoFinal,
                                      configuracao.opcoes, configuracao.pasta);
    PaginasDaTela paginas =
        ImprimirAnaliseNoMonitor(ConteudoDaPrevisao(previsao, configuracao, problema));
    documento.Substitui(std::move(previsao), std::move(paginas));
    return;
  }
  if (documento.ComoCompatibilidade()) {
    Compatibilidade c = MontaCompatibilidade(documento.Pessoa(), documento.SegundaPessoa(),
                                             configuracao.opcoes, configuracao.pasta);
    PaginasDaTela paginas =
        ImprimirAnaliseNoMonitor(ConteudoDaCompatibilidade(c, configuracao, problema));
    documento.Substitui(std::move(c), std::move(paginas));
    return;
  }
  Analise analise = MontaAnalise(documento.Pessoa(), hoje, configuracao.opcoes,
                                 configuracao.titulos, configuracao.pasta);
  PaginasDaTela paginas = ImprimirAnaliseNoMonitor(ConteudoDe(analise, configuracao, problema));
  documento.Substitui(std::move(analise), std::move(paginas));
}

std::string TituloDaJanela(const DocumentoDaAnalise& documento) {
  if (const Previsao* p = documento.ComoPrevisao()) {
    std::string anos = std::to_string(p->AnoInicial);
    if (p->AnoFinal != p->AnoInicial) anos += "–" + std::to_string(p->AnoFinal);
    return p->NomeExibido + " – Previsão " + anos;
  }
  if (const Compatibilidade* c = documento.ComoCompatibilidade()) {
    return c->Pessoas[0].NomeExibido + " e " + c->Pessoas[1].NomeExibido + " – Compatibilidade";
  }
  const Analise& analise = documento.Resultado();
  if (analise.NomeExibido.empty()) return "Relatório de Análise Numerológica";
  return analise.NomeExibido + " – " + analise.DataNascimento;
}

std::string TextoDoDocumento(const DocumentoDaAnalise& documento,
                             const Configuracao& configuracao) {
  if (const Previsao* p = documento.ComoPrevisao()) {
    return TextoDoRelatorio(BlocosDaPrevisao(*p, configuracao.opcoes));
  }
  if (const Compatibilidade* c = documento.ComoCompatibilidade()) {
    return TextoDoRelatorio(BlocosDaCompatibilidade(*c, configuracao.opcoes));
  }
  return TextoDaAnalise(documento.Resultado(), configuracao.opcoes, configuracao.ordem);
}

std::string HtmlDoDocumento(const DocumentoDaAnalise& documento, const Configuracao& configuracao) {
  if (const Previsao* p = documento.ComoPrevisao()) {
    return HtmlDoRelatorio(BlocosDaPrevisao(*p, configuracao.opcoes));
  }
  if (const Compatibilidade* c = documento.ComoCompatibilidade()) {
    return HtmlDoRelatorio(BlocosDaCompatibilidade(*c, configuracao.opcoes));
  }
  return HtmlDaAnalise(documento.Resultado(), configuracao.opcoes, configuracao.ordem);
}

}  // namespace cifra
