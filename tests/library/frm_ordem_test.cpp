#include <gtest/gtest.h>

#include <QListWidget>
#include <QSignalSpy>

#include "apoio/janelas.h"
#include "library/frm_ordem.h"
#include "library/ordem.h"

namespace cifra {
namespace {

using teste::Clica;

// The topics in position order (element 0 unused, as in the file).
OrdemDosTopicos Ordem(std::initializer_list<int> topicos) {
  OrdemDosTopicos o{};
  std::copy(topicos.begin(), topicos.end(), o.begin() + 1);
  return o;
}

struct JanelaDeOrdem : teste::ComEstado, ::testing::Test {};

TEST_F(JanelaDeOrdem, OPrimeiroNaoSobeEDesceAoFimEm29CliquesEO30oBipa) {
  frmOrdem janela(nullptr, estado);
  janela.show();
  auto* lista = teste::Controle<QListWidget>(janela, QStringLiteral("lstPrioridade"));
  EXPECT_EQ(lista->currentItem()->text(), "Caminho da Vida");
  QSignalSpy bipes(&janela, &frmOrdem::Bipe);
  Clica(janela, QStringLiteral("cmdPriorizar"));  // the first one cannot climb
  EXPECT_EQ(bipes.count(), 1);
  for (int i = 0; i < 29; ++i) Clica(janela, QStringLiteral("cmdDespriorizar"));
  EXPECT_EQ(bipes.count(), 1);
  EXPECT_EQ(lista->currentRow(), 29);
  Clica(janela, QStringLiteral("cmdDespriorizar"));
  EXPECT_EQ(bipes.count(), 2);
  Clica(janela, QStringLiteral("cmdPriorizar"));  // the selection followed the topic: it climbs one place
  EXPECT_EQ(lista->item(28)->text(), "Caminho da Vida");
  Clica(janela, QStringLiteral("cmdDespriorizar"));
  teste::Retrata(&janela, QStringLiteral("frmOrdem"));
  Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  const auto movida = Ordem({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                             21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 1});
  EXPECT_EQ(LerOrdemTopicos(estado.pasta), movida);  // the layout is the settings records' test
  EXPECT_EQ(estado.OrdemTopicos, movida);
}

TEST_F(JanelaDeOrdem, UmArquivoDeOrdemEstragadoAbreNaParteValida) {
  // 5 first, 5 again, a 99, then 3: the rest follows in number order.
  GravarOrdemTopicos(estado.pasta, Ordem({5, 5, 99, 3}));
  estado = CarregarEstado(pasta.Caminho().string());
  frmOrdem janela(nullptr, estado);
  janela.show();
  auto* lista = teste::Controle<QListWidget>(janela, QStringLiteral("lstPrioridade"));
  ASSERT_EQ(lista->count(), 30);
  EXPECT_EQ(lista->item(0)->text(), "Vibrações do Dia do Nascimento");
  EXPECT_EQ(lista->item(2)->text(), "Caminho da Vida");
  Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_EQ(LerOrdemTopicos(estado.pasta),
            Ordem({5, 3, 1, 2, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                   23, 24, 25, 26, 27, 28, 29, 30}));
}

}  // namespace
}  // namespace cifra
