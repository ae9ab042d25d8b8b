#pragma once
// The three fonts of the analysis (descriptions, titles, texts) with a live
// sample. Every change is applied to the program's fonts at once; "O&k"
// writes them to the file, "Cancela&r" (or the close box) reads the file back.
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace cifra {
class PastaDeDados;
struct Fonte;
struct Fontes;

class frmConfiguraFonte : public QDialog {
  Q_OBJECT
 public:
  frmConfiguraFonte(QWidget* pai, const PastaDeDados& pasta, Fontes& fontes);
  static bool Executa(QWidget* pai, const PastaDeDados& pasta, Fontes& fontes);

  void reject() override;  // the close box and Esc cancel as "Cancela&r" does

  // The size typed in a size list: its leading number, rounded half to even; 0 without one.
  static int16_t TamanhoEscrito(const QString& texto);
  // The installed font families, each once, without fontconfig's foundry suffix.
  static QStringList Familias();

 private:
  void PreencheFontes();
  void PreencherFonte();
  void Visualizar();
  void cmdVisualizar_Click();
  void cmdOk_Click();
  Fonte& FonteDoGrupo(int grupo);

  const PastaDeDados& pasta_;
  Fontes& fontes_;
  bool Carregando = false;
  std::array<QComboBox*, 3> cmbFonte_{};
  std::array<QComboBox*, 3> cmbTamanho_{};
  std::array<QCheckBox*, 3> chkNegrito_{};
  std::array<QCheckBox*, 3> chkItalico_{};
  QLabel* picExemplo_;
};

}  // namespace cifra
