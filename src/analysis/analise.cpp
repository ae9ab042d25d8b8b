#include "analise.h"

#include <stdexcept>

#include "engine/numeros_data.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {

constexpr const char* kCrLf = "\r\n";

class Montador {
 public:
  Montador(Analise& a, const PastaDeDados& pasta, const ProgramOptions& o)
      : a_(a), pasta_(pasta), mestres_(o.NumerosMagicos) {}

  std::string LI(int numero, std::string_view arquivo) const {
    return LeInterpretacao(pasta_, numero, arquivo, mestres_);
  }
  std::string Descricao(int registro) const { return LI(registro, kArquivoDescricoes); }

  LinhaResultado& Linha(int t) { return a_.ResultadoAnalise[t]; }

  // The common case: number, text of that number, optional description.
  void Topico(int t, int numero, std::string_view arquivo, int descricao = 0,
              std::string_view sufixo = "") {
    Linha(t).Numero = std::to_string(numero);
    Linha(t).Interpretacao = LI(numero, arquivo) + std::string(sufixo);
    if (descricao) Linha(t).Descricao = Descricao(descricao);
  }

 private:
  Analise& a_;
  const PastaDeDados& pasta_;
  bool mestres_;
};

}  // namespace

void CarregaTitulosNaAnalise(Analise& analise, const PastaDeDados& pasta) {
  const auto titulos = CarregaTitulos(pasta);
  for (int t = 1; t <= 30; ++t) analise.ResultadoAnalise[t].Titulo = titulos[t];
}

