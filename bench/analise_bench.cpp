// How long one analysis takes to build: thirty topics, each text read from
// its file (every read opens and closes the file, as the builder does).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/analise.h"
#include "analysis/compatibilidade.h"
#include "analysis/previsao.h"
#include "engine/numeros_data.h"
#include "library/interpretacoes.h"
#include "library/padroes.h"

namespace {

void BM_MontaAnalise(benchmark::State& state) {
  const auto raiz = std::filesystem::temp_directory_path() / "cifra-bench-analise";
  std::filesystem::remove_all(raiz);
  const cifra::PastaDeDados pasta(raiz);
  cifra::InstalarPadroes(pasta);
  cifra::ProgramOptions opcoes;
  opcoes.NumerosMagicos = state.range(0) != 0;
  const cifra::TitulosDosTopicos titulos = cifra::LerTitulos(pasta);
  const cifra::PessoaAnalisada pessoa{U"MARIA DA CONCEICAO DOS SANTOS", {12, 8, 1978}};
  for (auto _ : state) {
    cifra::Analise analise = cifra::MontaAnalise(pessoa, {6, 12, 2026}, opcoes, titulos, pasta);
    benchmark::DoNotOptimize(analise);
  }
  std::filesystem::remove_all(raiz);
}
BENCHMARK(BM_MontaAnalise)->Arg(0)->Arg(1);

// What saving one text costs: the file (90 records of 5120 bytes, as the
// interpretation files) is written aside, synced and renamed over the old one.
void BM_GravaRegistroDeTexto(benchmark::State& state) {
  const auto raiz = std::filesystem::temp_directory_path() / "cifra-bench-gravacao";
  std::filesystem::remove_all(raiz);
  const cifra::PastaDeDados pasta(raiz);
  cifra::GravarRegistroDeTexto(pasta, "CVIDA.DAT", 90, "fim");
  int registro = 1;
  for (auto _ : state) {
    cifra::GravarRegistroDeTexto(pasta, "CVIDA.DAT", registro, "Um texto de uma interpretação.");
    registro = registro % 89 + 1;
  }
  std::filesystem::remove_all(raiz);
}
BENCHMARK(BM_GravaRegistroDeTexto)->Unit(benchmark::kMillisecond);

void BM_NumerosDaData(benchmark::State& state) {
  int dia = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        cifra::CalculaNumerosDaData({dia, 8, 1978}, {6, 12, 2026}, {true, true}));
    dia = dia % 28 + 1;
  }
}
BENCHMARK(BM_NumerosDaData);

// The harmonisation table after a keystroke: every candidate name evaluated
// again (the request's checks, the numbers, the karmic map) and sorted. Goal:
// 50 names within one frame, 16 ms.
void BM_AvaliaNomes(benchmark::State& state) {
  std::vector<std::string> nomes;
  for (int i = 0; i < state.range(0); ++i) {
    nomes.push_back("Maria Conceição dos Santos Ávila " + std::string(1, static_cast<char>('A' + i % 26)));
  }
  const cifra::ProgramOptions opcoes;
  for (auto _ : state) {
    auto avaliados = cifra::AvaliaNomes({12, 8, 1978}, nomes, opcoes, {6, 12, 2026});
    benchmark::DoNotOptimize(avaliados);
  }
}
BENCHMARK(BM_AvaliaNomes)->Arg(50)->Unit(benchmark::kMicrosecond);

// One forecast of two years with every text read from the library.
void BM_MontaPrevisao(benchmark::State& state) {
  const auto raiz = std::filesystem::temp_directory_path() / "cifra-bench-previsao";
  std::filesystem::remove_all(raiz);
  const cifra::PastaDeDados pasta(raiz);
  cifra::InstalarPadroes(pasta);
  const cifra::ProgramOptions opcoes;
  for (auto _ : state) {
    auto p = cifra::MontaPrevisao({U"MARIA DA SILVA", {12, 8, 1978}}, 2027, 2028, opcoes, pasta);
    benchmark::DoNotOptimize(p);
  }
  std::filesystem::remove_all(raiz);
}
BENCHMARK(BM_MontaPrevisao)->Unit(benchmark::kMillisecond);

}  // namespace
