#pragma once
// Every number derived from the date of birth and from today's date.
#include <array>
#include <cstdint>

#include "data.h"

namespace cifra {

// Marker of a challenge the person does not have (shown "Não Possui").
inline constexpr int16_t kNaoPossui = 89;

struct NumerosDaData {
  int16_t CaminhoDaVida = 0;
  int16_t CicloFormativo = 0;
  int16_t CicloProdutivo = 0;
  int16_t CicloColheita = 0;
  int AnoInicioProdutivo = 0;  // year the formative cycle gives way to the productive one
  int AnoInicioColheita = 0;   // year the productive cycle gives way to the harvest
  int16_t VibracaoDoDia = 0;          // shown number, master numbers kept
  int16_t VibracaoDoDiaReduzida = 0;  // plain reduction, which selects the text
  int16_t DesafioDoDia = 0;
  int16_t PresenteDoDia = 0;
  int IdadeA2 = 0, IdadeA3 = 0, IdadeA4 = 0;  // ages at which realizations 2, 3, 4 begin
  std::array<int16_t, 4> Realizacoes{};
  int16_t DesafioMaior = 0;
  int16_t PrimeiroDesafioMenor = 0;
  int16_t SegundoDesafioMenor = 0;
  int16_t DesafioMenorAdicional = 0;  // kNaoPossui when it repeats another challenge
  int16_t IndiceSaude = 0;            // 1..10: the most frequent digit plus one
  int16_t Saude = 0;                  // the shown number of the health indication
  int16_t AnoUniversal = 0, MesUniversal = 0, DiaUniversal = 0;
  int16_t AnoPessoal = 0, MesPessoal = 0, DiaPessoal = 0;
};

struct OpcoesDeCalculo {
  bool numerosMagicos = false;
  bool considerarDiaNascimento = false;
};

NumerosDaData CalculaNumerosDaData(const Data& nascimento, const Data& hoje,
                                   const OpcoesDeCalculo& opcoes);

// Year near age 27 (idade = 27) or 57 (idade = 57) whose personal year is 1.
int AnoDeMudancaDeCiclo(const Data& nascimento, int idade, bool numerosMagicos);

// True when hoje comes before this year's birthday; a birthday on 29/02 is
// reached on 01/03 in a common year.
bool AntesDoAniversario(const Data& nascimento, const Data& hoje);

}  // namespace cifra
