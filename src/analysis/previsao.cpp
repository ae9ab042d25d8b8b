#include "previsao.h"

#include <map>
#include <set>
#include <utility>

#include "engine/numeros_data.h"
#include "engine/numerologia.h"
#include "engine/texto.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {

// One forecast in the making: the library, and which numbers the reader has
// already met in full (kind and number → where).
class Previsor {
 public:
  Previsor(const PessoaAnalisada& pessoa, const ProgramOptions& o, const PastaDeDados& pasta)
      : pessoa_(pessoa), opcoes_(o), pasta_(pasta) {}

  AnoDaPrevisao Ano(int ano) {
    AnoDaPrevisao a;
    a.Ano = ano;
    const NumerosDaData fim = Numeros({31, 12, ano});
    a.AnoUniversal = std::to_string(fim.AnoUniversal);
    a.AnoPessoal = std::to_string(fim.AnoPessoal);
    a.Ciclo = ano >= fim.AnoInicioColheita ? 4 : ano >= fim.AnoInicioProdutivo ? 3 : 2;
    const int idade = ano - pessoa_.Nascimento.ano;
    a.Realizacao = idade < fim.IdadeA2 ? 8 : idade < fim.IdadeA3 ? 9 : idade < fim.IdadeA4 ? 10 : 11;
    const int numeroDoCiclo = a.Ciclo == 2 ? fim.CicloFormativo
                              : a.Ciclo == 3 ? fim.CicloProdutivo
                                             : fim.CicloColheita;
    const int numeroDaRealizacao = fim.Realizacoes[static_cast<size_t>(a.Realizacao - 8)];

    std::string abertura = Registro(kAberturaDoAno);
    abertura = PreencheModelo(abertura, "{ano}", std::to_string(ano));
    abertura = PreencheModelo(abertura, "{anoUniversal}", FormaDeExibicao(fim.AnoUniversal));
    abertura = PreencheModelo(abertura, "{anoPessoal}", FormaDeExibicao(fim.AnoPessoal));
    abertura = PreencheModelo(abertura, "{ciclo}", NomeDoTopico(a.Ciclo));
    abertura = PreencheModelo(abertura, "{realizacao}", NomeDoTopico(a.Realizacao));
    a.Textos.push_back({"Previsão para " + std::to_string(ano), "", abertura, ""});

    Numero(a, 17, fim.AnoUniversal, "Ano Universal", 0, std::to_string(ano));
    Numero(a, 20, fim.AnoPessoal, "Ano Pessoal", kAnoPessoalJaDescrito, std::to_string(ano));
    Numero(a, a.Ciclo, numeroDoCiclo,
           NomeDoTopico(a.Ciclo) + " (" + PeriodoDoCiclo(a.Ciclo, fim) + ")", kCicloJaDescrito,
           std::to_string(ano));
    Numero(a, a.Realizacao, numeroDaRealizacao,
           NomeDoTopico(a.Realizacao) + " (" + PeriodoDaRealizacao(a.Realizacao, fim) + ")",
           kRealizacaoJaDescrita, std::to_string(ano));

    for (int mes = 1; mes <= 12; ++mes) {
      const NumerosDaData n = Numeros({15, mes, ano});
      a.Meses[static_cast<size_t>(mes - 1)] = {mes, std::to_string(n.AnoPessoal),
                                               std::to_string(n.MesPessoal)};
      // Inside a sentence the month is written in lower case.
      std::string onde = NomeDoMes(mes) + " de " + std::to_string(ano);
      const std::string titulo = onde + " – Mês Pessoal";
      onde[0] = static_cast<char>(onde[0] - 'A' + 'a');
      Numero(a, 21, n.MesPessoal, titulo, kMesJaDescrito, onde,
             mes == 1 && !mesesDescritos_ ? Registro(kDescricaoDosMeses) : std::string(),
             TextoDoMesNoAno(n.AnoPessoal, n.MesPessoal, mes));
      mesesDescritos_ = true;
    }
    return a;
  }

  // The month inside its year: one short text per pair of reduced numbers.
  // Within a personal year the 10th to 12th months fall on the pairs of the
  // 1st to 3rd; meeting a pair again, the reader gets its return text, and
  // only a third time (years later) nothing of its own.
  std::string TextoDoMesNoAno(int anoPessoal, int mesPessoal, int mesDoCalendario) {
    const int a = ReduzNumero(anoPessoal), m = ReduzNumero(mesPessoal);
    const int vez = ++paresVistos_[{a, m}];
    if (vez == 1) return LerRegistroDeTexto(pasta_, kArquivoDosMesesNoAno, (a - 1) * 9 + m, true);
    const int k = ((m - a) % 9 + 9) % 9;  // the month is the year plus k
    // A birthday late in the year can bring a pair back early in its personal
    // year, where the return text, written for the year's end, would not fit.
    if (vez == 2 && k >= 1 && k <= 3 && mesDoCalendario >= 10) {
      return LerRegistroDeTexto(pasta_, kArquivoDaVoltaDoMes, (a - 1) * 3 + k, true);
    }
    return {};
  }

  std::string Registro(int registro) const {
    return LerRegistroDeTexto(pasta_, kArquivoDaPrevisao, registro, true);
  }

 private:
  NumerosDaData Numeros(const Data& dia) const {
    return CalculaNumerosDaData(pessoa_.Nascimento, dia,
                                {opcoes_.NumerosMagicos, opcoes_.ConsiderarDiaNascimento});
  }

