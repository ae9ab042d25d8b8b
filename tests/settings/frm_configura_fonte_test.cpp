#include <gtest/gtest.h>

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
  const QImage antes = Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage();
  teste::Substitui(Controle<QComboBox>(janela, QStringLiteral("cmbFonte_1"))->lineEdit(),
                   QStringLiteral("Liberation Mono"));
  teste::Substitui(Controle<QComboBox>(janela, QStringLiteral("cmbTamanho_1"))->lineEdit(),
                   QStringLiteral("18"));
  teste::Clica(janela, QStringLiteral("chkNegrito_0"));
  EXPECT_EQ(s.estado.fontes.FonteTitulo, (Fonte{"Liberation Mono", true, false, 18}));
  EXPECT_NE(Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage(), antes);
  teste::Retrata(&janela, QStringLiteral("frmConfiguraFonte"));
  teste::Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_EQ(LerFontes(s.estado.pasta), (Fontes{{"Liberation Mono", true, false, 18},
                                               {"Arial", true, true, 10},
                                               {"Times New Roman", false, false, 12}}));
}

// A size typed with its unit or a fraction: the leading number, rounded to even.
TEST(frmConfiguraFonte, TamanhoEscrito) {
  const std::pair<const char*, int> casos[] = {{"12 pt", 12}, {"10.5", 10}, {"11,5", 12}, {"x12", 0}};
  for (const auto& [texto, tamanho] : casos) {
    EXPECT_EQ(frmConfiguraFonte::TamanhoEscrito(QString::fromUtf8(texto)), tamanho) << texto;
  }
}

}  // namespace
}  // namespace cifra
