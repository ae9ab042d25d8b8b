#include "mapa_carmico.h"

#include <algorithm>

#include "numerologia.h"

namespace cifra {
namespace {

bool EhDivida(int64_t n) {
  return std::find(kDividasCarmicas.begin(), kDividasCarmicas.end(), n) != kDividasCarmicas.end();
}

template <typename Valor>
int64_t Soma(std::u32string_view nome, Valor valor) {
  int64_t soma = 0;
  for (char32_t c : nome) soma += valor(c);
  return soma;
}

}  // namespace

std::string_view NomeDaOrigem(OrigemDaDivida origem) {
  switch (origem) {
    case OrigemDaDivida::CaminhoDaVida: return "Caminho da Vida";
    case OrigemDaDivida::Expressao: return "Número da Expressão";
    case OrigemDaDivida::ImpulsoDaAlma: return "Impulso da Alma";
    case OrigemDaDivida::EuSilencioso: return "Eu Silencioso";
    case OrigemDaDivida::DiaDoNascimento: return "Dia do Nascimento";
  }
  return {};
}

std::vector<int16_t> DividasNaReducao(int64_t total) {
  std::vector<int16_t> dividas;
  for (int64_t n = total;; n = SomaDosDigitos(n)) {
    if (EhDivida(n)) dividas.push_back(static_cast<int16_t>(n));
    if (n < 10) break;
  }
  return dividas;
}

MapaCarmico CalculaMapaCarmico(std::u32string_view nome, const Data& nascimento) {
  MapaCarmico m;
  for (char32_t c : nome) {
    const int v = ValorDaLetra(c);
    if (v >= 1 && v <= 9) ++m.Inclusao[static_cast<size_t>(v - 1)];
  }
  const int maior = *std::max_element(m.Inclusao.begin(), m.Inclusao.end());
  for (int16_t v = 1; v <= 9; ++v) {
    const int conta = m.Inclusao[static_cast<size_t>(v - 1)];
    if (conta == 0) m.LicoesCarmicas.push_back(v);
    if (maior > 0 && conta == maior) m.TendenciaOculta.push_back(v);
  }
  m.RespostaSubconsciente = static_cast<int16_t>(9 - m.LicoesCarmicas.size());

  const std::pair<OrigemDaDivida, int64_t> totais[] = {
      {OrigemDaDivida::CaminhoDaVida, int64_t{nascimento.dia} + nascimento.mes + nascimento.ano},
      {OrigemDaDivida::Expressao, Soma(nome, ValorDaLetra)},
      {OrigemDaDivida::ImpulsoDaAlma, Soma(nome, ValorDaVogal)},
      {OrigemDaDivida::EuSilencioso, Soma(nome, ValorDaConsoante)},
  };
  for (const auto& [origem, total] : totais) {
    for (int16_t d : DividasNaReducao(total)) m.DividasCarmicas.push_back({d, origem});
  }
  // The day itself, not its reduction: a 4 or a 5 is no debt, a 13 is.
  if (EhDivida(nascimento.dia)) {
    m.DividasCarmicas.push_back({static_cast<int16_t>(nascimento.dia), OrigemDaDivida::DiaDoNascimento});
  }
  return m;
}

}  // namespace cifra
