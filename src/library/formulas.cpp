#include "formulas.h"

#include <filesystem>
#include <system_error>

#include "arquivo_registros.h"

namespace cifra {

std::vector<int16_t> LerFormula(const PastaDeDados& pasta, std::string_view arquivo) {
  const auto caminho = pasta.Arquivo(arquivo);
  if (!NomeOcupado(caminho)) return {};
  const auto bytes = ArquivoDeRegistros(caminho, 2, kMaiorFormula).LeTudo();
  std::vector<int16_t> codigos(bytes.size() / 2);  // a stray odd byte is no record
  for (size_t i = 0; i < codigos.size(); ++i) codigos[i] = LeInt16(bytes, 2 * i);
  return codigos;
}

void GravarFormula(const PastaDeDados& pasta, std::string_view arquivo, bool mestresValidos,
                   std::span<const int16_t> codigos) {
  auto registro = [](int64_t n, int16_t codigo) {
    ArquivoDeRegistros::Registro r{n, std::vector<uint8_t>(2)};
    GravaInt16(r.bytes, 0, codigo);
    return r;
  };
  std::vector<ArquivoDeRegistros::Registro> registros{
      registro(1, mestresValidos ? codigo_formula::kMestresValidos : codigo_formula::kSemMestres)};
  for (size_t i = 0; i < codigos.size(); ++i) {
    registros.push_back(registro(static_cast<int64_t>(i) + 2, codigos[i]));
  }
  // One replacement for all the records: a formula is never half written.
  ArquivoDeRegistros(pasta.Arquivo(arquivo), 2, kMaiorFormula).Grava(registros);
}

int16_t CalculaNumeroDefinido(const PastaDeDados& pasta, std::string_view arquivo,
                              const ContextoFormula& contexto) {
  const auto codigos = LerFormula(pasta, arquivo);
  if (codigos.empty()) return 0;
  return AvaliaFormula(codigos, contexto);
}

}  // namespace cifra
