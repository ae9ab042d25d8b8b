#pragma once
// The analysis as pages: header, footer with the page number, and topic after
// topic its description, title, interpretation and a separator. The screen
// pages, the printer and the PDF all run this one composition; they differ
// only in the page size, the margins and the bottom limit.
#include <optional>
#include <string>
#include <vector>

#include "analysis/analise.h"
#include "library/ordem.h"
#include "figuras.h"
#include "settings/configuracao.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"
#include "superficie.h"

namespace cifra {

// One block of a report other than the analysis (the forecast): an optional
// description, the title and the text, then the separator.
struct BlocoDoRelatorio {
  std::string Descricao;  // nothing drawn when empty
  std::string Titulo;
  std::string Texto;
  // The inclusion square, drawn below the title in place of a text (the
  // karmic map's opening block).
  std::optional<MapaCarmico> Quadrado{};
  friend bool operator==(const BlocoDoRelatorio&, const BlocoDoRelatorio&) = default;
};

// Everything a composition draws, gathered by the caller and copied in, so
// a composition never depends on what the caller keeps alive.
struct ConteudoDaAnalise {
  // The person shown in the header (NomeExibido, DataNascimento) and, for
  // the analysis itself, its topics and karmic map.
  Analise analise;
  ProgramOptions opcoes;
  Fontes fontes;
  LinhasRodape linhas;
  Figura imagemCabecalho;  // see ImagemDoCabecalho
  Figura divisoria;
  // The operator's topic order ("ordem.dat"), used as far as it is valid.
  OrdemDosTopicos ordem = OrdemPadrao();
  // A report other than the analysis: its blocks take the topics' place,
  // and its title the header line's.
  std::vector<BlocoDoRelatorio> blocos{};
  std::string tituloDoRelatorio{};
};

// The header picture: the person's zodiac sign when the option says "[Nulo]",
// otherwise the picture file the operator chose (nothing when it cannot be
// read, and then in *problema the message that says why).
Figura ImagemDoCabecalho(const ProgramOptions& opcoes, const std::string& dataNascimento,
                         const FigurasDaAnalise& figuras, std::string* problema = nullptr);

// What composing this analysis draws with this configuration: the one place
// that gathers it, for the screen, the printer, the PDF and the command line
// alike. A header picture that cannot be read draws nothing, and *problema
// says why.
ConteudoDaAnalise ConteudoDe(const Analise& analise, const Configuracao& configuracao,
                             std::string* problema = nullptr);

struct GeometriaDaPagina {
  double Largura = 0;  // mm
  double Altura = 0;   // mm
  Margens margens;
  double LimiteInferior = 0;  // running text stops here
};

// A screen page: 297 mm high, margins 10, 5, 10, 5, text down to 272.
GeometriaDaPagina GeometriaDaTela(double largura);
// A sheet of paper: its usable size, the operator's margins, and running text
// down to 20 mm above the bottom margin.
GeometriaDaPagina GeometriaDoPapel(double largura, double altura, const Margens& margens);

// Gives the composition the surface of each new page.
class Paginador {
 public:
  virtual ~Paginador() = default;
  // The first call gives page 1; every further call starts a new page.
  virtual SuperficieDeDesenho& NovaFolha() = 0;
};

// "12/08/1978" as "12 de agosto de 1978"; month names are always Portuguese.
// A text that is not a date is given back as it is.
std::string DataPorExtenso(const std::string& ddmmaaaa);

// The title as a page shows it: with ImprimirNumero, topic 26 gets " Letra "
// and its vowel, every other topic " Número " and the number's display form.
std::string TituloNaPagina(const LinhaResultado& linha, int topico, bool imprimirNumero);

// A line in at most largura mm: set a point smaller at a time down to 6
// points (fonte is left at the size used), then cut with "…".
std::string CabeNaLargura(SuperficieDeDesenho& superficie, std::string texto, Fonte& fonte,
                          double largura);

// The footer lines (and the header line) that do not fit the page at their
// own type size, as the operator is told: "A primeira linha do rodapé passa
// 23 mm da largura da página." The footer's room leaves space for a page
// number of three digits; the surface measures with the fonts of the paper.
std::vector<std::string> LinhasQueNaoCabem(SuperficieDeDesenho& superficie,
                                           const LinhasRodape& linhas,
                                           const GeometriaDaPagina& papel);

// The smallest the person's name is set in the header, of its usual size.
inline constexpr double kMenorTipoDoNome = 0.7;

// The person's name in lines of at most largura mm: one line at fonte's size
// when it fits, else a point smaller at a time down to kMenorTipoDoNome of
// it, and at that size broken at its spaces onto as many lines as it needs,
// about as long as each other (a word wider than a line is broken between
// its letters). fonte is left at the size used.
std::vector<std::string> NomeNaLargura(SuperficieDeDesenho& superficie, const std::string& nome,
                                       Fonte& fonte, double largura);

// The page header: a rule, the picture, the header line, the person's name
// and date of birth, in the band above the running text. Returns the height
// it takes below the top margin: 27 mm, and more when the name takes more
// than one line.
double DesenhaCabecalho(SuperficieDeDesenho& superficie, const ConteudoDaAnalise& conteudo,
                        const GeometriaDaPagina& geometria);
// The footer: a rule, the two footer lines and the page number, which a
// number "0" leaves out. The surface's CurrentY is kept.
void DesenhaRodape(SuperficieDeDesenho& superficie, const ConteudoDaAnalise& conteudo,
                   const GeometriaDaPagina& geometria, const std::string& numero);

// The analysis as blocks, as the pages show it: each shown topic in the
// operator's order (its description when shown, its title with the number
// when asked for), then the karmic map when the options include it.
std::vector<BlocoDoRelatorio> BlocosDaAnalise(const Analise& analise, const ProgramOptions& opcoes,
                                              const OrdemDosTopicos& ordem);

// The inclusion table as the classic square, celula mm a side per cell,
// its top left corner at (x, y): columns 1 4 7 / 2 5 8 / 3 6 9, each cell
// with its value small in the corner and its count large in the middle; a
// value no letter has (a karmic lesson) leaves its cell empty. The pages
// and the chart draw it alike.
void DesenhaQuadradoDeInclusao(SuperficieDeDesenho& superficie, const MapaCarmico& mapa,
                               double x, double y, double celula, const Fonte& fonte);

// Composes every shown topic, in the operator's order, and then the karmic
// map when the options include it, onto as many pages as they need: each
// page gets the header when due (the first page always), the footer and its
// number, then the running text down to the bottom limit. The pages come from folhas, one NovaFolha() per page break.
// Returns the number of pages.
int ComporAnalise(const ConteudoDaAnalise& conteudo, const GeometriaDaPagina& geometria,
                  Paginador& folhas);

}  // namespace cifra
