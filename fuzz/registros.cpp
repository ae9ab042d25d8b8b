// Any bytes as a record file of any record size: whole and partial records,
// fixed texts and numbers read without leaving the record.
#include "apoio_fuzz.h"
#include "library/interpretacoes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  using namespace cifra;
  if (tamanho < 2) return 0;
  const size_t registro = 1 + (dados[0] | (dados[1] << 8)) % 6000;
  fuzz::Escreve("REGISTROS.DAT", dados + 2, tamanho - 2);
  fuzz::SemErroDeArquivo([&] {
    ArquivoDeRegistros arquivo(fuzz::Pasta().Arquivo("REGISTROS.DAT"), registro, 1 + dados[0] % 32);
    const int64_t n = arquivo.Registros();
    fuzz::Confere(n >= 0 && (arquivo.Excede() || static_cast<uint64_t>(n) * registro >= arquivo.Tamanho()));
    for (int64_t r = 0; r <= n + 1 && r < 64; ++r) {
      const auto bytes = arquivo.Le(r);
      fuzz::Confere(r < 1 || bytes.size() == registro);
      if (bytes.size() == registro) {
        (void)LeTextoFixo(bytes, 0, registro);
        if (registro >= 4) (void)LeFloat(bytes, registro - 4);
        if (registro >= 2) (void)LeInt16(bytes, registro - 2);
      }
    }
  });
  // The same bytes as an interpretation file, whatever number is asked.
  fuzz::Escreve("CVIDA.DAT", dados + 2, tamanho - 2);
  fuzz::SemErroDeArquivo([&] {
    (void)LeInterpretacao(fuzz::Pasta(), static_cast<int8_t>(dados[1]), "CVIDA.DAT", dados[0] & 1);
  });
  return 0;
}
