#include "analise.h"

#include <map>
#include <utility>

#include "engine/numeros_data.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "library/formulas.h"
#include "library/textos_carmicos.h"

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
  void Topico(int t, int numero) {
    Linha(t).Numero = std::to_string(numero);
    Linha(t).Interpretacao = Texto(t, numero);
  }

  // A realization or challenge t whose number the earlier topic anterior
  // already showed: the template that names both, then the text for that
  // number at t. Nothing when either is missing from the library.
  std::string Ligacao(int t, int numero, int anterior, const std::string& periodo) const {
    const std::string arquivo = ArquivoDoTopico(t);
    const int registro = RegistroDeLigacao(t, numero, mestres_);
    const int modelo = t <= 11 ? kModeloDeLigacaoRealizacao : kModeloDeLigacaoDesafio;
    const std::string texto = LerRegistroDeTexto(pasta_, arquivo, registro, true);
    std::string abertura = LerRegistroDeTexto(pasta_, arquivo, modelo, true);
    if (registro == 0 || texto.empty() || abertura.empty()) return {};
    abertura = PreencheModelo(abertura, "{topico}", NomeDoTopico(t));
    abertura = PreencheModelo(abertura, "{periodo}", periodo);
    abertura = PreencheModelo(abertura, "{numero}", std::to_string(numero));
    abertura = PreencheModelo(abertura, "{anterior}", NomeDoTopico(anterior));
    return abertura + " " + ComPonto(texto);
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

// "A", "A e B", "A, B e C".
std::string Enumera(const std::vector<std::string>& nomes) {
  std::string r;
  for (size_t i = 0; i < nomes.size(); ++i) {
    r += (i == 0 ? "" : i + 1 == nomes.size() ? " e " : ", ") + nomes[i];
  }
  return r;
}

SecaoCarmica MontaSecaoCarmica(const PessoaAnalisada& pessoa, const PastaDeDados& pasta) {
  SecaoCarmica s;
  s.Numeros = CalculaMapaCarmico(pessoa.Nome, pessoa.Nascimento);
  s.Titulo = std::string(kTituloDoMapaCarmico);
  s.Descricao = LerRegistroDeTexto(pasta, kArquivoDescricoesCarmicas, kDescricaoDoMapaCarmico, true);
  auto parte = [&](ParteCarmica p, const std::vector<std::pair<int, std::string>>& numeros) {
    const ParteDoMapa& d = ParteDoMapaDe(p);
    bool primeiro = true;
    for (const auto& [numero, origem] : numeros) {
      LinhaResultado l;
      l.Numero = std::to_string(numero);
      l.Titulo = std::string(d.titulo) + ": " + l.Numero + (origem.empty() ? "" : " (" + origem + ")");
      if (std::exchange(primeiro, false)) {
        l.Descricao = LerRegistroDeTexto(pasta, kArquivoDescricoesCarmicas, d.registroDescricao, true);
      }
      l.Interpretacao = LerRegistroDeTexto(pasta, std::string(d.arquivo), RegistroCarmico(p, numero), true);
      s.Itens.push_back(std::move(l));
    }
  };
  auto semOrigem = [](const std::vector<int16_t>& v) {
    std::vector<std::pair<int, std::string>> r;
    for (int n : v) r.emplace_back(n, std::string());
    return r;
  };
  parte(ParteCarmica::Licao, semOrigem(s.Numeros.LicoesCarmicas));
  parte(ParteCarmica::Tendencia, semOrigem(s.Numeros.TendenciaOculta));
  parte(ParteCarmica::Resposta, semOrigem({s.Numeros.RespostaSubconsciente}));
  // One text per debt, however many origins lead to it.
  std::vector<int> dividas;
  std::map<int, std::vector<std::string>> origens;
  for (const DividaCarmica& d : s.Numeros.DividasCarmicas) {
    if (origens[d.Numero].empty()) dividas.push_back(d.Numero);
    origens[d.Numero].emplace_back(NomeDaOrigem(d.Origem));
  }
  std::vector<std::pair<int, std::string>> comOrigem;
  for (int d : dividas) comOrigem.emplace_back(d, Enumera(origens[d]));
  parte(ParteCarmica::Divida, comOrigem);
  return s;
}

}  // namespace

