#include "formulas.h"

#include <filesystem>
#include <system_error>

#include "arquivo_registros.h"

namespace cifra {

std::vector<int16_t> LerFormula(const PastaDeDados& pasta, std::string_view arquivo) {
  const auto caminho = pasta.Arquivo(arquivo);
  if (!NomeOcupado(caminho)) return {};
  const auto bytes = ArquivoDeRegistros(caminho, 2).LeTudo();
  std::vector<int16_t> codigos(bytes.size() / 2);  // a stray odd byte is no record
  for (size_t i = 0; i < codigos.size(); ++i) codigos[i] = LeInt16(bytes, 2 * i);
  return codigos;
}

void GravarFormula(const PastaDeDados& pasta, std::string_view arquivo, bool mestresValidos,
                   std::span<const int16_t> codigos) {
  std::vector<uint8_t> bytes(2 * (codigos.size() + 1));
  GravaInt16(bytes, 0, mestresValidos ? codigo_formula::kMestresValidos
                                      : codigo_formula::kSemMestres);
  for (size_t i = 0; i < codigos.size(); ++i) GravaInt16(bytes, 2 * (i + 1), codigos[i]);
  // One write of all records: the file is a file of 2-byte records, so the
  // whole formula is laid down from record 1 as one block.
  ArquivoDeRegistros(pasta.Arquivo(arquivo), bytes.size()).Grava(1, bytes);
}

int16_t CalculaNumeroDefinido(const PastaDeDados& pasta, std::string_view arquivo,
                              const ContextoFormula& contexto) {
  const auto codigos = LerFormula(pasta, arquivo);
  if (codigos.empty()) return 0;
  return AvaliaFormula(codigos, contexto);
}

}  // namespace cifra