void MontaAnalise(Analise& a, const PastaDeDados& pasta, const ProgramOptions& o,
                  const Data& hoje) {
  const auto nascimento = LeData(a.DataNascimento);
  if (!nascimento) throw std::invalid_argument("data de nascimento inválida");
  const NumerosDaData n =
      CalculaNumerosDaData(*nascimento, hoje, {o.NumerosMagicos, o.ConsiderarDiaNascimento});
  const NumerosDoNome nome = CalculaNumerosDoNome(a.NomeCompleto, n.CaminhoDaVida, o.NumerosMagicos);

  Montador m(a, pasta, o);
  const std::string ddmm = a.DataNascimento.substr(0, 6);
  const std::string ano = a.DataNascimento.substr(6);
  auto texto = [](int v) { return std::to_string(v); };

  m.Topico(1, n.CaminhoDaVida, "CVIDA.DAT", 1);

  m.Topico(2, n.CicloFormativo, "CFORM.DAT");
  m.Linha(2).Titulo = "Dia em que Começa o Ciclo Formativo: " + ddmm + ano;
  m.Linha(2).Descricao = m.Descricao(2);
  m.Topico(3, n.CicloProdutivo, "CPROD.DAT");
  m.Linha(3).Titulo = "Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: " + ddmm +
                      texto(n.AnoInicioProdutivo);
  m.Topico(4, n.CicloColheita, "CCOLH.DAT");
  m.Linha(4).Titulo = "Dia em que Termina o Ciclo Produtivo e Começa o Ciclo da Colheita: " + ddmm +
                      texto(n.AnoInicioColheita);

  m.Topico(5, n.VibracaoDoDia, "CDNAS.DAT", 3);
  m.Linha(5).Interpretacao = m.LI(n.VibracaoDoDiaReduzida, "CDNAS.DAT");

  m.Linha(6).Numero = texto(n.DesafioDoDia);
  m.Linha(6).Descricao =
      "Cada desafio é uma lição a ser aprendida: a sua vibração pode causar ansiedade ou tensão "
      "na vida até ser superada ou compreendida.";
  if (n.DesafioDoDia == 0) {
    // Challenge 0 leaves every lesson open: its own text, then the nine others,
    // each its own paragraph.
    std::string todos = m.LI(1, "DESNASC.DAT");
    for (int r = 2; r <= 10; ++r) todos += std::string(kCrLf) + kCrLf + m.LI(r, "DESNASC.DAT");
    m.Linha(6).Interpretacao = todos;
  } else {
    m.Linha(6).Interpretacao = m.LI(n.DesafioDoDia + 1, "DESNASC.DAT");
  }

  m.Linha(7).Numero = texto(n.PresenteDoDia);
  m.Linha(7).Descricao =
      "A cada desafio corresponde um dom, oferecido para compensá-lo: é o presente do dia em que "
      "você nasceu.";
  m.Linha(7).Interpretacao = m.LI(n.PresenteDoDia + 1, "PRESNASC.DAT") + ".";

  for (int i = 0; i < 4; ++i) m.Topico(8 + i, n.Realizacoes[i], "APICES.DAT", i == 0 ? 4 : 0, ".");
  m.Linha(8).Titulo = std::string("Interpretação das Realizações/Ápices") + kCrLf + kCrLf +
                      "A sua primeira realização tem início na data do seu nascimento e "
                      "prolonga-se até os seus " + texto(n.IdadeA2) + " anos";
  m.Linha(9).Titulo = "A sua segunda realização tem início aos seus " + texto(n.IdadeA2) +
                      " anos e prolonga-se até os seus " + texto(n.IdadeA3) + " anos";
  m.Linha(10).Titulo = "A sua terceira realização tem início aos seus " + texto(n.IdadeA3) +
                       " anos e prolonga-se até os seus " + texto(n.IdadeA4) + " anos";
  m.Linha(11).Titulo = "A sua quarta realização tem início aos seus " + texto(n.IdadeA4) +
                       " anos e prolonga-se até o fim da sua vida";

  const int16_t desafios[] = {n.DesafioMaior, n.PrimeiroDesafioMenor, n.SegundoDesafioMenor,
                              n.DesafioMenorAdicional};
  for (int i = 0; i < 4; ++i) {
    m.Linha(12 + i).Numero = texto(desafios[i]);
    // The marker 89 reads record 90, the text for a challenge the person lacks.
    m.Linha(12 + i).Interpretacao = m.LI(desafios[i] + 1, "DESVIDA.DAT") + ".";
  }
  m.Linha(12).Descricao = m.Descricao(5);

  m.Linha(16).Numero = texto(n.Saude);
  m.Linha(16).Descricao =
      "As Indicações para a Saúde partem do algarismo que mais se repete entre os números da sua "
      "data de nascimento: somado a 1, ele dá o número que orienta os cuidados descritos a "
      "seguir, sem substituir a orientação de um profissional de saúde.";
  m.Linha(16).Interpretacao = m.LI(n.IndiceSaude, "INDSAUDE.DAT");

  m.Topico(17, n.AnoUniversal, "INTANOUN.DAT", 6);
  m.Topico(18, n.MesUniversal, "INTMESUN.DAT");
  m.Topico(19, n.DiaUniversal, "INTDIAUN.DAT");
  m.Topico(20, n.AnoPessoal, "INTANOPS.DAT", 7);
  m.Topico(21, n.MesPessoal, "INTMESPS.DAT");
  m.Topico(22, n.DiaPessoal, "INTDIAPS.DAT");

  m.Topico(23, nome.Expressao, "INTEXEXP.DAT", 8);
  m.Topico(24, nome.ImpulsoDaAlma, "IMPXALMA.DAT", 9);
  m.Topico(25, nome.EuSilencioso, "EUXSILEN.DAT", 10);
  m.Linha(26).Numero = nome.PrimeiraVogal ? Utf8(std::u32string(1, nome.PrimeiraVogal)) : "";
  // A name without a vowel has no first vowel to interpret: the topic stays empty.
  m.Linha(26).Interpretacao =
      nome.IndiceVogal ? m.LI(nome.IndiceVogal, "INTVOG.DAT") : std::string();
  m.Linha(26).Descricao = m.Descricao(11);
  m.Topico(27, nome.Caracteristicas, "INTNOME.DAT", 12);
  m.Topico(28, nome.Realidade, "INTREALI.DAT", 13);

  const ContextoFormula contexto{a.NomeCompleto, *nascimento, hoje, o.NumerosMagicos};
  m.Topico(29, CalculaNumeroDefinido(pasta, kFormulaA, contexto), "DEFUSERA.DAT", 14);
  m.Topico(30, CalculaNumeroDefinido(pasta, kFormulaB, contexto), "DEFUSERB.DAT", 15);
}

}  // namespace cifra
