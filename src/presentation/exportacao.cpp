#include "exportacao.h"

#include "topicos.h"

namespace cifra {

std::string TextoDaAnalise(const Analise& analise, const ProgramOptions& opcoes) {
  constexpr const char* NL = "\r\n";
  std::string texto;
  for (const Topico& topico : Catalogo()) {
    const int t = topico.numero;
    if (!TopicoApresentado(analise, opcoes, t)) continue;
    const LinhaResultado& linha = analise.ResultadoAnalise[t];
    if (DescricaoApresentada(linha, opcoes)) texto += linha.Descricao + NL + NL;
    texto += linha.Titulo;
    if (opcoes.ImprimirNumero) texto += (t == 26 ? " Letra " : " Número ") + linha.Numero;
    texto += std::string(NL) + NL;
    texto += linha.Interpretacao + NL + NL + kSeparadorDoTexto + NL + NL;
  }
  return texto;
}

}  // namespace cifra
