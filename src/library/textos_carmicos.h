#pragma once
// Where the texts of the karmic map live: one file per part (lessons,
// hidden passion, subconscious response, debts) and one of descriptions.
// Files of their own, so the files of the thirty topics keep their layout.
#include <array>
#include <string_view>
#include <vector>

namespace cifra {

enum class ParteCarmica { Licao, Tendencia, Resposta, Divida };

struct ParteDoMapa {
  ParteCarmica parte;
  std::string_view titulo;    // heading of each text: "Lição Cármica: 4"
  std::string_view rotulo;    // the part as the editor lists it
  std::string_view arquivo;   // interpretation file, one record per number
  int registroDescricao;      // record of kArquivoDescricoesCarmicas
};

inline constexpr std::string_view kTituloDoMapaCarmico = "Mapa Cármico";
inline constexpr const char* kArquivoDescricoesCarmicas = "DESCCARM.DAT";
// The description of the whole map and of its square, before the parts.
inline constexpr int kDescricaoDoMapaCarmico = 1;

// The four parts in the order the section shows them.
const std::array<ParteDoMapa, 4>& PartesDoMapa();
const ParteDoMapa& ParteDoMapaDe(ParteCarmica parte);

// The numbers a part has a text for: 1 to 9, or the debts 13, 14, 16, 19.
std::vector<int> NumerosDaParte(ParteCarmica parte);
// The record of number n in the part's file (the number itself, or 1 to 4
// for the debts); 0 when the part has no text for n.
int RegistroCarmico(ParteCarmica parte, int numero);

}  // namespace cifra
