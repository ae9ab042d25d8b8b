#include "numeros_data.h"

#include <cstdlib>
#include <string>

#include "numerologia.h"

namespace cifra {
namespace {

int16_t Diferenca(int a, int b) { return static_cast<int16_t>(std::abs(a - b)); }

void ContaDigitos(int n, std::array<int, 10>& contagem) {
  for (char c : std::to_string(std::abs(n))) ++contagem[c - '0'];
}

}  // namespace

int AnoDeMudancaDeCiclo(const Data& nascimento, int idade, bool mestres) {
  const int r = ReduzNumero(ReduzComMestres(ReduzNumero(nascimento.ano + idade), mestres) +
                            ReduzNumero(nascimento.dia + nascimento.mes));
  const int k = r == 1 ? 0 : r <= 4 ? 1 - r : 10 - r;
  return nascimento.ano + idade + k;
}

bool AntesDoAniversario(const Data& nascimento, const Data& hoje) {
  Data aniversario{nascimento.dia, nascimento.mes, hoje.ano};
  if (!DataValida(aniversario)) aniversario = {1, 3, hoje.ano};
  return DiasDesdeEpoca(hoje) < DiasDesdeEpoca(aniversario);
}

NumerosDaData CalculaNumerosDaData(const Data& nasc, const Data& hoje,
                                   const OpcoesDeCalculo& opcoes) {
  const bool mestres = opcoes.numerosMagicos;
  auto M = [mestres](int n) { return ReduzComMestres(n, mestres); };
  auto R = [](int n) { return ReduzNumero(n); };
  const int d = nasc.dia, m = nasc.mes, y = nasc.ano;

  NumerosDaData n;
  n.CaminhoDaVida = M(d + m + y);
  n.CicloFormativo = M(m);
  n.CicloProdutivo = M(d);
  n.CicloColheita = M(y);
  n.AnoInicioProdutivo = AnoDeMudancaDeCiclo(nasc, 27, mestres);
  n.AnoInicioColheita = AnoDeMudancaDeCiclo(nasc, 57, mestres);

  n.VibracaoDoDia = M(d);
  n.VibracaoDoDiaReduzida = R(d);
  n.DesafioDoDia = Diferenca(d % 10, d / 10);
  n.PresenteDoDia = static_cast<int16_t>(9 - n.DesafioDoDia);

  n.IdadeA2 = 36 - R(n.CaminhoDaVida);
  n.IdadeA3 = n.IdadeA2 + 9;
  n.IdadeA4 = n.IdadeA2 + 18;
  n.Realizacoes[0] = M(R(m) + R(d));
  n.Realizacoes[1] = M(R(d) + R(y));
  n.Realizacoes[2] = M(n.Realizacoes[0] + n.Realizacoes[1]);
  n.Realizacoes[3] = M(R(m) + R(y));

  n.PrimeiroDesafioMenor = Diferenca(R(d), R(m));
  n.SegundoDesafioMenor = Diferenca(R(m), R(y));
  n.DesafioMaior = Diferenca(n.PrimeiroDesafioMenor, n.SegundoDesafioMenor);
  // The third pairing of the birth values, day against year.
  n.DesafioMenorAdicional = Diferenca(R(d), R(y));
  if (n.DesafioMenorAdicional == n.DesafioMaior ||
      n.DesafioMenorAdicional == n.PrimeiroDesafioMenor ||
      n.DesafioMenorAdicional == n.SegundoDesafioMenor) {
    n.DesafioMenorAdicional = kNaoPossui;
  }

  std::array<int, 10> contagem{};
  for (int v : {int{n.CaminhoDaVida}, int{n.CicloProdutivo}, int{n.CicloFormativo},
                int{n.CicloColheita}, int{n.VibracaoDoDia}, int{n.DesafioDoDia},
                int{n.PresenteDoDia}, int{n.Realizacoes[0]}, int{n.Realizacoes[1]},
                int{n.Realizacoes[2]}, int{n.Realizacoes[3]}, int{n.PrimeiroDesafioMenor},
                int{n.SegundoDesafioMenor}, int{n.DesafioMaior}, int{n.DesafioMenorAdicional}}) {
    ContaDigitos(v, contagem);
  }
  int maisFrequente = 0;
  for (int digito = 1; digito < 10; ++digito) {
    if (contagem[digito] > contagem[maisFrequente]) maisFrequente = digito;
  }
  n.IndiceSaude = static_cast<int16_t>(maisFrequente + 1);
  n.Saude = M(n.IndiceSaude);

  n.AnoUniversal = M(hoje.ano);
  n.MesUniversal = M(R(n.AnoUniversal) + R(hoje.mes));
  n.DiaUniversal = M(R(n.MesUniversal) + R(hoje.dia));

  int16_t p = M(R(n.CicloProdutivo) + R(n.CicloFormativo) + n.AnoUniversal);
  if (opcoes.considerarDiaNascimento && AntesDoAniversario(nasc, hoje)) {
    // The year before the birthday is still the previous personal year; a
    // master year steps back from its reduced value so that it stays 1..9.
    const int16_t base = R(p);
    p = static_cast<int16_t>(base == 1 ? 9 : base - 1);
  }
  n.AnoPessoal = p;
  n.MesPessoal = M(R(n.AnoPessoal) + R(hoje.mes));
  n.DiaPessoal = M(R(n.MesPessoal) + R(hoje.dia));
  return n;
}

}  // namespace cifra
