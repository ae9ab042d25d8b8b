// What composing costs: a real analysis with all thirty topics on and the
// default texts, into screen pages, into a PDF, and a page into an image.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <memory>

#include "presentation/tela.h"
#include "presentation/texto_justificado.h"
#include "printing/impressao.h"
#include "settings/configuracao.h"

namespace {

using namespace cifra;

void GarantaAplicacao() {
  static std::unique_ptr<QGuiApplication> app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "bench_apresentacao";
    static char* argv[] = {nome, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

struct AnaliseCompleta {
  Configuracao estado;
  std::unique_ptr<ConteudoDaAnalise> conteudo;

  AnaliseCompleta() : estado(CarregarConfiguracao(Pasta())) {
    estado.opcoes.TopicoAtivo.fill(true);
    conteudo = std::make_unique<ConteudoDaAnalise>(ConteudoDe(
        MontaAnalise({U"MARIA DA CONCEICAO DOS SANTOS", {12, 8, 1978}}, {6, 12, 2026},
                     estado.opcoes, estado.titulos, estado.pasta),
        estado));
  }
  static std::string Pasta() {
    const auto raiz = std::filesystem::temp_directory_path() / "cifra-bench-apresentacao";
    std::filesystem::remove_all(raiz);
    return raiz.string();
  }
};

const AnaliseCompleta& Analise30() {
  GarantaAplicacao();
  static const AnaliseCompleta a;
  return a;
}

void BM_ComporTelas(benchmark::State& state) {
  const auto& a = Analise30();
  size_t paginas = 0;
  for (auto _ : state) {
    const PaginasDaTela p = ImprimirAnaliseNoMonitor(*a.conteudo);
    paginas = p.picFolha.size();
    benchmark::DoNotOptimize(p.picFolha.data());
  }
  state.counters["paginas"] = static_cast<double>(paginas);
}
BENCHMARK(BM_ComporTelas)->Unit(benchmark::kMillisecond);

void BM_ComporPdf(benchmark::State& state) {
  const auto& a = Analise30();
  int paginas = 0;
  size_t bytes = 0;
  for (auto _ : state) {
    QBuffer saida;
    saida.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&saida);
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                  QPageLayout::Millimeter));
    paginas = ImprimirNoDispositivo(pdf, *a.conteudo, {Margens{}, state.range(0) != 0, true});
    bytes = static_cast<size_t>(saida.size());
  }
  state.counters["paginas"] = paginas;
  state.counters["KB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_ComporPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ImagemDaPagina(benchmark::State& state) {
  const auto& a = Analise30();
  const PaginasDaTela p = ImprimirAnaliseNoMonitor(*a.conteudo);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImagemDaPagina(p, 1, static_cast<double>(state.range(0))).bits());
  }
}
BENCHMARK(BM_ImagemDaPagina)->Arg(4)->Unit(benchmark::kMillisecond);

// Every screen page as a PNG image at 4 pixels per millimetre, as the command
// line writes them (into memory here, so the disk does not count).
void BM_PaginasPng(benchmark::State& state) {
  const auto& a = Analise30();
  const PaginasDaTela p = ImprimirAnaliseNoMonitor(*a.conteudo);
  const int paginas = static_cast<int>(p.picFolha.size());
  qint64 bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (int pagina = 1; pagina <= paginas; ++pagina) {
      QBuffer saida;
      saida.open(QIODevice::WriteOnly);
      if (!GravaPaginaPng(p, pagina, 4, saida)) state.SkipWithError("PNG not written");
      bytes += saida.size();
    }
  }
  state.counters["paginas"] = paginas;
  state.counters["KB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_PaginasPng)->Unit(benchmark::kMillisecond);

// The longest text of the analysis laid out on a new screen page, with no
// limit; the widths are known from the first time, as in a running program.
void BM_TextoJustificado(benchmark::State& state) {
  const auto& a = Analise30();
  std::string longo;
  for (int t = 1; t <= 30; ++t) {
    const auto& texto = a.conteudo->analise.ResultadoAnalise[t].Interpretacao;
    if (texto.size() > longo.size()) longo = texto;
  }
  for (auto _ : state) {
    FolhaDaTela folha;
    SuperficieDaTela s(folha, 190, 297);
    s.SetFonte(a.estado.fontes.FonteTexto);
    std::string texto = longo;
    benchmark::DoNotOptimize(ImprimirTextoJustificado(s, 10, 12, 178, 1e9, texto));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * longo.size()));
}
BENCHMARK(BM_TextoJustificado)->Unit(benchmark::kMicrosecond);

}  // namespace
