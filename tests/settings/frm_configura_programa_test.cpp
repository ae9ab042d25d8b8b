#include <gtest/gtest.h>

#include <QCheckBox>

#include "apoio/janelas.h"
#include "settings/frm_configura_programa.h"

namespace cifra {
namespace {

using teste::Clica;

QCheckBox* Topico(QWidget& j, int i) {
  return teste::Controle<QCheckBox>(j, QStringLiteral("chkInterpretacoes_%1").arg(i));
}

TEST(frmConfiguraPrograma, DesmarcarTodosOsTopicosMostraOErroENadaMuda) {
  teste::ComEstado s;
  const ProgramOptions antes = s.estado.opcoes;
  frmConfiguraPrograma janela(nullptr, s.estado);
  janela.show();
  for (int i = 0; i < kTopicos; ++i) {
    if (Topico(janela, i)->isChecked()) Clica(Topico(janela, i));
  }
  teste::RespondeCaixas caixas;
  Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmConfiguraPrograma::kMensagemSemTopicos);
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(s.estado.opcoes, antes);
}

TEST(frmConfiguraPrograma, OkGuardaAsEscolhasNaMemoriaEOArquivoEsperaOFim) {
  teste::ComEstado s;
  s.estado.opcoes.NumerosMagicos = true;  // a hidden switch keeps its value
  const auto arquivoAntes = teste::LeBytes(s.pasta / "cifralumina.dat");
  frmConfiguraPrograma janela(nullptr, s.estado);
  janela.show();
  teste::Retrata(&janela, QStringLiteral("frmConfiguraPrograma"));
  EXPECT_TRUE(Topico(janela, 28)->isEnabled());
  Clica(Topico(janela, 0));   // topic 1 off
  Clica(Topico(janela, 29));  // topic 30 on
  Clica(janela, QStringLiteral("chkImprimirNumero"));
  Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_FALSE(s.estado.opcoes.TopicoAtivo[1]);
  EXPECT_TRUE(s.estado.opcoes.TopicoAtivo[30]);
  EXPECT_TRUE(s.estado.opcoes.TopicoAtivo[23]);
  EXPECT_TRUE(s.estado.opcoes.ImprimirNumero);
  EXPECT_TRUE(s.estado.opcoes.NumerosMagicos);
  EXPECT_EQ(teste::LeBytes(s.pasta / "cifralumina.dat"), arquivoAntes);
}

}  // namespace
}  // namespace cifra
