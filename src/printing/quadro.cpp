#include "quadro.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "engine/numeros_data.h"
#include "engine/numerologia.h"
#include "library/textos_carmicos.h"
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

// The stretches of one row of the timeline, each from its age to the next
// one's; a row whose topics are all switched off has none.
std::vector<TrechoDaVida> Trechos(const Analise& analise, const ProgramOptions& opcoes,
                                  const NumerosDaData& datas, std::initializer_list<int> topicos,
                                  std::initializer_list<const char*> nomes,
                                  std::initializer_list<int> inicios) {
  std::vector<TrechoDaVida> trechos;
  bool algum = false;
  auto nome = nomes.begin();
  auto inicio = inicios.begin();
  for (int t : topicos) {
    // A challenge has no period of its own: the realization beside it tells it.
    TrechoDaVida trecho{t, nome == nomes.end() ? "" : *nome++, "", Detalhe(t, datas), *inicio++, 0};
    if (opcoes.TopicoAtivo[t]) {
      trecho.numero = NumeroNoQuadro(analise.ResultadoAnalise[t], t);
      algum = true;
    }
    trechos.push_back(std::move(trecho));
  }
  if (!algum) return {};
  for (size_t i = 0; i < trechos.size(); ++i) {
    trechos[i].fim = i + 1 < trechos.size() ? trechos[i + 1].inicio
                                            : std::max(kIdadeFinalDaLinhaDaVida, trechos[i].inicio);
  }
  return trechos;
}

LinhaDaVida MontaLinhaDaVida(const Analise& analise, const ProgramOptions& opcoes,
                             const NumerosDaData& datas, const Data& nascimento, const Data& hoje) {
  LinhaDaVida linha;
  linha.anoDeNascimento = nascimento.ano;
  linha.idadeHoje =
      std::max(0, hoje.ano - nascimento.ano - (AntesDoAniversario(nascimento, hoje) ? 1 : 0));
  // A cycle changes on the birthday of its year, at that many years of age.
  const int produtivo = datas.AnoInicioProdutivo - nascimento.ano;
  const int colheita = datas.AnoInicioColheita - nascimento.ano;
  linha.ciclos = Trechos(analise, opcoes, datas, {2, 3, 4}, {"Formativo", "Produtivo", "Colheita"},
                         {0, produtivo, colheita});
  const std::initializer_list<int> realizacoes = {0, datas.IdadeA2, datas.IdadeA3, datas.IdadeA4};
  linha.realizacoes =
      Trechos(analise, opcoes, datas, {8, 9, 10, 11}, {"1ª", "2ª", "3ª", "4ª"}, realizacoes);
  linha.desafios = Trechos(analise, opcoes, datas, {13, 14, 12, 15}, {}, realizacoes);
  return linha;
}

// Each number of a karmic part, "Nenhuma" left to the drawing; a debt met
// from several origins once, naming them all in the order they were met.
std::vector<LinhaCarmica> LinhasCarmicas(const MapaCarmico& mapa) {
  auto numeros = [](const std::vector<int16_t>& v) {
    std::vector<NumeroCarmico> r;
    for (int n : v) r.push_back({std::to_string(n), ""});
    return r;
  };
  std::vector<NumeroCarmico> dividas;
  for (const DividaCarmica& d : mapa.DividasCarmicas) {
    const std::string numero = std::to_string(d.Numero);
    auto it = std::find_if(dividas.begin(), dividas.end(),
                           [&](const NumeroCarmico& n) { return n.numero == numero; });
    if (it == dividas.end()) {
      dividas.push_back({numero, std::string(NomeDaOrigem(d.Origem))});
    } else if (it->origem.find(NomeDaOrigem(d.Origem)) == std::string::npos) {
      it->origem += ", " + std::string(NomeDaOrigem(d.Origem));
    }
  }
  auto rotulo = [](ParteCarmica p) { return std::string(ParteDoMapaDe(p).rotulo); };
  return {{rotulo(ParteCarmica::Licao), numeros(mapa.LicoesCarmicas)},
          {rotulo(ParteCarmica::Tendencia), numeros(mapa.TendenciaOculta)},
          {rotulo(ParteCarmica::Resposta), numeros({mapa.RespostaSubconsciente})},
          {rotulo(ParteCarmica::Divida), dividas}};
}

