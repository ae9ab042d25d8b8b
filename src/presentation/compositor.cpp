#include "compositor.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/data.h"
#include "engine/numerologia.h"
#include "engine/signo.h"
#include "engine/texto.h"
#include "texto_justificado.h"
#include "topicos.h"

namespace cifra {
namespace {

constexpr double kCabecalho = 27;  // height a page header takes below the top margin

}  // namespace

Figura ImagemDoCabecalho(const ProgramOptions& opcoes, const std::string& dataNascimento,
                         const FigurasDaAnalise& figuras, std::string* problema) {
  const std::string escolha = AparaBrancos(opcoes.ImagemCabecalho);
  if (escolha != kImagemDosSignos) return Figura::DoArquivo(escolha, problema);
  const int signo = SignoDaData(std::string_view(dataNascimento).substr(0, 5));
  return signo >= 1 && signo <= 12 ? figuras.signos[signo - 1] : Figura();
}

ConteudoDaAnalise ConteudoDe(const Analise& analise, const Configuracao& configuracao,
                             std::string* problema) {
  const FigurasDaAnalise& figuras = FigurasDoPrograma();
  ConteudoDaAnalise c;
  c.analise = analise;
  c.opcoes = configuracao.opcoes;
  c.fontes = configuracao.fontes;
  c.linhas = configuracao.linhas;
  c.imagemCabecalho = ImagemDoCabecalho(configuracao.opcoes, analise.DataNascimento, figuras, problema);
  c.divisoria = figuras.divisoria;
  c.ordem = configuracao.ordem;
  return c;
}

GeometriaDaPagina GeometriaDaTela(double largura) {
  return GeometriaDaPagina{largura, 297, Margens{10, 5, 10, 5}, 272};
}

GeometriaDaPagina GeometriaDoPapel(double largura, double altura, const Margens& margens) {
  return GeometriaDaPagina{largura, altura, margens, altura - margens.Inferior - 20};
}

std::string DataPorExtenso(const std::string& ddmmaaaa) {
  static constexpr const char* kMeses[] = {"janeiro", "fevereiro", "março",    "abril",
                                           "maio",    "junho",     "julho",    "agosto",
                                           "setembro", "outubro",  "novembro", "dezembro"};
  const auto d = LeData(ddmmaaaa);
  if (!d) return ddmmaaaa;
  const std::string dia = (d->dia < 10 ? "0" : "") + std::to_string(d->dia);
  return dia + " de " + kMeses[d->mes - 1] + " de " + std::to_string(d->ano);
}

std::string TituloNaPagina(const LinhaResultado& linha, int topico, bool imprimirNumero) {
  if (!imprimirNumero) return linha.Titulo;
  return TituloComNumero(linha.Titulo, topico,
                         topico == 26 ? linha.Numero : FormaDeExibicao(ValorDoNumero(linha.Numero)));
}

std::vector<BlocoDoRelatorio> BlocosDaAnalise(const Analise& analise, const ProgramOptions& opcoes,
                                              const OrdemDosTopicos& ordem) {
  std::vector<BlocoDoRelatorio> blocos;
  const OrdemDosTopicos valida = OrdemValida(ordem);
  for (size_t posicao = 1; posicao < valida.size(); ++posicao) {
    const int t = valida[posicao];
    if (!TopicoApresentado(analise, opcoes, t)) continue;
    const LinhaResultado& linha = analise.ResultadoAnalise[t];
    blocos.push_back({DescricaoApresentada(linha, opcoes) ? linha.Descricao : std::string(),
                      TituloNaPagina(linha, t, opcoes.ImprimirNumero), linha.Interpretacao, {}});
  }
  if (!MapaCarmicoApresentado(analise, opcoes)) return blocos;
  const SecaoCarmica& secao = analise.Carmico;
  auto descricao = [&](const std::string& d) {
    return DescricaoApresentada(d, opcoes) ? d : std::string();
  };
  blocos.push_back({descricao(secao.Descricao), secao.Titulo, {}, secao.Numeros});
  for (const LinhaResultado& item : secao.Itens) {
    blocos.push_back({descricao(item.Descricao), item.Titulo, item.Interpretacao, {}});
  }
  return blocos;
}

namespace {

// The fonts of the header and footer lines, and the room each line has: the
// pages draw with them and the header and footer dialog measures with them.
const Fonte kFonteDoCabecalho{kFontePadrao, true, false, 20};
const Fonte kFonteDoNome{kFontePadrao, false, false, 14};
const Fonte kFonteDaData{kFontePadrao, false, false, 12};
const Fonte kFonteDoRodapeUm{kFontePadrao, true, false, 12};
const Fonte kFonteDoRodapeDois{kFontePadrao, false, false, 10};
const Fonte kFonteDoNumero{kFontePadrao, true, false, 16};

// The band right of the header picture.
double FaixaDoCabecalho(const GeometriaDaPagina& g) {
  return g.Largura - (g.margens.Esquerda + g.margens.Direita + 22 + 2);
}

// The footer lines' room: the rule's length less the page number and a gap.
double FaixaDoRodape(SuperficieDeDesenho& s, const GeometriaDaPagina& g, const std::string& numero) {
  double largura = g.Largura - g.margens.Direita - (g.margens.Esquerda + 2);
  if (numero != "0") {
    s.SetFonte(kFonteDoNumero);
    largura -= s.TextWidth(numero) + 3;
  }
  return largura;
}

// The words of a text, between its spaces.
std::vector<std::u32string> Palavras(const std::u32string& texto) {
  std::vector<std::u32string> palavras;
  for (size_t inicio = 0; inicio < texto.size();) {
    const size_t fim = std::min(texto.find(U' ', inicio), texto.size());
    if (fim > inicio) palavras.push_back(texto.substr(inicio, fim - inicio));
    inicio = fim + 1;
  }
  return palavras;
}

// A text in lines of at most largura mm, each as full as it can be, broken
// at its spaces; a word wider than a line is broken between its letters.
std::vector<std::u32string> LinhasCheias(SuperficieDeDesenho& s, const std::u32string& texto,
                                         double largura) {
  std::vector<std::u32string> linhas;
  std::u32string linha;
  for (std::u32string palavra : Palavras(texto)) {
    const std::u32string junto = linha.empty() ? palavra : linha + U' ' + palavra;
    if (s.TextWidth(junto) <= largura) {
      linha = junto;
      continue;
    }
    if (!linha.empty()) linhas.push_back(std::exchange(linha, {}));
    while (!palavra.empty() && s.TextWidth(palavra) > largura) {
      size_t cabem = 1;  // one letter at least, however narrow the line
      while (cabem < palavra.size() && s.TextWidth(palavra.substr(0, cabem + 1)) <= largura) ++cabem;
      linhas.push_back(palavra.substr(0, cabem));
      palavra.erase(0, cabem);
    }
    linha = palavra;
  }
  if (!linha.empty()) linhas.push_back(linha);
  return linhas;
}

}  // namespace

std::vector<std::string> NomeNaLargura(SuperficieDeDesenho& s, const std::string& nome,
                                       Fonte& fonte, double largura) {
  const auto piso = static_cast<int16_t>(std::ceil(fonte.Tamanho * kMenorTipoDoNome));
  s.SetFonte(fonte);
  while (fonte.Tamanho > piso && s.TextWidth(nome) > largura) {
    --fonte.Tamanho;
    s.SetFonte(fonte);
  }
  if (s.TextWidth(nome) <= largura) return {nome};
  const std::u32string texto = Utf32(nome);
  const size_t quantas = LinhasCheias(s, texto, largura).size();
  // Centred lines read best when they are about as long as each other: the
  // narrowest width that still takes no more lines, never narrower than a
  // word that fits whole, so that such a word is not broken for evenness.
  double maisLarga = 0;
  for (const std::u32string& palavra : Palavras(texto)) maisLarga = std::max(maisLarga, s.TextWidth(palavra));
  double estreita = maisLarga <= largura ? maisLarga : 0, larga = largura;
  for (int passo = 0; passo < 16; ++passo) {
    const double meio = (estreita + larga) / 2;
    (LinhasCheias(s, texto, meio).size() <= quantas ? larga : estreita) = meio;
  }
  std::vector<std::string> linhas;
  for (const std::u32string& linha : LinhasCheias(s, texto, larga)) linhas.push_back(Utf8(linha));
  return linhas;
}

double DesenhaCabecalho(SuperficieDeDesenho& s, const ConteudoDaAnalise& conteudo,
                        const GeometriaDaPagina& geometria) {
  const double W = geometria.Largura;
  const Margens& m = geometria.margens;
  const double L = m.Esquerda, T = m.Superior, R = m.Direita;

  // Three lines centred in the band right of the picture. The header line
  // (the operator's, or the report's title) wider than the band is set
  // smaller until it fits, down to 6 points, then cut; the name goes no
  // smaller than NomeNaLargura allows and takes more lines instead, and the
  // header grows by what they take beyond the one line of the usual name.
  const double banda = FaixaDoCabecalho(geometria);
  const std::string& primeira = conteudo.tituloDoRelatorio.empty() ? conteudo.linhas.LinhaCabecalho
                                                                     : conteudo.tituloDoRelatorio;
  Fonte fonteDaPrimeira = kFonteDoCabecalho;
  const std::string titulo = CabeNaLargura(s, primeira, fonteDaPrimeira, banda);
  Fonte fonteDoNome = kFonteDoNome;
  s.SetFonte(fonteDoNome);
  const double umaLinha = s.TextHeight("");
  const std::vector<std::string> nome =
      NomeNaLargura(s, conteudo.analise.NomeExibido, fonteDoNome, banda);
  const double acrescimo =
      std::max(0.0, static_cast<double>(nome.size()) * s.TextHeight("") - umaLinha);

  s.Barra(L, T + 24 + acrescimo, W - R, T + 25 + acrescimo);
  s.PaintPicture(conteudo.imagemCabecalho, L + 2, T, 22, 22);
  auto centrada = [&](const std::string& linha, const Fonte& fonte) {
    s.SetFonte(fonte);
    s.CurrentX = L + 24 + (banda - s.TextWidth(linha)) / 2;
    s.Print(linha);
    return s.TextHeight(linha);
  };
  s.CurrentY = T + 2;
  s.CurrentY += centrada(titulo, fonteDaPrimeira) + 1;
  for (const std::string& linha : nome) s.CurrentY += centrada(linha, fonteDoNome);
  Fonte fonteDaData = kFonteDaData;
  centrada(CabeNaLargura(s, DataPorExtenso(conteudo.analise.DataNascimento), fonteDaData, banda),
           fonteDaData);
  return kCabecalho + acrescimo;
}

std::string CabeNaLargura(SuperficieDeDesenho& s, std::string texto, Fonte& fonte, double largura) {
  s.SetFonte(fonte);
  while (fonte.Tamanho > 6 && s.TextWidth(texto) > largura) {
    --fonte.Tamanho;
    s.SetFonte(fonte);
  }
  if (s.TextWidth(texto) <= largura) return texto;
  std::u32string letras = Utf32(texto);
  while (!letras.empty() && s.TextWidth(Utf8(letras) + "…") > largura) letras.pop_back();
  return Utf8(letras) + "…";
}

std::vector<std::string> LinhasQueNaoCabem(SuperficieDeDesenho& s, const LinhasRodape& linhas,
                                           const GeometriaDaPagina& papel) {
  const double rodape = FaixaDoRodape(s, papel, "888");  // room for a three-digit page
  const double cabecalho = FaixaDoCabecalho(papel);
  struct Linha {
    const std::string& texto;
    Fonte fonte;
    double largura;
    const char* nome;
  };
  const Linha todas[] = {
      {linhas.LinhaCabecalho, kFonteDoCabecalho, cabecalho, "A linha do cabeçalho"},
      {linhas.LinhaRodapeUm, kFonteDoRodapeUm, rodape, "A primeira linha do rodapé"},
      {linhas.LinhaRodapeDois, kFonteDoRodapeDois, rodape, "A segunda linha do rodapé"},
  };
  std::vector<std::string> avisos;
  for (const Linha& l : todas) {
    s.SetFonte(l.fonte);
    const double excesso = s.TextWidth(l.texto) - l.largura;
    if (excesso > 0) {
      avisos.push_back(std::string(l.nome) + " passa " +
                       std::to_string(static_cast<int>(std::ceil(excesso))) +
                       " mm da largura da página.");
    }
  }
  return avisos;
}

void DesenhaRodape(SuperficieDeDesenho& s, const ConteudoDaAnalise& conteudo,
                   const GeometriaDaPagina& geometria, const std::string& numero) {
  const double W = geometria.Largura, H = geometria.Altura;
  const Margens& m = geometria.margens;
  const double L = m.Esquerda, R = m.Direita, B = m.Inferior;
  const double y = s.CurrentY;
  s.Barra(L, H - B - 12, W - R, H - B - 11);
  // The lines keep clear of the page number: smaller type, then cut.
  const double largura = FaixaDoRodape(s, geometria, numero);
  Fonte fonte = kFonteDoRodapeUm;
  const std::string um = CabeNaLargura(s, conteudo.linhas.LinhaRodapeUm, fonte, largura);
  s.CurrentX = L + 2;
  s.CurrentY = H - B - 10;
  s.Print(um);
  s.CurrentY += s.TextHeight(um);
  fonte = kFonteDoRodapeDois;
  const std::string dois = CabeNaLargura(s, conteudo.linhas.LinhaRodapeDois, fonte, largura);
  s.CurrentX = L + 2;
  s.Print(dois);
  if (numero != "0") {
    s.SetFonte(kFonteDoNumero);
    s.CurrentY = (H - B) - s.TextHeight(numero);
    s.CurrentX = (W - R) - s.TextWidth(numero);
    s.Print(numero);
  }
  s.CurrentY = y;
}

void DesenhaQuadradoDeInclusao(SuperficieDeDesenho& s, const MapaCarmico& mapa, double x,
                               double y, double celula, const Fonte& fonte) {
  constexpr double kTraco = 0.3;
  for (int i = 0; i <= 3; ++i) {
    s.Barra(x + i * celula - kTraco / 2, y, x + i * celula + kTraco / 2, y + 3 * celula);
    s.Barra(x, y + i * celula - kTraco / 2, x + 3 * celula, y + i * celula + kTraco / 2);
  }
  Fonte valor = fonte;
  valor.Tamanho = std::max<int16_t>(7, static_cast<int16_t>(fonte.Tamanho - 3));
  valor.Italico = true;
  valor.Negrito = false;
  Fonte conta = fonte;
  conta.Tamanho = static_cast<int16_t>(fonte.Tamanho + 6);
  conta.Negrito = true;
  conta.Italico = false;
  for (int v = 1; v <= 9; ++v) {
    // Columns 1 4 7 / 2 5 8 / 3 6 9, as the square is always drawn.
    const double cx = x + (v - 1) / 3 * celula, cy = y + (v - 1) % 3 * celula;
    s.SetFonte(valor);
    s.CurrentX = cx + 1.2;
    s.CurrentY = cy + 0.8;
    s.Print(std::to_string(v));
    const int n = mapa.Inclusao[static_cast<size_t>(v - 1)];
    if (n == 0) continue;  // a karmic lesson: the cell stays empty
    s.SetFonte(conta);
    const std::string texto = std::to_string(n);
    s.CurrentX = cx + (celula - s.TextWidth(texto)) / 2;
    s.CurrentY = cy + (celula - s.TextHeight(texto)) / 2 + 1;
    s.Print(texto);
  }
}

namespace {

// One composition: the pages in progress and where the next block starts.
class CompositorDeAnalise {
 public:
  CompositorDeAnalise(const ConteudoDaAnalise& conteudo, const GeometriaDaPagina& geometria,
                      Paginador& folhas)
      : conteudo_(conteudo), geometria_(geometria), folhas_(folhas) {}

