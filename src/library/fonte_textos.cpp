#include "fonte_textos.h"

#include <cctype>
#include <vector>

#include "engine/texto.h"

namespace cifra {

std::map<int, std::string> LeFonteDeTextos(std::string_view fonte) {
  // Whatever line breaks the source was saved with, the lines end in CR LF here.
  const std::string conteudo = ComQuebrasCrLf(fonte);
  std::map<int, std::string> registros;
  std::vector<std::string> linhas;
  int atual = 0;
  auto fecha = [&] {
    if (atual == 0) return;
    size_t inicio = 0, fim = linhas.size();
    while (fim > inicio && linhas[fim - 1].empty()) --fim;
    while (inicio < fim && linhas[inicio].empty()) ++inicio;
    std::string texto;
    for (size_t i = inicio; i < fim; ++i) texto += (i > inicio ? "\r\n" : "") + linhas[i];
    if (!registros.emplace(atual, texto).second) {
      throw ErroNaFonte("registro repetido: " + std::to_string(atual));
    }
    linhas.clear();
  };
  int numeroDaLinha = 0;
  size_t pos = 0;
  while (pos < conteudo.size()) {
    size_t fimDaLinha = conteudo.find("\r\n", pos);
    if (fimDaLinha == std::string::npos) fimDaLinha = conteudo.size();
    std::string linha = conteudo.substr(pos, fimDaLinha - pos);
    pos = fimDaLinha + 2;
    ++numeroDaLinha;
    if (linha.size() > 2 && linha[0] == '[' && std::isdigit(static_cast<unsigned char>(linha[1])) &&
        linha.find(']') != std::string::npos) {
      fecha();
      // Read digit by digit: a number too long for an int is refused, not thrown past us.
      constexpr int kMaiorRegistro = 1000000;
      atual = 0;
      for (size_t i = 1; i < linha.size() && std::isdigit(static_cast<unsigned char>(linha[i])); ++i) {
        atual = atual * 10 + (linha[i] - '0');
        if (atual > kMaiorRegistro) break;
      }
      if (atual < 1 || atual > kMaiorRegistro) {
        throw ErroNaFonte("linha " + std::to_string(numeroDaLinha) + ": registro inválido");
      }
      continue;
    }
    if (atual == 0) {
      // Before the first record, lines opened by "#" are notes for the editor.
      if (!linha.empty() && linha[0] != '#') {
        throw ErroNaFonte("linha " + std::to_string(numeroDaLinha) + ": texto antes do primeiro registro");
      }
      continue;
    }
    // Trailing blanks left by an editor mean nothing.
    linha = AparaBrancosADireita(linha);
    linhas.push_back(linha);
  }
  fecha();
  return registros;
}

}  // namespace cifra
