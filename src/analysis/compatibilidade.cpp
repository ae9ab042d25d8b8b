#include "compatibilidade.h"

#include <algorithm>

#include "engine/numeros_data.h"
#include "engine/numeros_nome.h"
#include "engine/numerologia.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {

constexpr int kTopicosComparados[] = {1, 23, 24, 25};

const std::string& NumeroDoTopico(const NumerosComparados& n, int topico) {
  switch (topico) {
    case 1: return n.CaminhoDaVida;
    case 23: return n.Expressao;
    case 24: return n.ImpulsoDaAlma;
    default: return n.EuSilencioso;
  }
}

}  // namespace

NumerosComparados NumerosParaComparar(const PessoaAnalisada& pessoa, const ProgramOptions& o) {
  // The numbers of the date do not depend on today; any valid day serves.
  const NumerosDaData d = CalculaNumerosDaData(pessoa.Nascimento, pessoa.Nascimento,
                                               {o.NumerosMagicos, o.ConsiderarDiaNascimento});
  const NumerosDoNome n = CalculaNumerosDoNome(pessoa.Nome, d.CaminhoDaVida, o.NumerosMagicos);
  NumerosComparados r;
  r.NomeCompleto = Utf8(pessoa.Nome);
  r.NomeExibido = Utf8(pessoa.NomeExibido.empty() ? pessoa.Nome : pessoa.NomeExibido);
  r.DataNascimento = FormataData(pessoa.Nascimento);
  r.CaminhoDaVida = std::to_string(d.CaminhoDaVida);
  r.Expressao = std::to_string(n.Expressao);
  r.ImpulsoDaAlma = std::to_string(n.ImpulsoDaAlma);
  r.EuSilencioso = std::to_string(n.EuSilencioso);
  return r;
}

int RegistroDoPar(int a, int b) {
  if (a <= 0 || b <= 0) return 0;
  a = ReduzNumero(a);
  b = ReduzNumero(b);
  if (a > b) std::swap(a, b);
  int registro = 0;
  for (int i = 1; i < a; ++i) registro += 10 - i;
  return registro + (b - a) + 1;
}

int RegistroDoResumo(const std::vector<AspectoComparado>& aspectos) {
  std::array<int, 4> contagem{};
  for (const AspectoComparado& a : aspectos) ++contagem[static_cast<size_t>(a.Classe)];
  const auto maior = std::max_element(contagem.begin() + 1, contagem.end());
  if (std::count(contagem.begin() + 1, contagem.end(), *maior) > 1) return 16;
  return 12 + static_cast<int>(maior - contagem.begin());
}

Compatibilidade MontaCompatibilidade(const PessoaAnalisada& primeira, const PessoaAnalisada& segunda,
                                     const ProgramOptions& o, const PastaDeDados& pasta) {
  Compatibilidade c;
  c.Pessoas = {NumerosParaComparar(primeira, o), NumerosParaComparar(segunda, o)};
  auto registro = [&](const char* arquivo, int r) { return LerRegistroDeTexto(pasta, arquivo, r, true); };

  LinhaResultado pessoas;
  pessoas.Titulo = "As duas pessoas";
  for (const NumerosComparados& p : c.Pessoas) {
    if (!pessoas.Interpretacao.empty()) pessoas.Interpretacao += "\r\n\r\n";
    pessoas.Interpretacao += p.NomeExibido + ", " + p.DataNascimento + ": Caminho da Vida " +
                             FormaDeExibicao(std::stoi(p.CaminhoDaVida)) + ", Número da Expressão " +
                             FormaDeExibicao(std::stoi(p.Expressao)) + ", Impulso da Alma " +
                             FormaDeExibicao(std::stoi(p.ImpulsoDaAlma)) + ", Eu Silencioso " +
                             FormaDeExibicao(std::stoi(p.EuSilencioso)) + ".";
  }
  c.Textos.push_back(std::move(pessoas));

  for (int i = 0; i < 4; ++i) {
    const int t = kTopicosComparados[i];
    AspectoComparado a;
    a.Topico = t;
    a.Aspecto = t == 25 ? "Eu Silencioso" : NomeDoTopico(t);
    a.Numeros = {NumeroDoTopico(c.Pessoas[0], t), NumeroDoTopico(c.Pessoas[1], t)};
    a.Classe = HarmoniaEntre(std::stoi(a.Numeros[0]), std::stoi(a.Numeros[1]));
    LinhaResultado l;
    l.Numero = a.Numeros[0] + " e " + a.Numeros[1];
    l.Titulo = a.Aspecto + ": " + FormaDeExibicao(std::stoi(a.Numeros[0])) + " e " +
               FormaDeExibicao(std::stoi(a.Numeros[1])) + " – harmonia " +
               std::string(NomeDaHarmonia(a.Classe));
    l.Descricao = registro(kArquivoDasDescricoesDosAspectos, i + 1);
    if (l.Descricao.empty()) {
      if (const int d = TopicoDoNumero(t).registroDescricao) {
        l.Descricao = LeInterpretacao(pasta, d, kArquivoDescricoes, false);
      }
    }
    const std::string classe = registro(kArquivoDasHarmonias, i * 3 + static_cast<int>(a.Classe));
    if (t == 1) {
      const std::string par = registro(kArquivoDosPares, RegistroDoPar(std::stoi(a.Numeros[0]), std::stoi(a.Numeros[1])));
      l.Interpretacao = par.empty() || classe.empty() ? par + classe : par + "\r\n\r\n" + classe;
    } else {
      l.Interpretacao = classe;
    }
    c.Aspectos.push_back(a);
    c.Textos.push_back(std::move(l));
  }
  LinhaResultado resumo;
  resumo.Titulo = "Síntese";
  resumo.Interpretacao = registro(kArquivoDasHarmonias, RegistroDoResumo(c.Aspectos));
  c.Textos.push_back(std::move(resumo));
  return c;
}

std::vector<NomeAvaliado> AvaliaNomes(const Data& nascimento, const std::vector<std::string>& nomes,
                                      const ProgramOptions& o, const Data& hoje,
                                      std::vector<std::string>* recusas) {
  std::vector<NomeAvaliado> r;
  for (const std::string& nome : nomes) {
    std::string recusa;
    const auto pessoa = AceitaPedido(nome, FormataData(nascimento), hoje, &recusa);
    if (!pessoa) {
      if (recusas) recusas->push_back(nome + ": " + recusa);
      continue;
    }
    NomeAvaliado a;
    a.NomeDigitado = nome;
    a.Numeros = NumerosParaComparar(*pessoa, o);
    a.HarmoniaComOCaminho = HarmoniaEntre(std::stoi(a.Numeros.Expressao), std::stoi(a.Numeros.CaminhoDaVida));
    a.Mapa = CalculaMapaCarmico(pessoa->Nome, pessoa->Nascimento);
    r.push_back(std::move(a));
  }
  return r;
}

}  // namespace cifra
