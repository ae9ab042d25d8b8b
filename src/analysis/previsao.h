#pragma once
// The forecast: for each year of a range, the universal and personal year,
// the cycle and the realization in force and the twelve personal months,
// each with its text from the operator's library. Every number is the one
// the analysis would show on that date, so the two never disagree.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analise.h"
#include "pedido.h"

namespace cifra {

inline constexpr int kMaximoDeAnosDaPrevisao = 10;

struct MesDaPrevisao {
  int Mes = 0;             // 1..12
  std::string AnoPessoal;  // topic 20 on the 15th of the month
  std::string MesPessoal;  // topic 21 on the 15th of the month
  friend bool operator==(const MesDaPrevisao&, const MesDaPrevisao&) = default;
};

struct AnoDaPrevisao {
  int Ano = 0;
  std::string AnoUniversal;  // topic 17 on 31/12
  std::string AnoPessoal;    // topic 20 on 31/12
  int Ciclo = 0;             // topic 2, 3 or 4 in force on 31/12
  int Realizacao = 0;        // topic 8 to 11 in force on 31/12
  std::array<MesDaPrevisao, 12> Meses{};
  // What the pages show of the year, in order: the opening, the universal
  // year, the personal year, the cycle, the realization, then the months.
  // A description only where the reader meets that kind of number first; a
  // number already told earlier in the forecast gets the library's short
  // paragraph that points back to it instead of its full text.
  std::vector<LinhaResultado> Textos;
  friend bool operator==(const AnoDaPrevisao&, const AnoDaPrevisao&) = default;
};

struct Previsao {
  std::string NomeCompleto;    // folded, what the numbers come from
  std::string NomeExibido;     // as typed, upper case with accents
  std::string DataNascimento;  // dd/mm/aaaa
  int AnoInicial = 0, AnoFinal = 0;
  std::string Descricao;  // of the whole forecast, before the first year
  std::vector<AnoDaPrevisao> Anos;
  friend bool operator==(const Previsao&, const Previsao&) = default;
};

// The years the forecast covers when the operator does not say: this year
// and the next.
std::pair<int, int> AnosPadraoDaPrevisao(const Data& hoje);

// Why a range of years cannot be forecast for someone born on nascimento:
// the last before the first, more than kMaximoDeAnosDaPrevisao years, a
// year before the birth or past 9999. Nothing when it can.
std::optional<std::string> RecusaDosAnos(const Data& nascimento, int anoInicial, int anoFinal);

// Builds the forecast; the range must pass RecusaDosAnos.
Previsao MontaPrevisao(const PessoaAnalisada& pessoa, int anoInicial, int anoFinal,
                       const ProgramOptions& opcoes, const PastaDeDados& pasta);

// The library file of the forecast's own texts and its records: the
// templates of the year's opening ({ano}, {anoUniversal}, {anoPessoal},
// {ciclo}, {realizacao}) and of the paragraphs that point back to a number
// told earlier ({topico}, {numero}, {ano}, {anterior}), and the descriptions
// of the forecast and of the months.
inline constexpr const char* kArquivoDaPrevisao = "PREVISAO.DAT";
// One short text per personal month inside a personal year, both reduced:
// record (ano - 1) * 9 + mes.
inline constexpr const char* kArquivoDosMesesNoAno = "MESANO.DAT";
// The same pair met again late in the personal year (the 10th to 12th
// months repeat the 1st to 3rd): record (ano - 1) * 3 + k for the month
// ano + k, k = 1 to 3.
inline constexpr const char* kArquivoDaVoltaDoMes = "MESVOLTA.DAT";
enum RegistroDaPrevisao {
  kAberturaDoAno = 1,
  kCicloJaDescrito = 2,
  kRealizacaoJaDescrita = 3,
  kMesJaDescrito = 4,
  kAnoPessoalJaDescrito = 5,
  kDescricaoDaPrevisao = 6,
  kDescricaoDosMeses = 7,
};

// "Janeiro" .. "Dezembro".
std::string NomeDoMes(int mes);

}  // namespace cifra
