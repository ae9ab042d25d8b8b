#include "documento.h"

#include <algorithm>
#include <array>

namespace cifra {

DocumentoDaAnalise::DocumentoDaAnalise(PessoaAnalisada pessoa, Analise analise,
                                       PaginasDaTela paginas)
    : pessoa_(std::move(pessoa)),
      analise_(std::move(analise)),
      paginas_(std::move(paginas)),
      posicoes_(paginas_.picFolha.size()) {}

DocumentoDaAnalise::DocumentoDaAnalise(PessoaAnalisada pessoa, Previsao previsao,
                                       PaginasDaTela paginas)
    : pessoa_(std::move(pessoa)),
      previsao_(std::move(previsao)),
      paginas_(std::move(paginas)),
      posicoes_(paginas_.picFolha.size()) {}

DocumentoDaAnalise::DocumentoDaAnalise(PessoaAnalisada primeira, PessoaAnalisada segunda,
                                       Compatibilidade compatibilidade, PaginasDaTela paginas)
    : pessoa_(std::move(primeira)),
      segunda_(std::move(segunda)),
      compatibilidade_(std::move(compatibilidade)),
      paginas_(std::move(paginas)),
      posicoes_(paginas_.picFolha.size()) {}

void DocumentoDaAnalise::Substitui(Analise analise, PaginasDaTela paginas) {
  analise_ = std::move(analise);
  previsao_.reset();
  compatibilidade_.reset();
  NovasPaginas(std::move(paginas));
}

void DocumentoDaAnalise::Substitui(Previsao previsao, PaginasDaTela paginas) {
  analise_ = Analise{};
  previsao_ = std::move(previsao);
  compatibilidade_.reset();
  NovasPaginas(std::move(paginas));
}

void DocumentoDaAnalise::Substitui(Compatibilidade compatibilidade, PaginasDaTela paginas) {
  analise_ = Analise{};
  previsao_.reset();
  compatibilidade_ = std::move(compatibilidade);
  NovasPaginas(std::move(paginas));
}

void DocumentoDaAnalise::NovasPaginas(PaginasDaTela paginas) {
  paginas_ = std::move(paginas);
  posicoes_.resize(paginas_.picFolha.size());
  atual_ = std::min(atual_, TotalDePaginas());
  const auto observadores = observadores_;
  for (ObservadorDoDocumento* o : observadores) o->ConteudoMudou();
}

const FolhaDaTela& DocumentoDaAnalise::Folha(int pagina) const {
  static const FolhaDaTela vazia;
  if (pagina < 1 || pagina > TotalDePaginas()) return vazia;
  return paginas_.picFolha[static_cast<size_t>(pagina - 1)];
}

bool DocumentoDaAnalise::ExibePagina(int pagina) {
  if (pagina < 1 || pagina > TotalDePaginas() || pagina == atual_) return false;
  const int anterior = atual_;
  atual_ = pagina;
  // A copy: an observer may stop observing while it is told.
  const auto observadores = observadores_;
  for (ObservadorDoDocumento* o : observadores) o->PaginaAtualMudou(anterior, atual_);
  return true;
}

PosicaoNaPagina DocumentoDaAnalise::Posicao(int pagina) const {
  if (pagina < 1 || pagina > TotalDePaginas()) return {};
  return posicoes_[static_cast<size_t>(pagina - 1)];
}

void DocumentoDaAnalise::GuardaPosicao(int pagina, PosicaoNaPagina posicao) {
  if (pagina < 1 || pagina > TotalDePaginas()) return;
  posicoes_[static_cast<size_t>(pagina - 1)] = posicao;
}

void DocumentoDaAnalise::AdicionaObservador(ObservadorDoDocumento* observador) {
  if (std::find(observadores_.begin(), observadores_.end(), observador) == observadores_.end()) {
    observadores_.push_back(observador);
  }
}

void DocumentoDaAnalise::RemoveObservador(ObservadorDoDocumento* observador) {
  std::erase(observadores_, observador);
}

std::string TextoDeNavegacao(int pagina, int total) {
  return "Navegando: Página " + std::to_string(pagina) + " de " + std::to_string(total);
}

double ZoomQuePreencheLargura(int larguraDaVistaEmPixels, double pixelsPorMm, int margemEmPixels) {
  const double util = std::max(1, larguraDaVistaEmPixels - 2 * margemEmPixels);
  return std::clamp(util / (kLarguraDaFolhaNaTela * pixelsPorMm), kZoomMinimo, kZoomMaximo);
}

double ZoomVizinho(double zoom, int passos) {
  static constexpr std::array kPassos = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 0.9, 1.0, 1.1,
                                         1.25, 1.5,     1.75, 2.0,   2.5,  3.0, 4.0, 5.0};
  constexpr double kFolga = 1e-3;  // a zoom this close to a step counts as on it
  for (; passos > 0; --passos) {
    const auto p = std::find_if(kPassos.begin(), kPassos.end(),
                                [&](double z) { return z > zoom + kFolga; });
    zoom = p == kPassos.end() ? kPassos.back() : *p;
  }
  for (; passos < 0; ++passos) {
    const auto p = std::find_if(kPassos.rbegin(), kPassos.rend(),
                                [&](double z) { return z < zoom - kFolga; });
    zoom = p == kPassos.rend() ? kPassos.front() : *p;
  }
  return std::clamp(zoom, kZoomMinimo, kZoomMaximo);
}

}  // namespace cifra