  static std::string PeriodoDoCiclo(int ciclo, const NumerosDaData& n) {
    const std::string produtivo = std::to_string(n.AnoInicioProdutivo);
    const std::string colheita = std::to_string(n.AnoInicioColheita);
    if (ciclo == 2) return "do nascimento a " + produtivo;
    if (ciclo == 3) return "de " + produtivo + " a " + colheita;
    return "a partir de " + colheita;
  }

  static std::string PeriodoDaRealizacao(int realizacao, const NumerosDaData& n) {
    const std::string a2 = std::to_string(n.IdadeA2), a3 = std::to_string(n.IdadeA3),
                      a4 = std::to_string(n.IdadeA4);
    switch (realizacao) {
      case 8: return "do nascimento aos " + a2 + " anos";
      case 9: return "dos " + a2 + " aos " + a3 + " anos";
      case 10: return "dos " + a3 + " aos " + a4 + " anos";
      default: return "dos " + a4 + " anos em diante";
    }
  }

  // A number of topic t with its title; its full text where the reader
  // meets it first, else the template that points back (modelo 0: always
  // in full, as the universal year, the same for everyone, is short). A
  // complement follows the full text, and replaces the template later.
  // The topic's description goes with the first number of its kind.
  void Numero(AnoDaPrevisao& a, int t, int numero, const std::string& rotulo, int modelo,
              const std::string& onde, std::string descricao = {},
              const std::string& complemento = {}) {
    LinhaResultado l;
    l.Numero = std::to_string(numero);
    l.Titulo = rotulo + ": " + FormaDeExibicao(numero);
    const int tipo = t >= 2 && t <= 4 ? 2 : t >= 8 && t <= 11 ? 8 : t;
    if (descritos_.insert(tipo).second) {
      const int registro = TopicoDoNumero(tipo).registroDescricao;
      if (descricao.empty() && registro) descricao = LeInterpretacao(pasta_, registro, "CDATA.DAT", false);
    }
    l.Descricao = descricao;
    const auto [anterior, novo] = contados_.emplace(std::pair{t, numero}, onde);
    const std::string texto = modelo ? Registro(modelo) : std::string();
    if (novo || texto.empty()) {
      l.Interpretacao = LeInterpretacao(pasta_, numero, ArquivoDoTopico(t), opcoes_.NumerosMagicos);
      if (t >= 8 && t <= 11) l.Interpretacao = ComPonto(l.Interpretacao);
      if (!complemento.empty()) l.Interpretacao += "\r\n\r\n" + complemento;
    } else if (!complemento.empty()) {
      l.Interpretacao = complemento;
    } else {
      std::string r = PreencheModelo(texto, "{topico}", NomeDoTopico(t));
      r = PreencheModelo(r, "{numero}", FormaDeExibicao(numero));
      r = PreencheModelo(r, "{ano}", onde);
      l.Interpretacao = PreencheModelo(r, "{anterior}", anterior->second);
    }
    a.Textos.push_back(std::move(l));
  }

  const PessoaAnalisada& pessoa_;
  const ProgramOptions& opcoes_;
  const PastaDeDados& pasta_;
  std::map<std::pair<int, int>, std::string> contados_;
  std::set<int> descritos_;
  std::map<std::pair<int, int>, int> paresVistos_;
  bool mesesDescritos_ = false;
};

}  // namespace

std::string NomeDoMes(int mes) {
  static constexpr const char* kMeses[] = {"Janeiro", "Fevereiro", "Março",    "Abril",
                                           "Maio",    "Junho",     "Julho",    "Agosto",
                                           "Setembro", "Outubro",  "Novembro", "Dezembro"};
  return mes >= 1 && mes <= 12 ? kMeses[mes - 1] : std::string();
}

std::pair<int, int> AnosPadraoDaPrevisao(const Data& hoje) { return {hoje.ano, hoje.ano + 1}; }

std::optional<std::string> RecusaDosAnos(const Data& nascimento, int anoInicial, int anoFinal) {
  if (anoFinal < anoInicial) {
    return "O último ano (" + std::to_string(anoFinal) + ") vem antes do primeiro (" +
           std::to_string(anoInicial) + ").";
  }
  if (anoFinal - anoInicial + 1 > kMaximoDeAnosDaPrevisao) {
    return "A previsão cobre no máximo " + std::to_string(kMaximoDeAnosDaPrevisao) +
           " anos; foram pedidos " + std::to_string(anoFinal - anoInicial + 1) + ".";
  }
  if (anoInicial < nascimento.ano) {
    return "O primeiro ano (" + std::to_string(anoInicial) + ") é anterior ao nascimento (" +
           std::to_string(nascimento.ano) + ").";
  }
  if (anoFinal > 9999) return "O último ano passa de 9999.";
  return std::nullopt;
}

Previsao MontaPrevisao(const PessoaAnalisada& pessoa, int anoInicial, int anoFinal,
                       const ProgramOptions& opcoes, const PastaDeDados& pasta) {
  Previsao p;
  p.NomeCompleto = Utf8(pessoa.Nome);
  p.NomeExibido = Utf8(pessoa.NomeExibido.empty() ? pessoa.Nome : pessoa.NomeExibido);
  p.DataNascimento = FormataData(pessoa.Nascimento);
  p.AnoInicial = anoInicial;
  p.AnoFinal = anoFinal;
  Previsor previsor(pessoa, opcoes, pasta);
  p.Descricao = previsor.Registro(kDescricaoDaPrevisao);
  for (int ano = anoInicial; ano <= anoFinal; ++ano) p.Anos.push_back(previsor.Ano(ano));
  return p;
}

}  // namespace cifra