Fonte Reduzida(Fonte f, double escala) {
  f.Tamanho = static_cast<int16_t>(std::max(1L, std::lround(f.Tamanho * escala)));
  return f;
}

constexpr double kEntreColunas = 8;
constexpr double kEntreGrupos = 4;

struct MedidasDoQuadro {
  double escala = 1;  // of the operator's font sizes
  double nome = 1;    // the name's letters and values, relative to the rest
  double folga = 0;   // mm added below every row
};
constexpr double kBase = 0.77;
constexpr double kMenorNome = 1.4;  // the name's letters, at the least
// The operator's fonts may be four times the usual sizes (the defaults fit
// at about 80 %) and a page of 30-point titles still fits at a quarter.
constexpr double kMenorEscala = 0.25;
constexpr const char* kTituloDoNome = "O Nome Letra por Letra";

// The page is walked once per trial size: the same walk measures and, when
// the size fits, draws, so what was measured is what is drawn.
class DesenhoDoQuadro {
 public:
  // cabecalho: the height the page header takes below the top margin.
  DesenhoDoQuadro(SuperficieDeDesenho& s, const QuadroNumerologico& q, const Fontes& fontes,
                  const GeometriaDaPagina& g, double cabecalho)
      : s_(s), q_(q), fontes_(fontes), g_(g), cabecalho_(cabecalho) {
    x0_ = g.margens.Esquerda + 2;
    x1_ = g.Largura - g.margens.Direita - 2;
  }

  // Whether everything fits with these measures: the widest row of each
  // column in its column, the name's rows and the rest above the limit.
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
  enum class Letra { Titulo, Texto, Descricao };
  void Usa(Letra l) { l == Letra::Titulo ? Titulo() : l == Letra::Texto ? Texto() : Descricao(); }

