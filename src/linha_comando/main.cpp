// Entry of the program: `cifralumina analise ...` runs on the command line,
// anything else opens the main window, which is a program of its own (see
// AbreAsJanelas).
#include <QCoreApplication>
#include <QGuiApplication>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <algorithm>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "linha_comando.h"

namespace {

// Pages are drawn with fonts, which need the graphics platform; without a
// display the command line draws offscreen.
void PreparaPlataformaSemTela() {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

// The windows live in `cifralumina-janelas`, beside this program in the build
// folder and under libexec once installed, so that a command-line run never
// loads the window, printing and sound libraries. This process becomes that
// program, with the same arguments.
int AbreAsJanelas(char** argv) {
  std::error_code erro;
  const auto estePrograma = std::filesystem::read_symlink("/proc/self/exe", erro);
  const auto pasta = estePrograma.parent_path();
  for (const auto& candidato : {pasta / "cifralumina-janelas", pasta / CIFRA_JANELAS_INSTALADAS}) {
    if (access(candidato.c_str(), X_OK) == 0) {
      execv(candidato.c_str(), argv);
      std::cerr << "Não foi possível abrir as janelas do programa (" << candidato.string()
                << "): " << std::strerror(errno) << "\n";
      return 1;
    }
  }
  std::cerr << "Não foi possível abrir as janelas do programa: \"cifralumina-janelas\" não está "
               "instalado junto de \""
            << estePrograma.string() << "\". Reinstale o Cifralumina.\n";
  return 1;
}

// A PDF run touches some 20 MB of heap a few kilobytes at a time, and every
// first touch of a 4 KB page is a trap into the kernel (dear on a virtual
// machine) and one more entry for the TLB. So the heap grows now, in one
// step, and the kernel is asked to back it with 2 MB pages where it can: a
// thousand traps fewer for a PDF of the analysis, the memory's address
// translation mostly cached: a tenth of the run's processor time, for some
// 14 MB more resident memory. Where huge pages are off, or malloc is not
// glibc's heap (the sanitizers' builds), nothing changes.
void PreparaHeap() {
  constexpr size_t kPasso = 32 << 20;
  constexpr uintptr_t kPaginaGrande = 2 << 20;
  mallopt(M_TOP_PAD, kPasso);
  const auto antes = reinterpret_cast<uintptr_t>(sbrk(0));
  // Allocated and freed, the block stays in the heap (the trim threshold is
  // higher); volatile, or the compiler drops the pair.
  void* volatile bloco = std::malloc(kPasso / 2);
  std::free(bloco);
  const auto depois = reinterpret_cast<uintptr_t>(sbrk(0));
  const uintptr_t inicio = (antes + kPaginaGrande - 1) & ~(kPaginaGrande - 1);
  const uintptr_t fim = depois & ~(kPaginaGrande - 1);
  if (fim > inicio) madvise(reinterpret_cast<void*>(inicio), fim - inicio, MADV_HUGEPAGE);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setOrganizationName("Cifralumina");
  QCoreApplication::setApplicationName("Cifralumina");
  // --help and --version never open a window; Qt's messages go through our handler.
  if (const auto status = cifra::AtendeAntesDasJanelas(argc, argv, std::cout, std::cerr)) return *status;
  const std::string comando = argc < 2 ? std::string() : argv[1];
  if (!cifra::ComandoDaLinha(comando)) return AbreAsJanelas(argv);
  const bool previsao = comando == "previsao";
  // A short run: a PDF's pages are built in buffers of a few hundred
  // kilobytes, which the allocator would map and hand back page after
  // page, each time paying to fault the memory in anew. Kept instead
  // until the run ends (some 8 % of the run's processor time).
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  PreparaHeap();
  const std::vector<std::string> argumentos(argv + 2, argv + argc);
  std::unique_ptr<QCoreApplication> app;
  const bool documentos = comando == "compatibilidade" &&
                          std::any_of(argumentos.begin(), argumentos.end(),
                                      [](const std::string& a) { return a == "--pdf" || a == "--odt"; });
  if (documentos || cifra::PedeGraficos(argumentos, previsao)) {
    PreparaPlataformaSemTela();
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  if (comando == "compatibilidade") return cifra::ExecutaCompatibilidade(argumentos, std::cout, std::cerr);
  if (comando == "nomes") return cifra::ExecutaNomes(argumentos, std::cout, std::cerr);
  return previsao ? cifra::ExecutaPrevisao(argumentos, std::cout, std::cerr)
                  : cifra::ExecutaAnalise(argumentos, std::cout, std::cerr);
}
