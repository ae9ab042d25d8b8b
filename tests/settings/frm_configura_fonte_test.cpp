#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "apoio/pasta_temporaria.h"
#include "apoio/respostas_de_caixas.h"
#include "settings/frm_configura_fonte.h"
#include "shell/estado.h"

namespace cifra {
namespace {

using teste::PastaTemporaria;

template <class T>
T* Controle(QWidget& j, const QString& nome) {
  auto* c = j.findChild<T*>(nome);
  EXPECT_NE(c, nullptr) << nome.toStdString();
  return c;
}

// Types over whatever an editable list shows, as the operator does.
void Digita(QComboBox* lista, const QString& texto) {
  lista->lineEdit()->setFocus();
  QTest::keyClick(lista->lineEdit(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(lista->lineEdit(), texto);
}

// Title font to Liberation Mono 18, descriptions bold.
void MudaAsFontes(frmConfiguraFonte& janela) {
  Digita(Controle<QComboBox>(janela, QStringLiteral("cmbFonte_1")), QStringLiteral("Liberation Mono"));
  Digita(Controle<QComboBox>(janela, QStringLiteral("cmbTamanho_1")), QStringLiteral("18"));
  teste::Clica(Controle<QCheckBox>(janela, QStringLiteral("chkNegrito_0")));
}

std::vector<uint8_t> Fonte(const std::string& nome, bool negrito, bool italico, uint8_t tamanho) {
  std::vector<uint8_t> b(nome.begin(), nome.end());
  b.resize(50, ' ');
  const uint8_t n = negrito ? 0xFF : 0, i = italico ? 0xFF : 0;
  b.insert(b.end(), {n, n, i, i, tamanho, 0});
  return b;
}

TEST(frmConfiguraFonte, MostraAsFontesDoArquivoEAplicaCadaMudancaNaHora) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmConfiguraFonte janela(nullptr, estado);
  janela.show();
  EXPECT_EQ(Controle<QComboBox>(janela, QStringLiteral("cmbFonte_1"))->currentText(), "Courier New");
  EXPECT_EQ(Controle<QComboBox>(janela, QStringLiteral("cmbTamanho_2"))->currentText(), "12");
  EXPECT_TRUE(Controle<QCheckBox>(janela, QStringLiteral("chkItalico_0"))->isChecked());
  const QImage antes = Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage();
  MudaAsFontes(janela);
  EXPECT_EQ(estado.fontes.FonteTitulo, (cifra::Fonte{"Liberation Mono", true, false, 18}));
  EXPECT_TRUE(estado.fontes.FonteDescricao.Negrito);
  EXPECT_NE(Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage(), antes);
  teste::Retrata(&janela, QStringLiteral("frmConfiguraFonte"));
}

TEST(frmConfiguraFonte, CancelarOuFecharDevolveAsFontesDoArquivo) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  const auto arquivo = teste::LeBytes(pasta / "fontes.dat");
  for (const bool pelaCaixaDeFechar : {false, true}) {
    frmConfiguraFonte janela(nullptr, estado);
    janela.show();
    MudaAsFontes(janela);
    ASSERT_NE(estado.fontes, Fontes{});
    if (pelaCaixaDeFechar) {
      teste::ClicaNaCaixaDeFechar(&janela);
    } else {
      teste::Clica(Controle<QPushButton>(janela, QStringLiteral("cmdCancelar")));
    }
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(estado.fontes, Fontes{});
    EXPECT_EQ(teste::LeBytes(pasta / "fontes.dat"), arquivo);
  }
}

TEST(frmConfiguraFonte, OkGravaAsTresFontesNoArquivo) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmConfiguraFonte janela(nullptr, estado);
  janela.show();
  MudaAsFontes(janela);
  teste::Clica(Controle<QPushButton>(janela, QStringLiteral("cmdOk")));
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  std::vector<uint8_t> esperado = Fonte("Liberation Mono", true, false, 18);
  for (const auto& f : {Fonte("Arial", true, true, 10), Fonte("Times New Roman", false, false, 12)}) {
    esperado.insert(esperado.end(), f.begin(), f.end());
  }
  EXPECT_EQ(teste::LeBytes(pasta / "fontes.dat"), esperado);
}

TEST(frmConfiguraFonte, TamanhoEscritoEOSeuNumeroInicialArredondadoAoPar) {
  const std::pair<const char*, int> casos[] = {
      {"12", 12}, {"12 pt", 12}, {"10.5", 10}, {"11,5", 12}, {"13.5", 14}, {"x12", 0}, {"", 0}};
  for (const auto& [texto, tamanho] : casos) {
    EXPECT_EQ(frmConfiguraFonte::TamanhoEscrito(QString::fromUtf8(texto)), tamanho) << texto;
  }
}

}  // namespace
}  // namespace cifra
