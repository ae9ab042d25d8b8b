// The client register with a large file: the window opened until it is on
// screen, and one keystroke in its filter. A program of its own, so that the
// peak memory it reports is the register's and not another window's.
//
//   QT_QPA_PLATFORM=offscreen build/bench/janelas/bench_cadastro
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "janelas/frm_cadastro.h"
#include "library/windows1252.h"

namespace {

namespace fs = std::filesystem;

void GarantaAplicacao() {
  static std::unique_ptr<QApplication> app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "bench_cadastro";
    static char* argv[] = {nome, nullptr};
    return std::make_unique<QApplication>(argc, argv);
  }();
}

// A folder whose register holds n random clients, written once per n as the
// register keeps them: 337-byte records, Windows-1252, blank-padded.
fs::path PastaCom(int n) {
  static std::map<int, fs::path> feitas;
  if (auto f = feitas.find(n); f != feitas.end()) return f->second;
  const fs::path pasta = fs::temp_directory_path() / ("cifra-bench-cadastro-" + std::to_string(n));
  fs::remove_all(pasta);
  fs::create_directories(pasta);
  static const char* const kNomes[] = {"Maria", "José", "Ana", "JOÃO", "Antônio", "Francisca",
                                       "Conceição", "Paulo", "Lúcia", "Helga", "Raimundo", "Inês"};
  static const char* const kSobrenomes[] = {"Silva", "Santos", "Müller", "Souza", "Araújo",
                                            "FERREIRA", "Gonçalves", "Pereira", "Lima", "Brandão"};
  std::mt19937 sorte(7);
  const auto um = [&](const auto& lista) { return lista[sorte() % std::size(lista)]; };
  const auto campo = [](const std::string& utf8, size_t largura) {
    std::string b = cifra::ParaWindows1252(utf8);
    b.resize(largura, ' ');
    return b;
  };
  std::ofstream f(pasta / "caduser.dat", std::ios::binary);
  for (int i = 0; i < n; ++i) {
    const std::string nome = std::string(um(kNomes)) + " " + um(kSobrenomes) + " " +
                             um(kSobrenomes) + " " + std::to_string(i);
    const std::string data = std::to_string(10 + sorte() % 18) + "/0" +
                             std::to_string(1 + sorte() % 9) + "/" + std::to_string(1930 + sorte() % 80);
    f << campo(nome, 100) << campo("Rua " + std::to_string(i), 150) << campo("Recife - PE", 50)
      << campo("50000-000", 10) << campo("(81) 3333-4444", 15) << campo(data, 10) << "  ";
  }
  return feitas[n] = pasta;
}

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
double MegabytesDe(const std::string& linha) {
  std::ifstream status("/proc/self/status");
  std::string chave;
  double kb = 0;
  while (status >> chave) {
    if (chave == linha + ":") {
      status >> kb;
      return kb / 1024.0;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

// The peak resident memory starts again from what the process holds now.
void RecomecaPico() { std::ofstream("/proc/self/clear_refs") << "5"; }

std::unique_ptr<cifra::frmCadastro> AbreJanela(const fs::path& pasta) {
  auto janela = std::make_unique<cifra::frmCadastro>(cifra::PastaDeDados(pasta));
  janela->show();
  if (!QTest::qWaitForWindowExposed(janela.get())) std::abort();
  return janela;
}

// From nothing to the window on screen with its first client shown; the
// memory is the whole process's peak meanwhile, and what it grew by.
void BM_AbreCadastro(benchmark::State& state) {
  GarantaAplicacao();
  const fs::path pasta = PastaCom(static_cast<int>(state.range(0)));
  double pico = 0, acrescimo = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const double antes = MegabytesDe("VmRSS");
    RecomecaPico();
    state.ResumeTiming();
    auto janela = AbreJanela(pasta);
    state.PauseTiming();
    pico = std::max(pico, MegabytesDe("VmHWM"));
    acrescimo = std::max(acrescimo, MegabytesDe("VmHWM") - antes);
    janela.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["pico_MB"] = pico;
  state.counters["acrescimo_MB"] = acrescimo;
}

// One keystroke in the filter, until the list and the boxes show its result:
// an "a" typed on an empty filter (nearly every client matches), or the
// Backspace that brings the whole register back.
void BM_TeclaNoFiltro(benchmark::State& state) {
  GarantaAplicacao();
  auto janela = AbreJanela(PastaCom(static_cast<int>(state.range(0))));
  auto* filtro = janela->findChild<QLineEdit*>(QStringLiteral("txtFiltro"));
  auto* combo = janela->findChild<QComboBox*>(QStringLiteral("cmbClientes"));
  const bool apaga = state.range(1) != 0;
  filtro->setFocus();
  int mostrados = 0;
  for (auto _ : state) {
    if (apaga) {
      state.PauseTiming();
      QTest::keyClick(filtro, Qt::Key_A);
      state.ResumeTiming();
      QTest::keyClick(filtro, Qt::Key_Backspace);
    } else {
      QTest::keyClick(filtro, Qt::Key_A);
    }
    QApplication::processEvents();
    state.PauseTiming();
    mostrados = combo->count();
    if (!apaga) QTest::keyClick(filtro, Qt::Key_Backspace);
    state.ResumeTiming();
  }
  state.counters["mostrados"] = mostrados;
}

// The combo's list opened over the register (every name a row) and closed.
void BM_AbreLista(benchmark::State& state) {
  GarantaAplicacao();
  auto janela = AbreJanela(PastaCom(static_cast<int>(state.range(0))));
  auto* combo = janela->findChild<QComboBox*>(QStringLiteral("cmbClientes"));
  for (auto _ : state) {
    combo->showPopup();
    QApplication::processEvents();
    state.PauseTiming();
    combo->hidePopup();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

// 100,000 is the size the window is made for; a million is the most the
// register reads.
BENCHMARK(BM_AbreCadastro)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TeclaNoFiltro)
    ->ArgsProduct({{100'000, 1'000'000}, {0, 1}})
    ->ArgNames({"clientes", "apaga"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_AbreLista)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
