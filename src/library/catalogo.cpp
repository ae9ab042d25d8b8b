#include "catalogo.h"

#include <stdexcept>

namespace cifra {
namespace {

constexpr std::array<Topico, kTopicos> kCatalogo{{
    {1, "Caminho da Vida", "CVIDA", "Caminho da Vida", 1},
    {2, "Ciclo Formativo", "CFORM", "Ciclo Formativo", 2},
    {3, "Ciclo Produtivo", "CPROD", "Ciclo Produtivo", 0},
    {4, "Ciclo da Colheita", "CCOLH", "Ciclo da Colheita", 0},
    {5, "Vibrações do Dia do Nascimento", "CDNAS", "Vibrações do Dia do Nascimento", 3},
    {6, "Desafios do Dia do Nascimento", "DESNASC", "Desafios do Dia do Nascimento", 0,
     "Cada desafio é uma lição a ser aprendida: a sua vibração pode causar ansiedade ou tensão "
     "na vida até ser superada ou compreendida."},
    {7, "Presente do Dia do Nascimento", "PRESNASC", "Presente do Dia do Nascimento", 0,
     "A cada desafio corresponde um dom, oferecido para compensá-lo: é o presente do dia em que "
     "você nasceu."},
    {8, "Primeira Realização", "APICES", "Primeira Realização", 4},
    {9, "Segunda Realização", "APICES", "Segunda Realização (=primeira)", 0},
    {10, "Terceira Realização", "APICES", "Terceira Realização (=primeira)", 0},
    {11, "Quarta Realização", "APICES", "Quarta Realização (=primeira)", 0},
    {12, "Desafio Maior", "DESVIDA", "Desafio Maior", 5},
    {13, "Primeiro Desafio Menor", "DESVIDA", "Primeiro Desafio Menor (=menor)", 0},
    {14, "Segundo Desafio Menor", "DESVIDA", "Segundo Desafio Menor (=menor)", 0},
    {15, "Desafio Menor Adicional", "DESVIDA", "Desafio Menor Adicional (=menor)", 0},
    {16, "Indicações para a Saúde", "INDSAUDE", "Indicações para a Saúde", 0,
     "As Indicações para a Saúde partem do algarismo que mais se repete entre os números da sua "
     "data de nascimento: somado a 1, ele dá o número que orienta os cuidados descritos a "
     "seguir, sem substituir a orientação de um profissional de saúde."},
    {17, "Ano Universal", "INTANOUN", "Interpretação do Ano Universal", 6},
    {18, "Mês Universal", "INTMESUN", "Interpretação do Mês Universal", 0},
    {19, "Dia Universal", "INTDIAUN", "Interpretação do Dia Universal", 0},
    {20, "Ano Pessoal", "INTANOPS", "Interpretação do Ano Pessoal", 7},
    {21, "Mês Pessoal", "INTMESPS", "Interpretação do Mês Pessoal", 0},
    {22, "Dia Pessoal", "INTDIAPS", "Interpretação do Dia Pessoal", 0},
    {23, "Número da Expressão", "INTEXEXP", "Número da Expressão", 8},
    {24, "Impulso da Alma", "IMPXALMA", "Impulso da Alma", 9},
    {25, "Eu Silencioso", "EUXSILEN", "O Eu Silencioso", 10},
    {26, "Primeira Vogal", "INTVOG", "Interpretação da Primeira Vogal", 11},
    {27, "Características do Nome", "INTNOME", "Características do Nome", 12},
    {28, "Número da Realidade", "INTREALI", "Número da Realidade", 13},
    {29, "Número Complementar A", "DEFUSERA", "Número Complementar A", 14},
    {30, "Número Complementar B", "DEFUSERB", "Número Complementar B", 15},
}};

}  // namespace

const std::array<Topico, kTopicos>& Catalogo() { return kCatalogo; }

const Topico& TopicoDoNumero(int numero) {
  if (!TopicoValido(numero)) throw std::out_of_range("tópico inexistente");
  return kCatalogo[numero - 1];
}

std::string NomeDoTopico(int numero) {
  if (!TopicoValido(numero)) return "[Desconhecido]";
  return std::string(kCatalogo[numero - 1].nome);
}

int TopicoRealDoNome(std::string_view nome) {
  for (const Topico& t : kCatalogo) {
    if (t.nome == nome) return t.numero;
  }
  return 0;
}

std::string ArquivoDoTopico(int numero) {
  return std::string(TopicoDoNumero(numero).codigo) + ".DAT";
}

}  // namespace cifra
