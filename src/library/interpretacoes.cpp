#include "interpretacoes.h"

#include "arquivo_registros.h"

namespace cifra {
int RegistroDoNumero(int numero, std::string_view arquivo, bool numerosMagicos) {
  if (MaiusculasAscii(arquivo) == kArquivoDescricoes) return numero;
  if (numero == 11) return numerosMagicos ? 10 : 2;
  if (numero == 22) return numerosMagicos ? 11 : 4;
  return numero;
}

std::string LerRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro) {
  const size_t tamanho = TamanhoDoRegistroDe(arquivo);
  ArquivoDeRegistros f(pasta.Arquivo(arquivo), tamanho);
  if (registro < 1 || registro > f.Registros()) return {};
  // A file edited by hand elsewhere may break its lines with LF or CR alone.
  return ComQuebrasCrLf(LeTextoFixo(f.Le(registro), 0, tamanho));
}

void GravarRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro,
                           std::string_view texto) {
  const size_t tamanho = TamanhoDoRegistroDe(arquivo);
  std::vector<uint8_t> r(tamanho);
  GravaTextoFixo(r, 0, tamanho, ComQuebrasCrLf(texto));
  ArquivoDeRegistros(pasta.Arquivo(arquivo), tamanho).Grava(registro, r);
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
