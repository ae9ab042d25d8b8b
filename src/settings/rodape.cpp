#include "rodape.h"

#include <optional>
#include <utility>
#include <vector>

#include "library/arquivo_registros.h"
#include "library/windows1252.h"

namespace cifra {
namespace {

constexpr size_t kRegistro = 200;
constexpr const char* kArquivo = "rodape.dat";

// Each line is a record of its own: a 16-bit length, then that many bytes.
constexpr std::pair<int, std::string LinhasRodape::*> kLinhas[] = {
    {1, &LinhasRodape::LinhaRodapeUm},
    {2, &LinhasRodape::LinhaRodapeDois},
    {3, &LinhasRodape::LinhaCabecalho},
};

// The line, or nothing when the file ends before the bytes its length
// announces (a save cut short): the line keeps its default then.
std::optional<std::string> LeLinha(const ArquivoDeRegistros& f, int n) {
  const auto r = f.LePresente(n);
  const size_t tamanho = std::min<size_t>(LeUInt16(r, 0), kMaximoLinhaRodape);
  if (r.size() < 2 + tamanho) return std::nullopt;
  return DeWindows1252(std::string_view(reinterpret_cast<const char*>(r.data()) + 2, tamanho));
}

std::vector<uint8_t> Bytes(const std::string& linha) {
  std::string bytes = ParaWindows1252(linha);
  if (bytes.size() > kMaximoLinhaRodape) bytes.resize(kMaximoLinhaRodape);
  std::vector<uint8_t> r(2 + bytes.size());
  GravaInt16(r, 0, static_cast<int16_t>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), r.begin() + 2);
  return r;  // the rest of the record keeps whatever it held
}

}  // namespace

LinhasRodape LerLinhasRodape(const PastaDeDados& pasta) {
  // Unlike the other settings files, a missing footer file is not created:
  // the defaults serve until the operator saves lines of their own.
  LinhasRodape l;
  const auto caminho = pasta.Arquivo(kArquivo);
  if (!NomeOcupado(caminho)) return l;
  const ArquivoDeRegistros f(caminho, kRegistro, std::size(kLinhas));
  if (f.Vazio()) return l;
  bool danificado = false;
  for (const auto& [registro, membro] : kLinhas) {
    if (auto linha = LeLinha(f, registro)) {
      l.*membro = std::move(*linha);
    } else {
      danificado = true;
    }
  }
  if (danificado) {
    AvisaSobreArquivo("Ao ler o arquivo \"" + caminho.string() + "\": está danificado (termina "
                      "antes do fim de uma das linhas). As linhas que faltam ficam com o texto "
                      "inicial até serem gravadas de novo.");
  }
  return l;
}

void GravarLinhasRodape(const PastaDeDados& pasta, const LinhasRodape& l) {
  // The three lines go in one replacement, so a failed save never leaves
  // a header from one save beside a footer from another.
  std::vector<ArquivoDeRegistros::Registro> registros;
  for (const auto& [registro, membro] : kLinhas) registros.push_back({registro, Bytes(l.*membro)});
  ArquivoDeRegistros(pasta.Arquivo(kArquivo), kRegistro, std::size(kLinhas)).Grava(registros);
}

}  // namespace cifra