  int ImprimirAnalise();

 private:
  enum class TipoDePagina { kPrimeira, kSeguinte };
  // Starts a page: header when due, footer and page number. Returns the
  // height the header takes below the top margin, 0 without one.
  double NovaPagina(SuperficieDeDesenho& s, TipoDePagina tipo);
  // The running text's font survives the header and footer of a new page.
  void SalvarFontesTela(const SuperficieDeDesenho& s) { fonteSalva_ = s.FonteAtual(); }
  void RestaurarFontesTela(SuperficieDeDesenho& s) const { s.SetFonte(fonteSalva_); }
  // Lays a text out from posicaoAtual_, going on over new pages until it is done.
  void Bloco(std::string texto);
  void ProximaPagina();
  double Topo() const { return geometria_.margens.Superior; }
  // Whether a block of that height still fits above the bottom limit.
  bool CabeNaPagina(double altura) const;
  // A block in that font, on a new page when its first line would pass the
  // limit, and the gap after it.
  void Paragrafo(const Fonte& fonte, const std::string& texto);
  // A topic or an item of the karmic map: the description when not empty,
  // the title, the text and the separator.
  void Texto(const std::string& descricao, const std::string& titulo,
             const std::string& interpretacao);
  // The karmic map's opening: its description and title, then the square.
  void Quadrado(const BlocoDoRelatorio& bloco);

