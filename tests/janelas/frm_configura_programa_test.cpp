#include <gtest/gtest.h>

#include <QCheckBox>

#include "apoio/janelas.h"
#include "janelas/frm_configura_programa.h"

namespace cifra {
namespace {

TEST(frmConfiguraPrograma, DesmarcarTodosOsTopicosMostraOErroENadaMuda) {
  teste::ComConfiguracao s;
  const ProgramOptions antes = s.configuracao.opcoes;
  frmConfiguraPrograma janela(nullptr, s.configuracao.opcoes);
  janela.show();
  teste::Retrata(&janela, QStringLiteral("frmConfiguraPrograma"));
  for (int i = 0; i < kTopicos; ++i) {
    auto* topico = teste::Controle<QCheckBox>(janela, QStringLiteral("chkInterpretacoes_%1").arg(i));
    if (topico->isChecked()) teste::Clica(topico);
  }
  teste::RespondeCaixas caixas;
  teste::Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmConfiguraPrograma::kMensagemSemTopicos);
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(s.configuracao.opcoes, antes);
}

}  // namespace
}  // namespace cifra
