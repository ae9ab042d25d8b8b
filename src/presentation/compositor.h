#pragma once
// The analysis as pages: header, footer with the page number, and topic after
// topic its description, title, interpretation and a separator. The screen
// pages, the printer and the PDF all run this one composition; they differ
// only in the page size, the margins and the bottom limit.
#include <string>

#include "analysis/analise.h"
#include "figuras.h"
#include "printing/margens.h"
#include "settings/fontes.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"
#include "superficie.h"

namespace cifra {

// Everything a composition draws, gathered by the caller.
struct ConteudoDaAnalise {
  const Analise& analise;
  const ProgramOptions& opcoes;
  const Fontes& fontes;
  const LinhasRodape& linhas;
  Figura imagemCabecalho;  // see ImagemDoCabecalho
  Figura divisoria;
};

// The header picture: the person's zodiac sign when the option says "[Nulo]",
// otherwise the picture file the operator chose (nothing when it cannot be read).
Figura ImagemDoCabecalho(const ProgramOptions& opcoes, const std::string& dataNascimento,
                         const FigurasDaAnalise& figuras);

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

class CompositorDeAnalise {
 public:
  CompositorDeAnalise(const ConteudoDaAnalise& conteudo, const GeometriaDaPagina& geometria);

  // Composes every shown topic, in topic-number order, onto as many pages as
  // they need; returns the number of pages.
  int ImprimirAnalise(Paginador& paginas);

  // Starts a page (Tipo 1 the first, 2 a further one): header when due,
  // footer and page number. Returns the height the header takes, 27 or 0.
  double NovaPagina(SuperficieDeDesenho& s, double Largura, double Altura, int Tipo);
  void DesenhaCabecalho(SuperficieDeDesenho& s, double largura);
  void DesenhaRodape(SuperficieDeDesenho& s, double largura, double altura,
                     const std::string& numero);
  void SalvarFontesTela(const SuperficieDeDesenho& s);
  void RestaurarFontesTela(SuperficieDeDesenho& s) const;

  int NumeroDaPagina = 0;

 private:
  // Lays a text out from PosicaoAtual, going on over new pages until it is done.
  void Bloco(std::string texto);
  void ProximaPagina();
  double Topo() const { return geometria_.margens.Superior; }

  const ConteudoDaAnalise& conteudo_;
  GeometriaDaPagina geometria_;
  Paginador* paginas_ = nullptr;
  SuperficieDeDesenho* superficie_ = nullptr;
  int totalDePaginas_ = 0;
  double posicaoAtual_ = 0;  // where the next block starts, below the top margin
  Fonte fonteSalva_;
};

}  // namespace cifra
