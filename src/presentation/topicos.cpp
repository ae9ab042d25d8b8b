#include "topicos.h"

#include "engine/numeros_data.h"
#include "engine/texto.h"

namespace cifra {

int ValorDoNumero(std::string_view texto) {
  size_t i = 0;
  while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
  int sinal = 1;
  if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
    if (texto[i] == '-') sinal = -1;
    ++i;
  }
  long valor = 0;
  for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i) {
    valor = valor * 10 + (texto[i] - '0');
    if (valor > 1'000'000'000) break;
  }
  return static_cast<int>(sinal * valor);
}

bool TopicoApresentado(const Analise& analise, const ProgramOptions& opcoes, int t) {
  if (!TopicoValido(t) || !opcoes.TopicoAtivo[t]) return false;
  return !(t == 15 && ValorDoNumero(analise.ResultadoAnalise[t].Numero) == kNaoPossui);
}

std::string TituloComNumero(const std::string& titulo, int topico, const std::string& numero) {
  if (topico == 26) return titulo + " Letra " + numero;
  if (titulo.find("Número") != std::string::npos) return titulo + ": " + numero;
  return titulo + " Número " + numero;
}

bool DescricaoApresentada(std::string_view descricao, const ProgramOptions& opcoes) {
  return opcoes.ImprimirDescricao && ContaCaracteres(descricao) >= 6;
}

bool MapaCarmicoApresentado(const Analise& analise, const ProgramOptions& opcoes) {
  return opcoes.IncluirMapaCarmico && !analise.Carmico.Titulo.empty();
}

}  // namespace cifra
