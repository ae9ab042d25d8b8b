#pragma once
// The karmic map of a name: which letter values the name holds (the
// inclusion table and what follows from it), and the karmic debts, the
// totals 13, 14, 16 and 19 met on the way to a reduced number.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "data.h"

namespace cifra {

// Where a debt was found, in the order the map lists them.
enum class OrigemDaDivida { CaminhoDaVida, Expressao, ImpulsoDaAlma, EuSilencioso, DiaDoNascimento };
// "Caminho da Vida", "Número da Expressão", "Impulso da Alma", "Eu Silencioso", "Dia do Nascimento".
std::string_view NomeDaOrigem(OrigemDaDivida origem);

struct DividaCarmica {
  int16_t Numero = 0;  // 13, 14, 16 or 19
  OrigemDaDivida Origem = OrigemDaDivida::CaminhoDaVida;
  friend bool operator==(const DividaCarmica&, const DividaCarmica&) = default;
};

inline constexpr std::array<int16_t, 4> kDividasCarmicas = {13, 14, 16, 19};

struct MapaCarmico {
  std::array<int, 9> Inclusao{};        // element v - 1: letters of value v
  std::vector<int16_t> LicoesCarmicas;   // the values no letter has, increasing
  std::vector<int16_t> TendenciaOculta;  // the values with the highest count, increasing
  int16_t RespostaSubconsciente = 0;     // 9 minus the number of lessons
  std::vector<DividaCarmica> DividasCarmicas;  // by origin, then as met in the reduction
  friend bool operator==(const MapaCarmico&, const MapaCarmico&) = default;
};

// The map of a folded name (values as for the Expressão: digits count as
// themselves, characters without a value are not counted) and its date of
// birth. Master numbers play no part: a reduction that stops at 11 or 22
// has already passed every debt it could meet.
MapaCarmico CalculaMapaCarmico(std::u32string_view nome, const Data& nascimento);

// The debts met while reducing a total: the total itself and each sum of
// digits on the way to one digit, in that order.
std::vector<int16_t> DividasNaReducao(int64_t total);

}  // namespace cifra
