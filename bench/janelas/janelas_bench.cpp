// What the operator waits for: the program's start until the main window is
// on screen (on a first start and on an installed folder), an analysis made
// into its viewer, a page turned and a page scrolled (each one painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "janelas/frm_exibe_relatorio.h"
#include "janelas/frm_principal.h"

namespace {

namespace fs = std::filesystem;
using cifra::frmExibeRelatorio;
using cifra::frmPrincipal;
using cifra::VistaDaFolha;

fs::path Raiz() {
  static const fs::path raiz = [] {
    auto r = fs::temp_directory_path() / "cifra-bench-janelas";
    fs::remove_all(r);
    fs::create_directories(r);
    return r;
  }();
  return raiz;
}

void GarantaAplicacao() {
  static std::unique_ptr<QApplication> app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "bench_janelas";
    static char* argv[] = {nome, nullptr};
    auto a = std::make_unique<QApplication>(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((Raiz() / "config").string()));
    return a;
  }();
}

void Partida(benchmark::State& state, bool pastaVazia) {
  GarantaAplicacao();
  const fs::path pasta = Raiz() / "partida";
  for (auto _ : state) {
    if (pastaVazia) {
      state.PauseTiming();
      fs::remove_all(pasta);
      state.ResumeTiming();
    }
    auto janela = std::make_unique<frmPrincipal>(pasta.string());
    janela->Inicia();
    if (!QTest::qWaitForWindowExposed(janela.get())) state.SkipWithError("janela não exibida");
    state.PauseTiming();
    janela->close();
    janela.reset();
    state.ResumeTiming();
  }
}

void BM_PartidaPrimeiraVez(benchmark::State& state) { Partida(state, true); }
void BM_PartidaPastaInstalada(benchmark::State& state) { Partida(state, false); }

// The main window with an analysis of all thirty topics open, fitted to a
// 1280 x 800 window.
struct JanelaComAnalise {
  std::unique_ptr<frmPrincipal> janela;
  frmExibeRelatorio* exibidor = nullptr;
  JanelaComAnalise() {
    GarantaAplicacao();
    janela = std::make_unique<frmPrincipal>((Raiz() / "analise").string());
    janela->Configuracao().opcoes.TopicoAtivo.fill(true);
    janela->Configuracao().opcoes.EscutarSons = false;
    janela->Inicia();
    janela->resize(1280, 800);
    if (!QTest::qWaitForWindowExposed(janela.get())) std::abort();
    exibidor = janela->CriaAnalise({U"MARIA DA CONCEICAO DOS SANTOS", {12, 8, 1978}});
    QApplication::processEvents();
  }
};

JanelaComAnalise& Analise() {
  static JanelaComAnalise a;
  return a;
}

void BM_CriarAnalise(benchmark::State& state) {
  JanelaComAnalise& a = Analise();
  for (auto _ : state) {
    frmExibeRelatorio* e = a.janela->CriaAnalise({U"JOAO PEDRO ARAUJO", {5, 3, 1980}});
    e->Vista().viewport()->repaint();
    state.PauseTiming();
    e->parentWidget()->close();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_VirarPagina(benchmark::State& state) {
  JanelaComAnalise& a = Analise();
  frmExibeRelatorio& e = *a.exibidor;
  if (state.range(0) == 0) {
    e.Vista().AjustaLargura();
  } else {
    e.Vista().DefineZoom(state.range(0) / 100.0);
  }
  const int total = e.TotalDePaginas();
  int pagina = 1;
  for (auto _ : state) {
    pagina = pagina % total + 1;
    e.ExibePagina(pagina);
    e.Vista().viewport()->repaint();
  }
  state.counters["paginas"] = total;
  e.Vista().AjustaLargura();
}

void BM_RolarPagina(benchmark::State& state) {
  JanelaComAnalise& a = Analise();
  VistaDaFolha& v = a.exibidor->Vista();
  if (state.range(0) == 0) {
    v.AjustaLargura();
  } else {
    v.DefineZoom(state.range(0) / 100.0);
  }
  QScrollBar* barra = v.verticalScrollBar();
  int passo = barra->singleStep();
  for (auto _ : state) {
    if (barra->value() + passo > barra->maximum() || barra->value() + passo < 0) passo = -passo;
    barra->setValue(barra->value() + passo);
    v.viewport()->repaint();
  }
  v.AjustaLargura();
}

BENCHMARK(BM_PartidaPrimeiraVez)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PartidaPastaInstalada)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CriarAnalise)->Unit(benchmark::kMillisecond)->Iterations(10);
// 0 stands for the page width fitted to the window; 200 and 400 are zooms (%).
BENCHMARK(BM_VirarPagina)->Arg(0)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RolarPagina)->Arg(0)->Arg(400)->Unit(benchmark::kMicrosecond);

}  // namespace
