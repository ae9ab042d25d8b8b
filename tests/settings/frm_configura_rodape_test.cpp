#include <gtest/gtest.h>

#include <QLineEdit>

#include "apoio/janelas.h"
#include "settings/frm_configura_rodape.h"

namespace cifra {
namespace {

using teste::RespondeCaixas;

QLineEdit* Caixa(QWidget& j, const char* nome) {
  return teste::Controle<QLineEdit>(j, QString::fromLatin1(nome));
}

struct JanelaDeRodape : teste::ComEstado, ::testing::Test {
  frmConfiguraRodape janela{nullptr, estado};
  void SetUp() override { janela.show(); }
};

TEST_F(JanelaDeRodape, OkGravaAsTresLinhasAvisaEOProgramaPassaAUsaLas) {
  EXPECT_EQ(Caixa(janela, "txtCabecalhoLinhaUm")->text(), "Sua vida através da Cifralumina");
  teste::Substitui(Caixa(janela, "txtCabecalhoLinhaUm"), QStringLiteral("Números de você"));
  teste::Substitui(Caixa(janela, "txtRodapeLinhaUm"), QStringLiteral("Consultório Ômega"));
  teste::Substitui(Caixa(janela, "txtRodapeLinhaDois"), QStringLiteral("Fone 555-0100"));
  teste::Retrata(&janela, QStringLiteral("frmConfiguraRodape"));
  RespondeCaixas caixas;
  teste::Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmConfiguraRodape::kAvisoGravado);
  EXPECT_FALSE(janela.isVisible());
  const LinhasRodape novas{"Consultório Ômega", "Fone 555-0100", "Números de você"};
  EXPECT_EQ(LerLinhasRodape(estado.pasta), novas);  // the layout is the settings records' test
  EXPECT_EQ(estado.linhas, novas);
}

TEST_F(JanelaDeRodape, AsCaixasNaoAceitamMaisDoQueORegistroGuarda) {
  teste::Substitui(Caixa(janela, "txtRodapeLinhaDois"), QString(250, QLatin1Char('x')));
  teste::Substitui(Caixa(janela, "txtCabecalhoLinhaUm"), QString(50, QLatin1Char('y')));
  EXPECT_EQ(Caixa(janela, "txtRodapeLinhaDois")->text().size(), 198);
  EXPECT_EQ(Caixa(janela, "txtCabecalhoLinhaUm")->text().size(), 40);
}

// A character the file cannot keep, and a file that cannot be written: each
// is named, nothing is written and the window stays with the text typed.
TEST_F(JanelaDeRodape, OQueNaoSePodeGuardarEDitoEAJanelaFicaComOTexto) {
  teste::Substitui(Caixa(janela, "txtRodapeLinhaUm"), QStringLiteral("Estrela ★ e Ж"));
  {
    RespondeCaixas caixas;
    teste::Clica(janela, QStringLiteral("cmdOk"));
    ASSERT_EQ(caixas.Vistas().size(), 1u);
    EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("“★”, “Ж”")));
    EXPECT_FALSE(std::filesystem::exists(pasta / "rodape.dat"));
  }
  std::filesystem::create_directory(pasta / "rodape.dat");  // nothing can be written there
  teste::Substitui(Caixa(janela, "txtRodapeLinhaUm"), QStringLiteral("Novo rodapé"));
  RespondeCaixas caixas;
  teste::Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, "Erro:");
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("rodape.dat")));
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(Caixa(janela, "txtRodapeLinhaUm")->text(), "Novo rodapé");
}

}  // namespace
}  // namespace cifra
