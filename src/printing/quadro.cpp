#include "quadro.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "engine/numeros_data.h"
#include "engine/numerologia.h"
#include "presentation/topicos.h"

namespace cifra {
namespace {

struct GrupoFixo {
  const char* titulo;
  int coluna;
  std::initializer_list<int> topicos;
  bool comHoje = false;  // the title names the day the numbers are for
};

// The name numbers, the birth-date numbers in topic order, the numbers of
// today and the operator's two numbers. The birth-date group is the longest
// and has the right column to itself.
const GrupoFixo kGrupos[] = {
    {"Números do Nome", 0, {23, 24, 25, 26, 27, 28}},
    {"Números da Data de Nascimento", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
    {"Números de Hoje", 0, {17, 18, 19, 20, 21, 22}, true},
    {"Números Complementares", 0, {29, 30}},
};

std::string Ano(int ano) { return std::to_string(ano); }

// When the cycles change and at which ages the realizations begin.
std::string Detalhe(int t, const NumerosDaData& n) {
  switch (t) {
    case 2: return "até " + Ano(n.AnoInicioProdutivo);
    case 3: return "de " + Ano(n.AnoInicioProdutivo) + " a " + Ano(n.AnoInicioColheita);
    case 4: return "a partir de " + Ano(n.AnoInicioColheita);
    case 8: return "até os " + Ano(n.IdadeA2) + " anos";
    case 9: return "dos " + Ano(n.IdadeA2) + " aos " + Ano(n.IdadeA3) + " anos";
    case 10: return "dos " + Ano(n.IdadeA3) + " aos " + Ano(n.IdadeA4) + " anos";
    case 11: return "a partir dos " + Ano(n.IdadeA4) + " anos";
    default: return "";
  }
}

std::string NumeroNoQuadro(const LinhaResultado& linha, int t) {
  if (t == 26) return linha.Numero.empty() ? "-" : linha.Numero;
  return FormaDeExibicao(ValorDoNumero(linha.Numero));
}

Fonte Reduzida(Fonte f, double escala) {
  f.Tamanho = static_cast<int16_t>(std::max(1L, std::lround(f.Tamanho * escala)));
  return f;
}

constexpr double kEntreColunas = 8;

struct MedidasDoQuadro {
  double escala = 1;  // of the operator's font sizes
  double nome = 1;    // the name's letters and values, relative to the rest
  double folga = 0;   // mm added below every row
};
constexpr double kBase = 0.77;
constexpr const char* kTituloDoNome = "O Nome Letra por Letra";

// The page is walked once per trial size: the same walk measures and, when
// the size fits, draws, so what was measured is what is drawn.
class DesenhoDoQuadro {
 public:
  DesenhoDoQuadro(SuperficieDeDesenho& s, const QuadroNumerologico& q, const Fontes& fontes,
                  const GeometriaDaPagina& g)
      : s_(s), q_(q), fontes_(fontes), g_(g) {
    x0_ = g.margens.Esquerda + 2;
    x1_ = g.Largura - g.margens.Direita - 2;
  }

  // Whether everything fits with these measures: the widest row of each
  // column in its column, every word of the name in the width, the bottom
  // above the limit.
  bool Cabe(const MedidasDoQuadro& medidas) {
    m_ = medidas;
    desenhar_ = false;
    cabe_ = true;
    const double fim = Percorre();
    return cabe_ && fim <= g_.LimiteInferior;
  }

  void Desenha(const MedidasDoQuadro& medidas) {
    m_ = medidas;
    desenhar_ = true;
    Percorre();
  }

 private:
  void Titulo() { s_.SetFonte(Reduzida(fontes_.FonteTitulo, m_.escala * fator_)); }
  void Texto() { s_.SetFonte(Reduzida(fontes_.FonteTexto, m_.escala * fator_)); }
  void Descricao() { s_.SetFonte(Reduzida(fontes_.FonteDescricao, m_.escala * fator_)); }

  void Escreve(double x, double y, const std::string& texto) {
    if (!desenhar_) return;
    s_.CurrentX = x;
    s_.CurrentY = y;
    s_.Print(texto);
  }
  void Fio(double xa, double y, double xb) {
    if (desenhar_) s_.Barra(xa, y, xb, y + 0.3);
  }
  void Exige(double largura, double disponivel) {
    if (largura > disponivel + 1e-9) cabe_ = false;
  }

  // A heading with a rule under it; returns the y below.
  double Secao(double x, double y, double largura, const std::string& texto) {
    Titulo();
    Exige(s_.TextWidth(texto), largura);
    Escreve(x, y, texto);
    y += s_.TextHeight(texto) + 0.5;
    Fio(x, y, x + largura);
    return y + 1.5;
  }

  // Widths of a column's three cells, the same for all its groups, and
  // the height of its rows.
  struct Celulas {
    double rotulo = 0, numero = 0, detalhe = 0, linha = 0, titulos = 0;
    double Largura() const { return std::max(rotulo + numero + detalhe, titulos); }
  };

  Celulas Mede(int coluna) {
    Celulas c;
    for (const GrupoDoQuadro& grupo : q_.grupos) {
      if (grupo.coluna != coluna) continue;
      Titulo();
      c.titulos = std::max(c.titulos, s_.TextWidth(grupo.titulo));
      for (const NumeroDoQuadro& n : grupo.numeros) {
        Texto();
        c.rotulo = std::max(c.rotulo, s_.TextWidth(n.rotulo) + 2);
        c.linha = std::max(c.linha, s_.TextHeight(n.rotulo));
        Titulo();
        c.numero = std::max(c.numero, s_.TextWidth(n.numero) + 2);
        c.linha = std::max(c.linha, s_.TextHeight(n.numero));
        Descricao();
        c.detalhe = std::max(c.detalhe, s_.TextWidth(n.detalhe));
        c.linha = std::max(c.linha, s_.TextHeight(n.detalhe));
      }
    }
    return c;
  }

  // Draws text so that its baseline lies at base: fonts of different sizes
  // on one row read as one line. A line's baseline lies at about 77 % of its
  // height in the common faces.
  void NaLinha(double x, double base, const std::string& texto) {
    Escreve(x, base - kBase * s_.TextHeight(texto), texto);
  }

  double Coluna(int coluna, double x, double largura, const Celulas& c, double y) {
    for (const GrupoDoQuadro& grupo : q_.grupos) {
      if (grupo.coluna != coluna) continue;
      y = Secao(x, y, largura, grupo.titulo);
      for (const NumeroDoQuadro& n : grupo.numeros) {
        const double base = y + kBase * c.linha;
        Texto();
        NaLinha(x, base, n.rotulo);
        Titulo();
        NaLinha(x + c.rotulo, base, n.numero);
        Descricao();
        NaLinha(x + c.rotulo + c.numero, base, n.detalhe);
        y += c.linha + 0.8 + m_.folga;
      }
      y += 4;
    }
    return y;
  }

  // The two columns side by side, each as wide as it needs and the room
  // left shared between them; returns the y below the longer one.
  double Colunas(double y) {
    const Celulas esquerda = Mede(0), direita = Mede(1);
    const double sobra = (x1_ - x0_ - kEntreColunas) - esquerda.Largura() - direita.Largura();
    if (sobra < 0) cabe_ = false;
    const double l0 = esquerda.Largura() + sobra / 2, l1 = direita.Largura() + sobra / 2;
    return std::max(Coluna(0, x0_, l0, esquerda, y),
                    Coluna(1, x0_ + l0 + kEntreColunas, l1, direita, y));
  }

  // The name in rows of letters, vowel values above and consonant values
  // below, a word never split; returns the y below the sums.
  double Nome(double y) {
    y = Secao(x0_, y, x1_ - x0_, kTituloDoNome) + m_.folga;
    fator_ = m_.nome;
    Titulo();
    const double altoLetra = s_.TextHeight(U"A");
    double celula = s_.TextWidth(U"W");
    Descricao();
    const double altoValor = s_.TextHeight(U"9");
    celula = std::max(celula, s_.TextWidth(U"9")) + 1.5;
    const double entrePalavras = celula;

    double x = x0_;
    bool linhaVazia = true;
    for (const auto& palavra : q_.palavras) {
      const double largura = celula * static_cast<double>(palavra.size());
      Exige(largura, x1_ - x0_);
      if (!linhaVazia && x + largura > x1_) {
        y += altoValor * 2 + altoLetra + 3 + m_.folga;
        x = x0_;
      }
      for (const LetraDoQuadro& l : palavra) {
        auto centrada = [&](double yy, const std::u32string& t) {
          if (!desenhar_) return;
          s_.CurrentX = x + (celula - s_.TextWidth(t)) / 2;
          s_.CurrentY = yy;
          s_.Print(t);
        };
        Descricao();
        if (l.vogal) centrada(y, Utf32(std::to_string(l.vogal)));
        if (l.consoante) centrada(y + altoValor + altoLetra, Utf32(std::to_string(l.consoante)));
        Titulo();
        centrada(y + altoValor, std::u32string(1, l.letra));
        x += celula;
      }
      x += entrePalavras;
      linhaVazia = false;
    }
    y += altoValor * 2 + altoLetra + 3 + m_.folga;

    fator_ = (1 + m_.nome) / 2;  // the sums between the letters and the table
    Texto();
    const std::string somas = "Vogais: " + std::to_string(q_.somaDasVogais) +
                              "    Consoantes: " + std::to_string(q_.somaDasConsoantes) +
                              "    Total: " + std::to_string(q_.somaDasVogais + q_.somaDasConsoantes);
    Exige(s_.TextWidth(somas), x1_ - x0_);
    Escreve(x0_, y, somas);
    y += s_.TextHeight(somas);
    fator_ = 1;
    return y;
  }

  double Percorre() {
    double y = g_.margens.Superior + 27 + 2;
    Titulo();
    const std::string titulo = kTituloDoQuadro;
    Escreve(x0_ + (x1_ - x0_ - s_.TextWidth(titulo)) / 2, y, titulo);
    y += s_.TextHeight(titulo) + 3;
    return Nome(Colunas(y) + 1);
  }

  SuperficieDeDesenho& s_;
  const QuadroNumerologico& q_;
  const Fontes& fontes_;
  const GeometriaDaPagina& g_;
  double x0_ = 0, x1_ = 0;
  MedidasDoQuadro m_;
  double fator_ = 1;  // the name's letters are drawn larger
  bool desenhar_ = false;
  bool cabe_ = true;
};

}  // namespace

QuadroNumerologico MontaQuadro(const Analise& analise, const ProgramOptions& opcoes,
                               const Data& hoje) {
  QuadroNumerologico q;
  NumerosDaData datas;
  if (const auto nascimento = LeData(analise.DataNascimento)) {
    datas = CalculaNumerosDaData(*nascimento, hoje,
                                 {opcoes.NumerosMagicos, opcoes.ConsiderarDiaNascimento});
  }
  for (const GrupoFixo& fixo : kGrupos) {
    GrupoDoQuadro grupo{fixo.titulo, {}, fixo.coluna};
    if (fixo.comHoje) grupo.titulo += ", " + FormataData(hoje);
    for (int t : fixo.topicos) {
      if (!opcoes.TopicoAtivo[t]) continue;
      grupo.numeros.push_back({t, std::string(TopicoDoNumero(t).nome),
                               NumeroNoQuadro(analise.ResultadoAnalise[t], t), Detalhe(t, datas)});
    }
    if (!grupo.numeros.empty()) q.grupos.push_back(std::move(grupo));
  }

  std::vector<LetraDoQuadro> palavra;
  // The letters as the name was typed, their values from the folded name
  // (folding keeps one character for each).
  const std::u32string dobrado = Utf32(analise.NomeCompleto) + U" ";
  std::u32string exibido = Utf32(analise.NomeExibido) + U" ";
  if (exibido.size() != dobrado.size()) exibido = dobrado;
  for (size_t i = 0; i < dobrado.size(); ++i) {
    const char32_t c = dobrado[i];
    if (c == U' ') {
      if (!palavra.empty()) q.palavras.push_back(std::move(palavra));
      palavra.clear();
      continue;
    }
    LetraDoQuadro l{exibido[i], ValorDaVogal(c), 0};
    if (!l.vogal) l.consoante = ValorDaLetra(c);
    q.somaDasVogais += l.vogal;
    q.somaDasConsoantes += l.consoante;
    palavra.push_back(l);
  }
  return q;
}

void DesenhaQuadroNumerologico(SuperficieDeDesenho& s, const ConteudoDaAnalise& conteudo,
                               const GeometriaDaPagina& geometria, const Data& hoje) {
  const QuadroNumerologico q = MontaQuadro(conteudo.analise, conteudo.opcoes, hoje);
  DesenhaCabecalho(s, conteudo, geometria);
  DesenhaRodape(s, conteudo, geometria, "0");
  DesenhoDoQuadro desenho(s, q, conteudo.fontes, geometria);
  // The operator's sizes when they fit, else all three a little smaller
  // together, down to 40 %. Then the name's letters as large as the width
  // allows, up to twice the rest, and what room is left shared between the rows.
  MedidasDoQuadro m;
  while (m.escala > 0.4 && !desenho.Cabe(m)) m.escala -= 0.05;
  for (m.nome = 2; m.nome > 1 && !desenho.Cabe(m);) m.nome -= 0.1;
  for (m.folga = 3; m.folga > 0 && !desenho.Cabe(m);) m.folga -= 0.25;
  desenho.Desenha(m);
  s.CurrentX = 0;
  s.CurrentY = s.ScaleHeight();
}

}  // namespace cifra
