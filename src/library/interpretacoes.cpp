#include "interpretacoes.h"

#include <algorithm>

#include "arquivo_registros.h"
#include "padroes.h"

namespace cifra {
int RegistroDoNumero(int numero, std::string_view arquivo, bool numerosMagicos) {
  if (MaiusculasAscii(arquivo) == kArquivoDescricoes) return numero;
  if (numero == 11) return numerosMagicos ? 10 : 2;
  if (numero == 22) return numerosMagicos ? 11 : 4;
  return numero;
}

std::string LerRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro,
                               bool padraoAlemDoFim) {
  const size_t tamanho = TamanhoDoRegistroDe(arquivo);
  const auto caminho = pasta.Arquivo(arquivo);
  std::vector<uint8_t> bytes;
  std::optional<std::vector<uint8_t>> padrao;
  bool doPadrao = false;
  try {
    ArquivoDeRegistros f(caminho, tamanho, kRegistrosDeTexto);
    if (registro < 1) return {};
    if (registro <= f.Registros()) {
      bytes = f.Le(registro);
    } else if (!padraoAlemDoFim || !(padrao = ConteudoPadrao(arquivo))) {
      return {};
    } else {
      doPadrao = true;  // a record newer than the operator's file
    }
  } catch (const ErroDeArquivo&) {
    // A default the folder lacks and cannot be given (a read-only folder) is
    // read from the copy the program carries.
    if (NomeOcupado(caminho) || !(padrao = ConteudoPadrao(arquivo))) throw;
    doPadrao = true;
  }
  if (doPadrao) {
    const auto registros = static_cast<int64_t>((padrao->size() + tamanho - 1) / tamanho);
    if (registro < 1 || registro > registros) return {};
    const size_t inicio = static_cast<size_t>(registro - 1) * tamanho;
    bytes.assign(padrao->begin() + static_cast<std::ptrdiff_t>(inicio),
                 padrao->begin() + static_cast<std::ptrdiff_t>(std::min(inicio + tamanho, padrao->size())));
  }
  // A file edited by hand elsewhere may break its lines with LF or CR alone.
  return ComQuebrasCrLf(LeTextoFixo(bytes, 0, tamanho));
}

void GravarRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro,
                           std::string_view texto) {
  const size_t tamanho = TamanhoDoRegistroDe(arquivo);
  std::vector<uint8_t> r(tamanho);
  GravaTextoFixo(r, 0, tamanho, ComQuebrasCrLf(texto));
  ArquivoDeRegistros(pasta.Arquivo(arquivo), tamanho, kRegistrosDeTexto).Grava(registro, r);
}

std::string LeInterpretacao(const PastaDeDados& pasta, int numero, std::string_view arquivo,
                            bool numerosMagicos) {
  return LerRegistroDeTexto(pasta, arquivo, RegistroDoNumero(numero, arquivo, numerosMagicos));
}

TitulosDosTopicos LerTitulos(const PastaDeDados& pasta) {
  TitulosDosTopicos titulos;
  for (const Topico& t : Catalogo()) titulos[t.numero] = LerRegistroDeTexto(pasta, kArquivoTitulos, t.numero);
  return titulos;
}

}  // namespace cifra
