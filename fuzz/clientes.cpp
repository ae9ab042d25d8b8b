// Any bytes as the client register, partial records included.
#include "apoio_fuzz.h"
#include "library/clientes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  using namespace cifra;
  fuzz::Escreve("caduser.dat", dados, tamanho);
  fuzz::SemErroDeArquivo([] {
    (void)LerClientes(fuzz::Pasta());
    (void)ContarClientes(fuzz::Pasta());
  });
  return 0;
}
