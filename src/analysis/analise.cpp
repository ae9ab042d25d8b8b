#include "analise.h"

#include "engine/numeros_data.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "library/formulas.h"

namespace cifra {
namespace {

constexpr const char* kCrLf = "\r\n";

class Montador {
 public:
  Montador(Analise& a, const PastaDeDados& pasta, const ProgramOptions& o)
      : a_(a), pasta_(pasta), mestres_(o.NumerosMagicos) {}

  // Text of a number in the topic's own file.
  std::string Texto(int t, int numero) const {
    return LeInterpretacao(pasta_, numero, ArquivoDoTopico(t), mestres_);
  }

  LinhaResultado& Linha(int t) { return a_.ResultadoAnalise[t]; }

  // The common case: the number and the text of that number.
  void Topico(int t, int numero, std::string_view sufixo = "") {
    Linha(t).Numero = std::to_string(numero);
    Linha(t).Interpretacao = Texto(t, numero) + std::string(sufixo);
  }

  // Title and description as the catalogue gives them.
  void Cabecalhos(const TitulosDosTopicos& titulos) {
    for (const cifra::Topico& t : Catalogo()) {
      Linha(t.numero).Titulo = titulos[t.numero];
      Linha(t.numero).Descricao =
          t.registroDescricao
              ? LeInterpretacao(pasta_, t.registroDescricao, kArquivoDescricoes, mestres_)
              : std::string(t.descricaoFixa);
    }
  }

 private:
  Analise& a_;
  const PastaDeDados& pasta_;
  bool mestres_;
};

}  // namespace

Analise MontaAnalise(const PessoaAnalisada& pessoa, const Data& hoje, const ProgramOptions& o,
                     const TitulosDosTopicos& titulos, const PastaDeDados& pasta) {
  Analise a;
  a.NomeCompleto = Utf8(pessoa.Nome);
  a.DataNascimento = FormataData(pessoa.Nascimento);
  a.Hoje = hoje;
  const NumerosDaData n =
      CalculaNumerosDaData(pessoa.Nascimento, hoje, {o.NumerosMagicos, o.ConsiderarDiaNascimento});
  const NumerosDoNome nome = CalculaNumerosDoNome(pessoa.Nome, n.CaminhoDaVida, o.NumerosMagicos);

  Montador m(a, pasta, o);
  m.Cabecalhos(titulos);
  const std::string ddmm = a.DataNascimento.substr(0, 6);
  const std::string ano = a.DataNascimento.substr(6);
  auto texto = [](int v) { return std::to_string(v); };

  m.Topico(1, n.CaminhoDaVida);

  m.Topico(2, n.CicloFormativo);
  m.Linha(2).Titulo = "Dia em que Começa o Ciclo Formativo: " + ddmm + ano;
  m.Topico(3, n.CicloProdutivo);
  m.Linha(3).Titulo = "Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: " + ddmm +
                      texto(n.AnoInicioProdutivo);
  m.Topico(4, n.CicloColheita);
  m.Linha(4).Titulo = "Dia em que Termina o Ciclo Produtivo e Começa o Ciclo da Colheita: " + ddmm +
                      texto(n.AnoInicioColheita);

  // The number shown keeps the master numbers; the plain reduction picks the text.
  m.Linha(5).Numero = texto(n.VibracaoDoDia);
  m.Linha(5).Interpretacao = m.Texto(5, n.VibracaoDoDiaReduzida);

  m.Linha(6).Numero = texto(n.DesafioDoDia);
  if (n.DesafioDoDia == 0) {
    // Challenge 0 leaves every lesson open: its own text, then the nine others,
    // each its own paragraph.
    std::string todos = m.Texto(6, 1);
    for (int r = 2; r <= 10; ++r) todos += std::string(kCrLf) + kCrLf + m.Texto(6, r);
    m.Linha(6).Interpretacao = todos;
  } else {
    m.Linha(6).Interpretacao = m.Texto(6, n.DesafioDoDia + 1);
  }

  m.Linha(7).Numero = texto(n.PresenteDoDia);
  m.Linha(7).Interpretacao = m.Texto(7, n.PresenteDoDia + 1) + ".";

  for (int i = 0; i < 4; ++i) m.Topico(8 + i, n.Realizacoes[i], ".");
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
    m.Linha(12 + i).Interpretacao = m.Texto(12 + i, desafios[i] + 1) + ".";
  }

  m.Linha(16).Numero = texto(n.Saude);
  m.Linha(16).Interpretacao = m.Texto(16, n.IndiceSaude);

  m.Topico(17, n.AnoUniversal);
  m.Topico(18, n.MesUniversal);
  m.Topico(19, n.DiaUniversal);
  m.Topico(20, n.AnoPessoal);
  m.Topico(21, n.MesPessoal);
  m.Topico(22, n.DiaPessoal);

  m.Topico(23, nome.Expressao);
  m.Topico(24, nome.ImpulsoDaAlma);
  m.Topico(25, nome.EuSilencioso);
  m.Linha(26).Numero = nome.PrimeiraVogal ? Utf8(std::u32string(1, nome.PrimeiraVogal)) : "";
  // A name without a vowel has no first vowel to interpret: the topic stays empty.
  m.Linha(26).Interpretacao = nome.IndiceVogal ? m.Texto(26, nome.IndiceVogal) : "";
  m.Topico(27, nome.Caracteristicas);
  m.Topico(28, nome.Realidade);

  const ContextoFormula contexto{pessoa.Nome, pessoa.Nascimento, hoje, o.NumerosMagicos};
  m.Topico(29, CalculaNumeroDefinido(pasta, kFormulaA, contexto));
  m.Topico(30, CalculaNumeroDefinido(pasta, kFormulaB, contexto));
  return a;
}

}  // namespace cifra
