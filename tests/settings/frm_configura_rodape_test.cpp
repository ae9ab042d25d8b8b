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

// Record of a line: its length, then its Windows-1252 bytes.
std::vector<uint8_t> Registro(std::string_view bytes) {
  std::vector<uint8_t> r(2 + bytes.size(), 0);
  r[0] = static_cast<uint8_t>(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) r[2 + i] = static_cast<uint8_t>(bytes[i]);
  return r;
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
  std::vector<uint8_t> esperado = Registro("Consult\xF3rio \xD4mega");
  esperado.resize(200, 0);
  const auto dois = Registro("Fone 555-0100");
  esperado.insert(esperado.end(), dois.begin(), dois.end());
  esperado.resize(400, 0);
  const auto tres = Registro("N\xFAmeros de voc\xEA");
  esperado.insert(esperado.end(), tres.begin(), tres.end());
  EXPECT_EQ(teste::LeBytes(pasta / "rodape.dat"), esperado);
  EXPECT_EQ(estado.linhas.LinhaCabecalho, "Números de você");
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
