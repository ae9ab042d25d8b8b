// Any bytes as one settings file, read by its own reader and brought to what
// the pages can use. Built once per file (CIFRA_FUZZ_LEITOR picks it).
#include "analysis/analise.h"
#include "apoio_fuzz.h"
#include "library/interpretacoes.h"
#include "library/ordem.h"
#include "settings/fontes.h"
#include "settings/margens.h"
#include "settings/opcoes.h"
#include "settings/rodape.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  using namespace cifra;
  constexpr const char* kArquivos[] = {"fontes.dat", "margens.dat", "cifralumina.dat",
                                       "rodape.dat", "ordem.dat",   "Header.DAT"};
  fuzz::Escreve(kArquivos[CIFRA_FUZZ_LEITOR], dados, tamanho);
  const PastaDeDados& pasta = fuzz::Pasta();
  fuzz::SemErroDeArquivo([&] {
    switch (CIFRA_FUZZ_LEITOR) {
      case 0: {
        const Fontes f = FontesUtilizaveis(LerFontes(pasta), nullptr);
        for (const Fonte* x : {&f.FonteTitulo, &f.FonteDescricao, &f.FonteTexto}) {
          fuzz::Confere(!x->Nome.empty() && x->Tamanho >= kMenorTamanhoDeFonte &&
                        x->Tamanho <= kMaiorTamanhoDeFonte);
        }
        break;
      }
      case 1: {
        bool substituidas = false;
        const Margens m = MargensParaOTrabalho(LerMargens(pasta), 210, 297, &substituidas);
        fuzz::Confere(MargensCabem(m, 210, 297));
        break;
      }
      case 2: (void)CarregarEstadoPrograma(pasta); break;
      case 3: (void)LerLinhasRodape(pasta); break;
      case 4: (void)LerOrdemTopicos(pasta); break;
      case 5: (void)LerTitulos(pasta); break;
    }
  });
  return 0;
}
