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

std::vector<uint8_t> Fonte(const std::string& nome, bool negrito, bool italico, uint8_t tamanho) {
  std::vector<uint8_t> b(nome.begin(), nome.end());
  b.resize(50, ' ');
  const uint8_t n = negrito ? 0xFF : 0, i = italico ? 0xFF : 0;
  b.insert(b.end(), {n, n, i, i, tamanho, 0});
  return b;
}

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
  EXPECT_EQ(s.estado.fontes.FonteTitulo, (cifra::Fonte{"Liberation Mono", true, false, 18}));
  EXPECT_TRUE(s.estado.fontes.FonteDescricao.Negrito);
  EXPECT_NE(Controle<QLabel>(janela, QStringLiteral("picExemplo"))->pixmap().toImage(), antes);
  teste::Retrata(&janela, QStringLiteral("frmConfiguraFonte"));
  teste::Clica(janela, QStringLiteral("cmdOk"));
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  std::vector<uint8_t> esperado = Fonte("Liberation Mono", true, false, 18);
  for (const auto& f : {Fonte("Arial", true, true, 10), Fonte("Times New Roman", false, false, 12)}) {
    esperado.insert(esperado.end(), f.begin(), f.end());
  }
  EXPECT_EQ(teste::LeBytes(s.pasta / "fontes.dat"), esperado);
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
