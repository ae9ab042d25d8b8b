#include "interpretacoes.h"

#include <algorithm>
#include <cctype>

#include "arquivo_registros.h"
#include "windows1252.h"

namespace cifra {
namespace {

std::string Maiusculas(std::string_view s) {
  std::string m(s);
  for (char& c : m) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return m;
}

}  // namespace

size_t TamanhoDoRegistroDe(std::string_view arquivo) {
  return Maiusculas(arquivo).find("HEADER.DAT") != std::string::npos ? kRegistroTitulo
                                                                     : kRegistroTexto;
}

int RegistroDoNumero(int numero, std::string_view arquivo, bool numerosMagicos) {
  if (Maiusculas(arquivo) == "CDATA.DAT") return numero;
  if (numero == 11) return numerosMagicos ? 10 : 2;
  if (numero == 22) return numerosMagicos ? 11 : 4;
  return numero;
}

std::string LerRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro) {
  const size_t tamanho = TamanhoDoRegistroDe(arquivo);
  ArquivoDeRegistros f(pasta.Arquivo(arquivo), tamanho);
  if (registro < 1 || registro > f.Registros()) return {};
  const auto bytes = f.Le(registro);
  return AparaBrancos(DeWindows1252(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

void GravarRegistroDeTexto(const PastaDeDados& pasta, std::string_view arquivo, int registro,
                           std::string_view texto) {
  const size_t tamanho = TamanhoDoRegistroDe(arquivo);
  std::vector<uint8_t> r(tamanho);
  GravaTextoFixo(r, 0, tamanho, texto);
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
