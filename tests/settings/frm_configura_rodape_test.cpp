#include <gtest/gtest.h>

#include <QLineEdit>

#include "apoio/janelas.h"
#include "settings/frm_configura_rodape.h"

namespace cifra {
namespace {

using teste::RespondeCaixas;

// What the file cannot keep (a character outside its code page, a file that
// cannot be written) is named and the window stays with the text typed; then
// a good line is saved, and the program uses it at once.
TEST(frmConfiguraRodape, OQueNaoSePodeGuardarEDitoEOkGravaAsLinhas) {
  teste::ComEstado s;
  frmConfiguraRodape janela(nullptr, s.estado);
  janela.show();
  auto* linhaUm = teste::Controle<QLineEdit>(janela, QStringLiteral("txtRodapeLinhaUm"));
  teste::Substitui(linhaUm, QStringLiteral("Estrela ★ e Ж"));
  std::filesystem::create_directory(s.pasta / "rodape.dat");
  {
    RespondeCaixas caixas;
    teste::Clica(janela, QStringLiteral("cmdOk"));
    teste::Substitui(linhaUm, QStringLiteral("Consultório Ômega"));
    teste::Clica(janela, QStringLiteral("cmdOk"));
    ASSERT_EQ(caixas.Vistas().size(), 2u);
    EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("“★”, “Ж”")));
    EXPECT_EQ(caixas.Vistas()[1].titulo, "Erro:");
    EXPECT_TRUE(caixas.Vistas()[1].texto.contains(QStringLiteral("rodape.dat")));
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(linhaUm->text(), "Consultório Ômega");
  }
  std::filesystem::remove(s.pasta / "rodape.dat");
  teste::Substitui(teste::Controle(janela, QStringLiteral("txtCabecalhoLinhaUm")), QStringLiteral("Números de você"));
  teste::Retrata(&janela, QStringLiteral("frmConfiguraRodape"));
  RespondeCaixas caixas;
  teste::Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmConfiguraRodape::kAvisoGravado);
  const LinhasRodape gravadas = LerLinhasRodape(s.estado.pasta);
  EXPECT_EQ(gravadas.LinhaRodapeUm, "Consultório Ômega");
  EXPECT_EQ(gravadas.LinhaCabecalho, "Números de você");
  EXPECT_EQ(s.estado.linhas, gravadas);
}

}  // namespace
}  // namespace cifra