  static constexpr double kCelula = 16;  // mm, one cell of the square
  static constexpr double kAlturaDoQuadrado = 3 * kCelula;

  const ConteudoDaAnalise& conteudo_;
  const GeometriaDaPagina geometria_;
  Paginador& folhas_;
  SuperficieDeDesenho* superficie_ = nullptr;  // the page being drawn
  int NumeroDaPagina = 0;
  double posicaoAtual_ = 0;  // where the next block starts, below the top margin
  Fonte fonteSalva_;
  Fontes fontes_;
};

double CompositorDeAnalise::NovaPagina(SuperficieDeDesenho& s, TipoDePagina tipo) {
  const double y = s.CurrentY;
  NumeroDaPagina = tipo == TipoDePagina::kPrimeira ? 1 : NumeroDaPagina + 1;
  double reservado = 0;
  if (conteudo_.opcoes.ImprimirCabecalho || NumeroDaPagina == 1) {
    reservado = DesenhaCabecalho(s, conteudo_, geometria_);
  }
  DesenhaRodape(s, conteudo_, geometria_, std::to_string(NumeroDaPagina));
  s.CurrentY = y;
  return reservado;
}

void CompositorDeAnalise::ProximaPagina() {
  SalvarFontesTela(*superficie_);
  superficie_ = &folhas_.NovaFolha();
  posicaoAtual_ = NovaPagina(*superficie_, TipoDePagina::kSeguinte);
  RestaurarFontesTela(*superficie_);
}

void CompositorDeAnalise::Bloco(std::string texto) {
  const Margens& m = geometria_.margens;
  const double x = m.Esquerda + 2;
  const double xDireito = geometria_.Largura - m.Direita - 2;
  while (!ImprimirTextoJustificado(*superficie_, posicaoAtual_ + Topo(), x, xDireito,
                                   geometria_.LimiteInferior, texto)) {
    ProximaPagina();
  }
}

bool CompositorDeAnalise::CabeNaPagina(double altura) const {
  return posicaoAtual_ + Topo() + altura <= geometria_.LimiteInferior;
}

void CompositorDeAnalise::Paragrafo(const Fonte& fonte, const std::string& texto) {
  superficie_->SetFonte(fonte);
  if (!CabeNaPagina(superficie_->TextHeight("Agê"))) ProximaPagina();
  Bloco(texto);
  posicaoAtual_ = superficie_->CurrentY + superficie_->TextHeight("Agê") + 5 - Topo();
}

void CompositorDeAnalise::Texto(const std::string& descricao, const std::string& titulo,
                                const std::string& interpretacao) {
  const Margens& m = geometria_.margens;
  if (!descricao.empty()) {
    superficie_->SetFonte(fontes_.FonteDescricao);
    Bloco(descricao);
    posicaoAtual_ = superficie_->CurrentY + superficie_->TextHeight("Agê") + 5 - Topo();
  }
  Paragrafo(fontes_.FonteTitulo, titulo);
  superficie_->SetFonte(fontes_.FonteTexto);
  if (!CabeNaPagina(superficie_->TextHeight("Agê"))) ProximaPagina();
  Bloco(interpretacao);

  // The separator: 5 mm below the text, on the next page when less than
  // 5 mm would be left above the limit. Its position is absolute here.
  double y = superficie_->CurrentY + superficie_->TextHeight("êGg") + 5;
  if (y + 5 > geometria_.LimiteInferior) {
    ProximaPagina();
    y = posicaoAtual_ + Topo();
  }
  superficie_->PaintPicture(conteudo_.divisoria, m.Esquerda + 40, y,
                            geometria_.Largura - 80 - m.Direita - m.Esquerda, 3);
  posicaoAtual_ = y + 8 - Topo();
}

void CompositorDeAnalise::Quadrado(const BlocoDoRelatorio& bloco) {
  if (!bloco.Descricao.empty()) Paragrafo(fontes_.FonteDescricao, bloco.Descricao);
  Paragrafo(fontes_.FonteTitulo, bloco.Titulo);
  if (!CabeNaPagina(kAlturaDoQuadrado)) ProximaPagina();
  const double x = (geometria_.Largura - 3 * kCelula) / 2;
  DesenhaQuadradoDeInclusao(*superficie_, *bloco.Quadrado, x, posicaoAtual_ + Topo(), kCelula,
                            fontes_.FonteTexto);
  posicaoAtual_ += kAlturaDoQuadrado + 6;
}

int CompositorDeAnalise::ImprimirAnalise() {
  fontes_ = FontesUtilizaveis(conteudo_.fontes, [](const std::string& nome) {
    return QFontDatabase::hasFamily(QString::fromStdString(nome));
  });
  const ProgramOptions& opcoes = conteudo_.opcoes;
  superficie_ = &folhas_.NovaFolha();
  posicaoAtual_ = NovaPagina(*superficie_, TipoDePagina::kPrimeira);

  const std::vector<BlocoDoRelatorio> blocos =
      conteudo_.blocos.empty() ? BlocosDaAnalise(conteudo_.analise, opcoes, conteudo_.ordem)
                               : conteudo_.blocos;
  for (const BlocoDoRelatorio& bloco : blocos) {
    if (bloco.Quadrado) {
      Quadrado(bloco);
    } else {
      Texto(bloco.Descricao, bloco.Titulo, bloco.Texto);
    }
  }
  superficie_ = nullptr;
  return NumeroDaPagina;
}

}  // namespace

int ComporAnalise(const ConteudoDaAnalise& conteudo, const GeometriaDaPagina& geometria,
                  Paginador& folhas) {
  return CompositorDeAnalise(conteudo, geometria, folhas).ImprimirAnalise();
}

}  // namespace cifra
