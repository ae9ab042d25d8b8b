#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "apoio/janelas.h"
#include "settings/frm_configura_fonte.h"

namespace cifra {
namespace {

using teste::Controle;

TEST(frmConfiguraFonte, AplicaCadaMudancaNaHoraEOkGravaAsTresFontes) {
  teste::ComEstado s;
  frmConfiguraFonte janela(nullptr, s.estado);
  janela.show();
  EXPECT_EQ(Controle<QComboBox>(janela, QStringLiteral("cmbFonte_1"))->currentText(), "Courier New");
  EXPECT_EQ(Controle<QComboBox>(janela, QStringLiteral("cmbTamanho_2"))->currentText(), "12");
  EXPECT_TRUE(Controle<QCheckBox>(janela, QStringLiteral("chkItalico_0"))->isChecked());
  const QImage antes = Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage();
  // Title font to Liberation Mono 18, descriptions bold.
  teste::Substitui(Controle<QComboBox>(janela, QStringLiteral("cmbFonte_1"))->lineEdit(),
                   QStringLiteral("Liberation Mono"));
  teste::Substitui(Controle<QComboBox>(janela, QStringLiteral("cmbTamanho_1"))->lineEdit(),
                   QStringLiteral("18"));
  teste::Clica(janela, QStringLiteral("chkNegrito_0"));
  EXPECT_EQ(s.estado.fontes.FonteTitulo, (Fonte{"Liberation Mono", true, false, 18}));
  EXPECT_TRUE(s.estado.fontes.FonteDescricao.Negrito);
  EXPECT_NE(Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage(), antes);
  teste::Retrata(&janela, QStringLiteral("frmConfiguraFonte"));
  teste::Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  // The file's layout is the settings records' test; here, what was chosen is in it.
  EXPECT_EQ(LerFontes(s.estado.pasta), (Fontes{{"Liberation Mono", true, false, 18},
                                               {"Arial", true, true, 10},
                                               {"Times New Roman", false, false, 12}}));
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
