#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/pasta_temporaria.h"
#include "apoio/respostas_de_caixas.h"
#include "settings/frm_configura_rodape.h"
#include "shell/estado.h"

namespace cifra {
namespace {

using teste::PastaTemporaria;
using teste::RespondeCaixas;

QLineEdit* Caixa(QWidget& j, const char* nome) {
  return j.findChild<QLineEdit*>(QString::fromLatin1(nome));
}

void Digita(QLineEdit* caixa, const QString& texto) {
  caixa->setFocus();
  QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(caixa, Qt::Key_Delete);
  teste::Escreve(caixa, texto);
}

// Record of a line: its length, then its Windows-1252 bytes.
std::vector<uint8_t> Registro(std::string_view bytes) {
  std::vector<uint8_t> r(2 + bytes.size(), 0);
  r[0] = static_cast<uint8_t>(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) r[2 + i] = static_cast<uint8_t>(bytes[i]);
  return r;
}

TEST(frmConfiguraRodape, OkGravaAsTresLinhasAvisaEOProgramaPassaAUsaLas) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmConfiguraRodape janela(nullptr, estado);
  janela.show();
  EXPECT_EQ(Caixa(janela, "txtCabecalhoLinhaUm")->text(), "Sua vida através da Cifralumina");
  Digita(Caixa(janela, "txtCabecalhoLinhaUm"), QStringLiteral("Números de você"));
  Digita(Caixa(janela, "txtRodapeLinhaUm"), QStringLiteral("Consultório Ômega"));
  Digita(Caixa(janela, "txtRodapeLinhaDois"), QStringLiteral("Fone 555-0100"));
  teste::Retrata(&janela, QStringLiteral("frmConfiguraRodape"));
  RespondeCaixas caixas;
  teste::Clica(janela.findChild<QPushButton*>(QStringLiteral("cmdOk")));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, "Informação:");
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

TEST(frmConfiguraRodape, AsCaixasNaoAceitamMaisDoQueORegistroGuarda) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmConfiguraRodape janela(nullptr, estado);
  janela.show();
  Digita(Caixa(janela, "txtRodapeLinhaDois"), QString(250, QLatin1Char('x')));
  Digita(Caixa(janela, "txtCabecalhoLinhaUm"), QString(50, QLatin1Char('y')));
  EXPECT_EQ(Caixa(janela, "txtRodapeLinhaDois")->text().size(), 198);
  EXPECT_EQ(Caixa(janela, "txtCabecalhoLinhaUm")->text().size(), 40);
}

TEST(frmConfiguraRodape, CancelarPerguntaEOQueNaoSePodeGuardarEDito) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmConfiguraRodape janela(nullptr, estado);
  janela.show();
  Digita(Caixa(janela, "txtRodapeLinhaUm"), QStringLiteral("Estrela ★ e Ж"));
  {
    RespondeCaixas caixas;
    teste::Clica(janela.findChild<QPushButton*>(QStringLiteral("cmdOk")));
    ASSERT_EQ(caixas.Vistas().size(), 1u);
    EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("“★”, “Ж”")));
    EXPECT_TRUE(janela.isVisible());
    EXPECT_FALSE(std::filesystem::exists(pasta / "rodape.dat"));
  }
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
  teste::Clica(janela.findChild<QPushButton*>(QStringLiteral("cmdCancelar")));
  EXPECT_TRUE(janela.isVisible());  // "No" stays
  teste::ClicaNaCaixaDeFechar(&janela);
  EXPECT_FALSE(janela.isVisible());
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[1].titulo, "Atenção:");
  EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), frmConfiguraRodape::kPerguntaCancelar);
  EXPECT_FALSE(std::filesystem::exists(pasta / "rodape.dat"));
  EXPECT_EQ(estado.linhas, LinhasRodape{});
}

TEST(frmConfiguraRodape, UmaGravacaoQueFalhaENomeadaEAJanelaFicaComOTexto) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  std::filesystem::create_directory(pasta / "rodape.dat");  // nothing can be written there
  frmConfiguraRodape janela(nullptr, estado);
  janela.show();
  Digita(Caixa(janela, "txtRodapeLinhaUm"), QStringLiteral("Novo rodapé"));
  RespondeCaixas caixas;
  teste::Clica(janela.findChild<QPushButton*>(QStringLiteral("cmdOk")));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, "Erro:");
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("rodape.dat")));
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(Caixa(janela, "txtRodapeLinhaUm")->text(), "Novo rodapé");
}

}  // namespace
}  // namespace cifra
