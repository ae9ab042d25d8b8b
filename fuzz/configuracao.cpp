// Any bytes as one settings file, read by its own reader and brought to what
// the pages can use. Built once per file (CIFRA_FUZZ_LEITOR picks it).
#include "analysis/analise.h"
#include "apoio_fuzz.h"
#include "library/arquivo_registros.h"
#include "library/interpretacoes.h"
#include "library/ordem.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

namespace {
using namespace cifra;

void Le(const uint8_t* dados, size_t tamanho) {
  const PastaDeDados& pasta = fuzz::Pasta();
  switch (CIFRA_FUZZ_LEITOR) {
    case 0: {
      fuzz::Escreve("fontes.dat", dados, tamanho);
      const Fontes f = FontesUtilizaveis(LerFontes(pasta), nullptr);
      for (const Fonte* x : {&f.FonteTitulo, &f.FonteDescricao, &f.FonteTexto}) {
        fuzz::Confere(!x->Nome.empty() && x->Tamanho >= kMenorTamanhoDeFonte &&
                      x->Tamanho <= kMaiorTamanhoDeFonte);
      }
      break;
    }
    case 1: {
      fuzz::Escreve("margens.dat", dados, tamanho);
      bool substituidas = false;
      const Margens m = MargensParaOTrabalho(LerMargens(pasta), 210, 297, &substituidas);
      fuzz::Confere(MargensCabem(m, 210, 297));
      break;
    }
    case 2:
      fuzz::Escreve("cifralumina.dat", dados, tamanho);
      (void)CarregarEstadoPrograma(pasta);
      break;
    case 3:
      fuzz::Escreve("rodape.dat", dados, tamanho);
      (void)LerLinhasRodape(pasta);
      break;
    case 4:
      fuzz::Escreve("ordem.dat", dados, tamanho);
      (void)LerOrdemTopicos(pasta);
      break;
    case 5:
      fuzz::Escreve("Header.DAT", dados, tamanho);
      (void)LerTitulos(pasta);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  try {
    Le(dados, tamanho);
  } catch (const cifra::ErroDeArquivo&) {
  }
  return 0;
}
