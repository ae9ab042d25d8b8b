#include <gtest/gtest.h>

#include <QListWidget>
#include <QSignalSpy>

#include "apoio/janelas.h"
#include "janelas/frm_ordem.h"
#include "library/ordem.h"

namespace cifra {
namespace {

using teste::Clica;

TEST(frmOrdem, OPrimeiroNaoSobeEDesceAoFimEm29CliquesEO30oBipa) {
  teste::ComConfiguracao s;
  frmOrdem janela(nullptr, s.configuracao.pasta, s.configuracao.ordem);
  janela.show();
  auto* lista = teste::Controle<QListWidget>(janela, QStringLiteral("lstPrioridade"));
  EXPECT_EQ(lista->currentItem()->text(), "Caminho da Vida");
  QSignalSpy bipes(&janela, &frmOrdem::Bipe);
  Clica(janela, QStringLiteral("cmdPriorizar"));  // the first one cannot climb
  EXPECT_EQ(bipes.count(), 1);
  for (int i = 0; i < 29; ++i) Clica(janela, QStringLiteral("cmdDespriorizar"));
  EXPECT_EQ(bipes.count(), 1);
  Clica(janela, QStringLiteral("cmdDespriorizar"));
  EXPECT_EQ(bipes.count(), 2);
  EXPECT_EQ(lista->item(29)->text(), "Caminho da Vida");
  teste::Retrata(&janela, QStringLiteral("frmOrdem"));
  Clica(janela, QStringLiteral("cmdOk"));
  OrdemDosTopicos movida{};
  for (int i = 1; i < 30; ++i) movida[static_cast<size_t>(i)] = static_cast<int16_t>(i + 1);
  movida[30] = 1;
  EXPECT_EQ(LerOrdemTopicos(s.configuracao.pasta), movida);
  EXPECT_EQ(s.configuracao.ordem, movida);
}

}  // namespace
}  // namespace cifra