std::string ComPonto(std::string texto) {
  if (!texto.empty() && texto.back() != '.') texto += '.';
  return texto;
}

int RegistroDeLigacao(int topico, int numero, bool numerosMagicos) {
  if (topico >= 9 && topico <= 11) {
    // After the records of the numbers: 11 for each later realization, in
    // the order 1 to 9, 11, 22.
    const int registroDoNumero = RegistroDoNumero(numero, "APICES.DAT", numerosMagicos);
    if (registroDoNumero < 1 || registroDoNumero > 11) return 0;
    return kModeloDeLigacaoRealizacao + 11 * (topico - 9) + registroDoNumero;
  }
  if ((topico == 13 || topico == 14) && numero >= 0 && numero <= 8) {
    return kModeloDeLigacaoDesafio + 10 * (topico - 13) + 1 + numero;
  }
  return 0;
}

Analise MontaAnalise(const PessoaAnalisada& pessoa, const Data& hoje, const ProgramOptions& o,
                     const TitulosDosTopicos& titulos, const PastaDeDados& pasta,
                     const OrdemDosTopicos& ordem) {
  Analise a;
  a.NomeCompleto = Utf8(pessoa.Nome);
  a.NomeExibido = Utf8(pessoa.NomeExibido.empty() ? pessoa.Nome : pessoa.NomeExibido);
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

  // Challenge 0 leaves every lesson open; its one text speaks of all nine.
  m.Linha(6).Numero = texto(n.DesafioDoDia);
  m.Linha(6).Interpretacao = m.Texto(6, n.DesafioDoDia + 1);

  m.Linha(7).Numero = texto(n.PresenteDoDia);
  m.Linha(7).Interpretacao = ComPonto(m.Texto(7, n.PresenteDoDia + 1));

  for (int i = 0; i < 4; ++i) {
    m.Topico(8 + i, n.Realizacoes[i]);
    m.Linha(8 + i).Interpretacao = ComPonto(m.Linha(8 + i).Interpretacao);
  }
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
    m.Linha(12 + i).Interpretacao = ComPonto(m.Texto(12 + i, desafios[i] + 1));
  }

  // A number that comes back among the realizations or the challenges is
  // told in full where the reader meets it first; later it is linked back.
  const std::string periodos[] = {
      "do nascimento aos " + texto(n.IdadeA2) + " anos",
      "dos " + texto(n.IdadeA2) + " aos " + texto(n.IdadeA3) + " anos",
      "dos " + texto(n.IdadeA3) + " aos " + texto(n.IdadeA4) + " anos",
      "dos " + texto(n.IdadeA4) + " anos em diante"};
  const OrdemDosTopicos valida = OrdemValida(ordem);
  for (const auto& [primeiro, ultimo] : {std::pair{8, 11}, std::pair{12, 15}}) {
    std::map<std::string, int> vistos;  // number → the topic that told it
    for (size_t posicao = 1; posicao < valida.size(); ++posicao) {
      const int t = valida[posicao];
      if (t < primeiro || t > ultimo || !o.TopicoAtivo[static_cast<size_t>(t)]) continue;
      const std::string& numero = m.Linha(t).Numero;
      if (numero == texto(kNaoPossui)) continue;
      const auto [anterior, novo] = vistos.emplace(numero, t);
      if (novo) continue;
      const std::string ligacao = m.Ligacao(t, std::stoi(numero), anterior->second,
                                            t <= 11 ? periodos[t - 8] : std::string());
      if (!ligacao.empty()) m.Linha(t).Interpretacao = ligacao;
    }
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

  a.Carmico = MontaSecaoCarmica(pessoa, pasta);
  return a;
}

}  // namespace cifra
