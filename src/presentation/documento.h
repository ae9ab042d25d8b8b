#pragma once
// One report on screen, without any window: an analysis, a forecast or the
// compatibility of two people. The
// document owns what it shows (a value, built once for the person), the
// pages composed from it, the page shown and where each page was left
// scrolled. Printing, the PDF and the exports take the report from the
// document in front; whatever shows the pages or the page number (the page
// view, the main window's navigation bar) observes the document and follows
// its changes.
#include <optional>
#include <string>
#include <vector>

#include "analysis/analise.h"
#include "analysis/compatibilidade.h"
#include "analysis/previsao.h"
#include "analysis/pedido.h"
#include "tela.h"

namespace cifra {

class ObservadorDoDocumento {
 public:
  virtual ~ObservadorDoDocumento() = default;
  // The page shown changed from anterior to atual (1-based; anterior is 0
  // when the document shows its first page for the first time).
  virtual void PaginaAtualMudou(int anterior, int atual) = 0;
  // The analysis and its pages were built again (the configuration changed).
  virtual void ConteudoMudou() {}
};

// Where a page was left: the point of the page (mm) at the top-left corner
// of the view; kept in millimetres so that it survives a change of zoom.
struct PosicaoNaPagina {
  double x = 0;
  double y = 0;
  friend bool operator==(const PosicaoNaPagina&, const PosicaoNaPagina&) = default;
};

class DocumentoDaAnalise {
 public:
  DocumentoDaAnalise(PessoaAnalisada pessoa, Analise analise, PaginasDaTela paginas);
  // A forecast: the document keeps its years, so that it is built again as
  // the same forecast when the configuration changes.
  DocumentoDaAnalise(PessoaAnalisada pessoa, Previsao previsao, PaginasDaTela paginas);
  // A compatibility: the document keeps both people, so that it is built
  // again as the compatibility of the same two when the configuration changes.
  DocumentoDaAnalise(PessoaAnalisada primeira, PessoaAnalisada segunda,
                     Compatibilidade compatibilidade, PaginasDaTela paginas);
  DocumentoDaAnalise(const DocumentoDaAnalise&) = delete;
  DocumentoDaAnalise& operator=(const DocumentoDaAnalise&) = delete;

  const PaginasDaTela& Paginas() const { return paginas_; }
  const FolhaDaTela& Folha(int pagina) const;  // 1-based
  // The person as the request accepted it, and the analysis built for it:
  // what printing, the PDF, the clipboard and the formula editor's sample use.
  // A forecast's document holds no analysis (an empty one).
  const PessoaAnalisada& Pessoa() const { return pessoa_; }
  const Analise& Resultado() const { return analise_; }
  // The forecast this document shows, or nullptr when it shows an analysis.
  const Previsao* ComoPrevisao() const { return previsao_ ? &*previsao_ : nullptr; }
  // The compatibility this document shows, or nullptr; Pessoa() is then the
  // first of the two people and SegundaPessoa() the other.
  const Compatibilidade* ComoCompatibilidade() const {
    return compatibilidade_ ? &*compatibilidade_ : nullptr;
  }
  const PessoaAnalisada& SegundaPessoa() const { return segunda_; }

  // The report built again for the same person and its new pages: the
  // page shown and the places kept stay as far as there are pages, and
  // observers hear ConteudoMudou. An analysis replaces an analysis, a
  // forecast a forecast, a compatibility a compatibility.
  void Substitui(Analise analise, PaginasDaTela paginas);
  void Substitui(Previsao previsao, PaginasDaTela paginas);
  void Substitui(Compatibilidade compatibilidade, PaginasDaTela paginas);

  int PaginaExibida() const { return atual_; }  // 0 before the first ExibePagina
  int TotalDePaginas() const { return static_cast<int>(paginas_.picFolha.size()); }

  // Shows a page; outside 1..TotalDePaginas, or the page already shown,
  // nothing happens and false is returned. Observers hear of every change.
  bool ExibePagina(int pagina);
  bool Avanca() { return ExibePagina(atual_ + 1); }
  bool Volta() { return ExibePagina(atual_ - 1); }

  // Scroll position of each page, remembered by the view before it leaves
  // the page; a page not yet shown is at its top-left corner.
  PosicaoNaPagina Posicao(int pagina) const;
  void GuardaPosicao(int pagina, PosicaoNaPagina posicao);

  void AdicionaObservador(ObservadorDoDocumento* observador);
  void RemoveObservador(ObservadorDoDocumento* observador);

 private:
  void NovasPaginas(PaginasDaTela paginas);

  PessoaAnalisada pessoa_;
  Analise analise_;
  std::optional<Previsao> previsao_;
  PessoaAnalisada segunda_;
  std::optional<Compatibilidade> compatibilidade_;
  PaginasDaTela paginas_;
  int atual_ = 0;
  std::vector<PosicaoNaPagina> posicoes_;
  std::vector<ObservadorDoDocumento*> observadores_;
};

// "Navegando: Página 2 de 5".
std::string TextoDeNavegacao(int pagina, int total);
inline constexpr const char* kConviteParaAnalise =
    "Para obter a sua análise clique no primeiro botão !";

// Zoom of a page view: the factor over the page's real size on the screen
// (1 = a millimetre is a millimetre at the screen's resolution).
inline constexpr double kZoomMinimo = 0.25;
inline constexpr double kZoomMaximo = 5.0;
// The zoom at which the page width, with a margin each side, fills the view.
double ZoomQuePreencheLargura(int larguraDaVistaEmPixels, double pixelsPorMm, int margemEmPixels);
// One step up (passos > 0) or down along 25 %, 33 %, 50 %, 67 %, 75 %, 90 %,
// 100 %, 110 %, 125 %, 150 %, 175 %, 200 %, 250 %, 300 %, 400 %, 500 %; from a
// zoom between two steps the next step in that direction.
double ZoomVizinho(double zoom, int passos);

}  // namespace cifra
