#pragma once
// The numbers that come from the person's name.
#include <cstdint>
#include <string_view>

namespace cifra {

struct NumerosDoNome {
  int16_t Expressao = 0;
  int16_t ImpulsoDaAlma = 0;
  int16_t EuSilencioso = 0;
  char32_t PrimeiraVogal = 0;  // 0 when the name has no vowel
  int16_t IndiceVogal = 0;     // A 1, E 2, I 3, O 4, U 5, Y 6; 0 without a vowel
  int16_t Caracteristicas = 0;
  int16_t Realidade = 0;
};

NumerosDoNome CalculaNumerosDoNome(std::u32string_view nome, int16_t caminhoDaVida,
                                   bool numerosMagicos);

// Characters of the name that are not spaces (digits, hyphens and apostrophes count).
int LetrasDoNome(std::u32string_view nome);
// The first of A E I O U Y in the name, upper case; 0 when there is none.
char32_t PrimeiraVogalDoNome(std::u32string_view nome);

}  // namespace cifra