  void Escreve(double x, double y, const std::string& texto) {
    if (!desenhar_ || texto.empty()) return;
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
    bool primeiro = true;
    for (const GrupoDoQuadro& grupo : q_.grupos) {
      if (grupo.coluna != coluna) continue;
      if (!std::exchange(primeiro, false)) y += kEntreGrupos;
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
    // One after the other: as two arguments of one call their order would be
    // the compiler's choice, and so would the order of the drawing.
    const double fimDaEsquerda = Coluna(0, x0_, l0, esquerda, y);
    const double fimDaDireita = Coluna(1, x0_ + l0 + kEntreColunas, l1, direita, y);
    return std::max(fimDaEsquerda, fimDaDireita);
  }

  // The name in rows of letters, vowel values above and consonant values
  // below; a word that fits a row is never split, a longer one goes on from
  // row to row. Returns the y below the sums.
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
    auto novaFileira = [&] {
      y += altoValor * 2 + altoLetra + 3 + m_.folga;
      x = x0_;
    };
    bool linhaVazia = true;
    for (const auto& palavra : q_.palavras) {
      const double largura = celula * static_cast<double>(palavra.size());
      if (!linhaVazia && x + largura > x1_) novaFileira();
      for (const LetraDoQuadro& l : palavra) {
        if (x > x0_ && x + celula > x1_ + 1e-9) novaFileira();
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
    novaFileira();

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

  void Retangulo(double xa, double ya, double xb, double yb, double claridade) {
    if (desenhar_) s_.RetanguloCinza(xa, ya, xb, yb, claridade);
  }
  void Traco(double xa, double ya, double xb, double yb) {
    if (desenhar_) s_.Barra(xa, ya, xb, yb);
  }

  // Where a block of text that wide goes in the stretch a..b of the
  // timeline: centred, unless today's mark would cross it; then centred on
  // the side of the mark that has room for it.
  static double Lugar(double a, double b, double largura, double xHoje) {
    const double centro = (a + b - largura) / 2;
    if (xHoje < centro - kAfastamento || xHoje > centro + largura + kAfastamento) return centro;
    const double antes = xHoje - a, depois = b - xHoje;
    if (antes >= depois && antes >= largura + 2 * kAfastamento) return (a + xHoje - largura) / 2;
    if (depois >= largura + 2 * kAfastamento) return (xHoje + b - largura) / 2;
    return centro;
  }

  // The period a stretch shows: as the table says it, or, in a stretch too
  // narrow for that, its ages; the narrow ones are the middle realizations,
  // nine years each.
  std::string Periodo(const TrechoDaVida& t, double disponivel) {
    Descricao();
    if (s_.TextWidth(t.periodo) <= disponivel || (t.topico != 9 && t.topico != 10)) return t.periodo;
    const std::string idades = std::to_string(t.inicio) + " a " + std::to_string(t.fim);
    for (const std::string& curto : {idades + " anos", idades}) {
      if (s_.TextWidth(curto) <= disponivel) return curto;
    }
    return idades;
  }

  // One row of the timeline: its name at the left, its stretches outlined
  // on the ages, the years lived shaded, and in each stretch its name and
  // number, and below them its period when the row has periods.
  double Fileira(const char* rotulo, const std::vector<TrechoDaVida>& trechos, double y) {
    Titulo();
    const double altoNumero = s_.TextHeight("0");
    Descricao();
    const double altoPequeno = s_.TextHeight("0");
    const double alto1 = std::max(altoNumero, altoPequeno);
    const bool comPeriodo = !trechos.front().periodo.empty();
    const double altura = 2 * kDentroDaFileira + alto1 + (comPeriodo ? altoPequeno : 0);

    Texto();
    Escreve(x0_, y + (altura - s_.TextHeight(rotulo)) / 2, rotulo);
    for (const TrechoDaVida& t : trechos) {
      if (q_.linhaDaVida.idadeHoje > t.inicio) {
        Retangulo(X(t.inicio), y, std::min(X(t.fim), xHoje_), y + altura, kCinzaDoVivido);
      }
    }
    Traco(xa_, y - kTraco / 2, xb_, y + kTraco / 2);
    Traco(xa_, y + altura - kTraco / 2, xb_, y + altura + kTraco / 2);
    for (const TrechoDaVida& t : trechos) {
      Traco(X(t.inicio) - kTraco / 2, y, X(t.inicio) + kTraco / 2, y + altura);
    }
    Traco(xb_ - kTraco / 2, y, xb_ + kTraco / 2, y + altura);

    for (const TrechoDaVida& t : trechos) {
      const double a = X(t.inicio), b = X(t.fim);
      const double disponivel = b - a - 2 * kAfastamento;
      Descricao();
      const double nome = t.nome.empty() ? 0 : s_.TextWidth(t.nome);
      Titulo();
      const double numero = s_.TextWidth(t.numero);
      const double entre = nome > 0 && numero > 0 ? kEntreNomeENumero : 0;
      // A name that leaves no room for the number gives way to it.
      const bool comNome = nome + entre + numero <= disponivel || numero == 0;
      const double linha1 = comNome ? nome + entre + numero : numero;
      Exige(linha1, disponivel);
      const std::string periodo = comPeriodo ? Periodo(t, disponivel) : std::string();
      Descricao();
      const double linha2 = s_.TextWidth(periodo);
      Exige(linha2, disponivel);

      const double largura = std::max(linha1, linha2);
      const double x = Lugar(a, b, largura, xHoje_);
      const double base = y + kDentroDaFileira + kBase * alto1;
      double xl = x + (largura - linha1) / 2;
      if (comNome && nome > 0) {
        Descricao();
        NaLinha(xl, base, t.nome);
        xl += nome + entre;
      }
      Titulo();
      NaLinha(xl, base, t.numero);
      Descricao();
      Escreve(x + (largura - linha2) / 2, y + kDentroDaFileira + alto1, periodo);
    }
    return y + altura;
  }

  double X(int idade) const {
    const int k = kIdadeFinalDaLinhaDaVida;
    return xa_ + (xb_ - xa_) * std::clamp(idade, 0, k) / k;
  }

  // The life from birth to 90 years: today's age above, the rows of the
  // cycles, the realizations and the challenges on the same ages, the ages
  // below, and today's mark through them all.
  double LinhaDaVida(double y) {
    const auto& v = q_.linhaDaVida;
    if (v.Vazia()) return y;
    y = Secao(x0_, y, x1_ - x0_, kTituloDaLinhaDaVida) + m_.folga / 2;
    const std::pair<const char*, const std::vector<TrechoDaVida>*> fileiras[] = {
        {"Ciclos", &v.ciclos}, {"Realizações", &v.realizacoes}, {"Desafios", &v.desafios}};
    Texto();
    double rotulos = s_.TextWidth(kIdade);
    for (const auto& [rotulo, trechos] : fileiras) {
      if (!trechos->empty()) rotulos = std::max(rotulos, s_.TextWidth(rotulo));
    }
    Descricao();
    xa_ = x0_ + rotulos + 3;
    xb_ = x1_ - s_.TextWidth("90") / 2;
    Exige(rotulos + 3 + kMenorLinhaDaVida, x1_ - x0_);
    xHoje_ = X(v.idadeHoje);

    Hoje();
    const std::string hoje = "Hoje: " + std::to_string(v.idadeHoje) + " anos";
    const double larguraHoje = s_.TextWidth(hoje);
    Escreve(std::clamp(xHoje_ - larguraHoje / 2, xa_, x1_ - larguraHoje), y, hoje);
    y += s_.TextHeight(hoje);
    const double topoDaMarca = y;
    y += 1;
    for (const auto& [rotulo, trechos] : fileiras) {
      if (!trechos->empty()) y = Fileira(rotulo, *trechos, y) + kEntreFileiras;
    }

    // The ages: a line with a tick every ten years and its number below.
    y += 0.5;
    const double eixo = y;
    Traco(xa_, eixo - kTraco / 2, xb_, eixo + kTraco / 2);
    Descricao();
    const double altoIdade = s_.TextHeight("0");
    for (int idade = 0; idade <= kIdadeFinalDaLinhaDaVida; idade += 10) {
      const double x = X(idade);
      Traco(x - kTraco / 2, eixo, x + kTraco / 2, eixo + 1.2);
      const std::string texto = std::to_string(idade);
      Escreve(x - s_.TextWidth(texto) / 2, eixo + 1.4, texto);
    }
    const double base = eixo + 1.4 + kBase * altoIdade;
    Texto();
    NaLinha(x0_, base, kIdade);
    // Today's mark, from its age above down to the line of the ages.
    Traco(xHoje_ - kMarca / 2, topoDaMarca, xHoje_ + kMarca / 2, eixo);
    Traco(xHoje_ - kMarca, eixo - kMarca, xHoje_ + kMarca, eixo + kMarca);
    return eixo + 1.4 + altoIdade;
  }

  // The inclusion square at the left and beside it, one part a line, the
  // karmic lessons, the hidden tendency, the subconscious response and the
  // debts with their origins, wrapped within the width.
  double MapaCarmico(double y) {
    y = Secao(x0_, y, x1_ - x0_, std::string(kTituloDoMapaCarmico)) + m_.folga / 2;
    Texto();
    // Never so small that a count of two digits reaches the value in its corner.
    const double celula = std::max(kMenorCelula, kCelulaEmLinhas * s_.TextHeight("0"));
    const double quadrado = 3 * celula;
    if (desenhar_) {
      // The square's numbers in proportion to its cells, as on the pages.
      DesenhaQuadradoDeInclusao(s_, q_.mapa, x0_ + kTraco, y, celula,
                                Reduzida(fontes_.FonteTexto, m_.escala * kLetraDoQuadrado));
    }

    const double xt = x0_ + quadrado + kEntreColunas;
    Texto();
    double rotulos = 0;
    for (const LinhaCarmica& l : q_.carmico) rotulos = std::max(rotulos, s_.TextWidth(l.rotulo + ":"));
    const double xv = xt + rotulos + 2;
    const double espaco = s_.TextWidth("0") / 2;
    Exige(rotulos + 2 + kMenorValorCarmico, x1_ - xt);
    double alto = s_.TextHeight("0");
    Titulo();
    alto = std::max(alto, s_.TextHeight("0"));
    Descricao();
    alto = std::max(alto, s_.TextHeight("0"));

    // Placed first and drawn after, centred beside the square: the names in
    // the text's font, the numbers as in the table, the origins as details.
    struct Peca {
      double x = 0, base = 0;
      std::string texto;
      Letra letra;
    };
    std::vector<Peca> pecas;
    double base = kBase * alto;
    for (const LinhaCarmica& l : q_.carmico) {
      pecas.push_back({xt, base, l.rotulo + ":", Letra::Texto});
      std::vector<Peca> palavras;
      if (l.numeros.empty()) palavras.push_back({0, 0, kNenhumNumeroCarmico, Letra::Texto});
      for (size_t i = 0; i < l.numeros.size(); ++i) {
        const std::string virgula = i + 1 < l.numeros.size() ? "," : "";
        const NumeroCarmico& n = l.numeros[i];
        palavras.push_back({0, 0, n.numero + (n.origem.empty() ? virgula : ""), Letra::Titulo});
        if (n.origem.empty()) continue;
        std::string origem = "(" + n.origem + ")" + virgula;
        for (size_t fim; !origem.empty(); origem.erase(0, fim == std::string::npos ? fim : fim + 1)) {
          fim = origem.find(' ');
          palavras.push_back({0, 0, origem.substr(0, fim), Letra::Descricao});
        }
      }
      double x = xv;
      for (Peca& palavra : palavras) {
        Usa(palavra.letra);
        const double largura = s_.TextWidth(palavra.texto);
        Exige(largura, x1_ - xv);
        if (x > xv && x + largura > x1_) {
          x = xv;
          base += alto;
        }
        palavra.x = x;
        palavra.base = base;
        pecas.push_back(std::move(palavra));
        x += largura + espaco;
      }
      base += alto + kEntreLinhasCarmicas;
    }
    const double altura = base - kBase * alto - kEntreLinhasCarmicas;
    const double topo = y + std::max(0.0, (quadrado - altura) / 2);
    for (const Peca& p : pecas) {
      Usa(p.letra);
      NaLinha(p.x, topo + p.base, p.texto);
    }
    return std::max(y + quadrado, topo + altura);
  }

  // Today's age stands out from the ages in the text's font made bold.
  void Hoje() {
    Fonte f = Reduzida(fontes_.FonteTexto, m_.escala * fator_);
    f.Negrito = true;
    s_.SetFonte(f);
  }

  double Percorre() {
    double y = g_.margens.Superior + cabecalho_ + 2;
    Titulo();
    const std::string titulo = kTituloDoQuadro;
    Escreve(x0_ + (x1_ - x0_ - s_.TextWidth(titulo)) / 2, y, titulo);
    y += s_.TextHeight(titulo) + 3;
    y = LinhaDaVida(Colunas(y) + kEntreSecoes + m_.folga) + kEntreSecoes + m_.folga;
    y = Nome(y) + kEntreSecoes + m_.folga;
    return MapaCarmico(y);
  }

  static constexpr const char* kTituloDaLinhaDaVida = "Linha da Vida";
  static constexpr const char* kIdade = "Idade";
  static constexpr double kTraco = 0.25;           // mm, the outlines
  static constexpr double kMarca = 0.6;            // mm, today's mark
  static constexpr double kCinzaDoVivido = 0.85;   // the years lived, light enough under text
  static constexpr double kAfastamento = 1;        // mm between a text and a stretch's edge
  static constexpr double kDentroDaFileira = 0.8;  // mm above and below a row's text
  static constexpr double kEntreFileiras = 1;
  static constexpr double kEntreNomeENumero = 1.2;
  static constexpr double kEntreSecoes = 3;
  static constexpr double kMenorLinhaDaVida = 90;  // mm: narrower, the stretches say nothing
  static constexpr double kCelulaEmLinhas = 2.2;   // a cell of the square, in lines of text
  static constexpr double kMenorCelula = 10;     // mm
  static constexpr double kLetraDoQuadrado = 0.85;  // of the text's font, for the square's numbers
  static constexpr double kMenorValorCarmico = 40;
  static constexpr double kEntreLinhasCarmicas = 1.5;

  SuperficieDeDesenho& s_;
  const QuadroNumerologico& q_;
  const Fontes& fontes_;
  const GeometriaDaPagina& g_;
  const double cabecalho_;
  double x0_ = 0, x1_ = 0;
  double xa_ = 0, xb_ = 0, xHoje_ = 0;  // the timeline's ages 0 and 90, and today
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
  const auto nascimento = LeData(analise.DataNascimento);
  if (nascimento) {
    datas = CalculaNumerosDaData(*nascimento, hoje,
                                 {opcoes.NumerosMagicos, opcoes.ConsiderarDiaNascimento});
    q.linhaDaVida = MontaLinhaDaVida(analise, opcoes, datas, *nascimento, hoje);
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

  // An analysis made without its karmic section still has a name and a date.
  q.mapa = analise.Carmico.Titulo.empty()
               ? CalculaMapaCarmico(Utf32(analise.NomeCompleto), nascimento.value_or(Data{}))
               : analise.Carmico.Numeros;
  q.carmico = LinhasCarmicas(q.mapa);
  return q;
}

void DesenhaQuadroNumerologico(SuperficieDeDesenho& s, const ConteudoDaAnalise& conteudo,
                               const GeometriaDaPagina& geometria, const Data& hoje) {
  const QuadroNumerologico q = MontaQuadro(conteudo.analise, conteudo.opcoes, hoje);
  const double cabecalho = DesenhaCabecalho(s, conteudo, geometria);
  DesenhaRodape(s, conteudo, geometria, "0");
  DesenhoDoQuadro desenho(s, q, conteudo.fontes, geometria, cabecalho);
  // The operator's sizes when they fit, else all three a little smaller
  // together, down to a quarter. The name's letters are kept larger than the
  // rest when that costs the fonts one step at most (a long name in large
  // letters would take them down further). Then the name's letters as large
  // as the room allows, up to twice the rest, and what room is left shared
  // between the rows.
  auto maiorEscala = [&](double nome) {
    MedidasDoQuadro m;
    m.nome = nome;
    while (m.escala > kMenorEscala + 1e-9 && !desenho.Cabe(m)) m.escala -= 0.05;
    return m;
  };
  MedidasDoQuadro m = maiorEscala(kMenorNome);
  if (const MedidasDoQuadro semRealce = maiorEscala(1); semRealce.escala > m.escala + 0.06) {
    m = semRealce;
  }
  const double menorNome = m.nome;
  for (m.nome = 2; m.nome > menorNome + 1e-9 && !desenho.Cabe(m);) m.nome -= 0.1;
  for (m.folga = 3; m.folga > 0 && !desenho.Cabe(m);) m.folga -= 0.25;
  desenho.Desenha(m);
  s.CurrentX = 0;
  s.CurrentY = s.ScaleHeight();
}

}  // namespace cifra
