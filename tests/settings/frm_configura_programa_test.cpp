#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>

#include "apoio/pasta_temporaria.h"
#include "apoio/respostas_de_caixas.h"
#include "settings/frm_configura_programa.h"
#include "shell/estado.h"

namespace cifra {
namespace {

using teste::PastaTemporaria;
using teste::RespondeCaixas;

QCheckBox* Topico(QWidget& j, int i) {
  return j.findChild<QCheckBox*>(QStringLiteral("chkInterpretacoes_%1").arg(i));
}
void Clica(QWidget& j, const char* nome) {
  teste::Clica(j.findChild<QAbstractButton*>(QString::fromLatin1(nome)));
}

TEST(frmConfiguraPrograma, DesmarcarTodosOsTopicosMostraOErroENadaMuda) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  const ProgramOptions antes = estado.opcoes;
  const auto arquivoAntes = teste::LeBytes(pasta / "cifralumina.dat");
  frmConfiguraPrograma janela(nullptr, estado);
  janela.show();
  for (int i = 0; i < kTopicos; ++i) {
    if (Topico(janela, i)->isChecked()) teste::Clica(Topico(janela, i));
  }
  for (int i = 0; i < kTopicos; ++i) ASSERT_FALSE(Topico(janela, i)->isChecked()) << i;
  RespondeCaixas caixas;
  Clica(janela, "cmdOk");
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, "Erro:");
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmConfiguraPrograma::kMensagemSemTopicos);
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(estado.opcoes, antes);
  EXPECT_EQ(teste::LeBytes(pasta / "cifralumina.dat"), arquivoAntes);
}

TEST(frmConfiguraPrograma, OkGuardaAsEscolhasNaMemoriaEOArquivoEsperaOFim) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  estado.opcoes.NumerosMagicos = true;  // a hidden switch keeps its value
  const auto arquivoAntes = teste::LeBytes(pasta / "cifralumina.dat");
  frmConfiguraPrograma janela(nullptr, estado);
  janela.show();
  teste::Retrata(&janela, QStringLiteral("frmConfiguraPrograma"));
  EXPECT_TRUE(Topico(janela, 28)->isEnabled());
  EXPECT_FALSE(janela.findChild<QCheckBox*>(QStringLiteral("chkNumerosMagicos"))->isVisible());
  teste::Clica(Topico(janela, 0));   // topic 1 off
  teste::Clica(Topico(janela, 29));  // topic 30 on
  Clica(janela, "chkImprimirNumero");
  Clica(janela, "cmdOk");
  EXPECT_FALSE(janela.isVisible());
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_FALSE(estado.opcoes.TopicoAtivo[1]);
  EXPECT_TRUE(estado.opcoes.TopicoAtivo[30]);
  EXPECT_TRUE(estado.opcoes.TopicoAtivo[23]);
  EXPECT_TRUE(estado.opcoes.ImprimirNumero);
  EXPECT_TRUE(estado.opcoes.NumerosMagicos);
  EXPECT_EQ(teste::LeBytes(pasta / "cifralumina.dat"), arquivoAntes);
}

TEST(frmConfiguraPrograma, CancelarEACaixaDeFecharNaoMudamNada) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  const ProgramOptions antes = estado.opcoes;
  for (const bool pelaCaixaDeFechar : {false, true}) {
    frmConfiguraPrograma janela(nullptr, estado);
    janela.show();
    teste::Clica(Topico(janela, 4));
    Clica(janela, "chkEscutarSons");
    if (pelaCaixaDeFechar) {
      teste::ClicaNaCaixaDeFechar(&janela);
    } else {
      Clica(janela, "cmdCancelar");
    }
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(janela.result(), QDialog::Rejected);
    EXPECT_EQ(estado.opcoes, antes);
  }
}

}  // namespace
}  // namespace cifra
