#include "frm_configura_fonte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>

#include "auxiliares.h"
#include "presentation/superficie.h"
#include "settings/fontes.h"

namespace cifra {
namespace {

constexpr int kNomeNoArquivo = 50;
constexpr double kLarguraAmostraMm = 120;
constexpr double kAlturaAmostraMm = 26;

constexpr std::array<const char*, 3> kCabecalhos = {
    "Informe abaixo a fonte a ser utilizada na impressão da descrição da análise:",
    "Informe abaixo a fonte a ser utilizada na impressão do título da análise:",
    "Informe abaixo a fonte a ser utilizada na impressão do texto da análise:"};

}  // namespace

frmConfiguraFonte::frmConfiguraFonte(QWidget* pai, const PastaDeDados& pasta, Fontes& fontes)
    : QDialog(pai), pasta_(pasta), fontes_(fontes) {
  setObjectName(QStringLiteral("frmConfiguraFonte"));
  setWindowTitle(QStringLiteral("Fontes..."));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 3; ++i) {
    const auto g = static_cast<size_t>(i);
    layout->addWidget(new QLabel(QString::fromUtf8(kCabecalhos[g]), this));
    cmbFonte_[g] = new QComboBox(this);
    cmbFonte_[g]->setObjectName(QStringLiteral("cmbFonte_%1").arg(i));
    cmbFonte_[g]->setEditable(true);
    cmbFonte_[g]->setInsertPolicy(QComboBox::NoInsert);
    cmbFonte_[g]->setMinimumWidth(260);
    cmbTamanho_[g] = new QComboBox(this);
    cmbTamanho_[g]->setObjectName(QStringLiteral("cmbTamanho_%1").arg(i));
    cmbTamanho_[g]->setEditable(true);
    cmbTamanho_[g]->setInsertPolicy(QComboBox::NoInsert);
    chkNegrito_[g] = new QCheckBox(QStringLiteral("Negrito"), this);
    chkNegrito_[g]->setObjectName(QStringLiteral("chkNegrito_%1").arg(i));
    chkItalico_[g] = new QCheckBox(QStringLiteral("Itálico"), this);
    chkItalico_[g]->setObjectName(QStringLiteral("chkItalico_%1").arg(i));
    auto* linha = new QHBoxLayout;
    linha->addWidget(cmbFonte_[g], 1);
    linha->addWidget(new QLabel(QStringLiteral("Tamanho:"), this));
    linha->addWidget(cmbTamanho_[g]);
    linha->addWidget(chkNegrito_[g]);
    linha->addWidget(chkItalico_[g]);
    layout->addLayout(linha);
    // Whatever changes in a group redraws the sample, as "Ver Amostra" does.
    connect(cmbFonte_[g], &QComboBox::currentTextChanged, this, &frmConfiguraFonte::cmdVisualizar_Click);
    connect(cmbTamanho_[g], &QComboBox::currentTextChanged, this, &frmConfiguraFonte::cmdVisualizar_Click);
    connect(chkNegrito_[g], &QCheckBox::toggled, this, &frmConfiguraFonte::cmdVisualizar_Click);
    connect(chkItalico_[g], &QCheckBox::toggled, this, &frmConfiguraFonte::cmdVisualizar_Click);
  }
  picExemplo_ = new QLabel(this);
  picExemplo_->setObjectName(QStringLiteral("picExemplo"));
  picExemplo_->setFrameShape(QFrame::Panel);
  picExemplo_->setFrameShadow(QFrame::Sunken);
  picExemplo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(picExemplo_);

  auto* cmdVisualizar = Botao(this, "cmdVisualizar", QStringLiteral("Ver &Amostra"));
  auto* cmdOk = Botao(this, "cmdOk", QStringLiteral("O&k"));
  auto* cmdCancelar = Botao(this, "cmdCancelar", QStringLiteral("Cancela&r"));
  connect(cmdVisualizar, &QPushButton::clicked, this, &frmConfiguraFonte::cmdVisualizar_Click);
  connect(cmdOk, &QPushButton::clicked, this, &frmConfiguraFonte::cmdOk_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmConfiguraFonte::reject);
  auto* botoes = new QHBoxLayout;
  botoes->addWidget(cmdVisualizar);
  botoes->addStretch();
  botoes->addWidget(cmdOk);
  botoes->addWidget(cmdCancelar);
  layout->addLayout(botoes);

  Carregando = true;
  PreencheFontes();
  Visualizar();
  Carregando = false;
}

Fonte& frmConfiguraFonte::FonteDoGrupo(int grupo) {
  Fontes& f = fontes_;
  return grupo == 0 ? f.FonteDescricao : grupo == 1 ? f.FonteTitulo : f.FonteTexto;
}

QStringList frmConfiguraFonte::Familias() {
  // The installed families are the ones the printer and the PDF draw with.
  // Fontconfig names a family found twice with its foundry ("URW Gothic
  // [UKWN]"): the operator sees, and the file keeps, the family alone.
  static const QRegularExpression kFundicao(QStringLiteral(R"(\s*\[[^\]]*\]\s*$)"));
  QStringList familias;
  for (QString f : QFontDatabase::families()) {
    f.remove(kFundicao);
    if (!f.isEmpty() && !familias.contains(f)) familias << f;
  }
  return familias;
}

void frmConfiguraFonte::PreencheFontes() {
  const QStringList familias = Familias();
  for (int i = 0; i < 3; ++i) {
    const auto g = static_cast<size_t>(i);
    const Fonte& fonte = FonteDoGrupo(i);
    const QString nome = QString::fromStdString(fonte.Nome).trimmed();
    cmbFonte_[g]->clear();
    cmbFonte_[g]->addItems(familias);
    // A stored font the machine lacks selects nothing, but its name stays in the box.
    cmbFonte_[g]->setCurrentIndex(static_cast<int>(familias.indexOf(nome)));
    if (cmbFonte_[g]->currentIndex() < 0) cmbFonte_[g]->setEditText(nome);
    cmbTamanho_[g]->clear();
    for (int n = 3; n <= 11; ++n) cmbTamanho_[g]->addItem(QString::number(2 * n));
    cmbTamanho_[g]->setCurrentIndex(cmbTamanho_[g]->findText(QString::number(fonte.Tamanho)));
    if (cmbTamanho_[g]->currentIndex() < 0) cmbTamanho_[g]->setEditText(QString::number(fonte.Tamanho));
    chkNegrito_[g]->setChecked(fonte.Negrito);
    chkItalico_[g]->setChecked(fonte.Italico);
  }
}

int16_t frmConfiguraFonte::TamanhoEscrito(const QString& texto) {
  static const QRegularExpression kNumero(QStringLiteral(R"(^\s*[-+]?(\d+([.,]\d*)?|[.,]\d+))"));
  const auto achado = kNumero.match(texto);
  if (!achado.hasMatch()) return 0;
  QString numero = achado.captured(0).trimmed();
  numero.replace(QLatin1Char(','), QLatin1Char('.'));
  const double valor = std::clamp(numero.toDouble(), -32768.0, 32767.0);
  return static_cast<int16_t>(std::nearbyint(valor));  // the default rounding: half to even
}

void frmConfiguraFonte::PreencherFonte() {
  for (int i = 0; i < 3; ++i) {
    const auto g = static_cast<size_t>(i);
    Fonte& fonte = FonteDoGrupo(i);
    fonte.Nome = cmbFonte_[g]->currentText().left(kNomeNoArquivo).toStdString();
    fonte.Negrito = chkNegrito_[g]->isChecked();
    fonte.Italico = chkItalico_[g]->isChecked();
    // Drawn within 6 to 72 points; the sample and the file say the same.
    fonte.Tamanho = std::clamp<int16_t>(TamanhoEscrito(cmbTamanho_[g]->currentText()), 6, 72);
  }
}

void frmConfiguraFonte::Visualizar() {
  const double pontosPorMm = logicalDpiX() / kMmPorPolegada;
  QPixmap amostra(static_cast<int>(kLarguraAmostraMm * pontosPorMm),
                  static_cast<int>(kAlturaAmostraMm * pontosPorMm));
  amostra.fill(Qt::white);
  {
    QPainter painter(&amostra);
    SuperficieQPainter s(painter, pontosPorMm, kLarguraAmostraMm, kAlturaAmostraMm);
    const Fontes& f = fontes_;
    s.CurrentX = 2;
    s.CurrentY = 2;
    auto linha = [&s](const Fonte& fonte, std::string_view texto) {
      s.SetFonte(fonte);
      s.Print(texto);
      s.CurrentX = 2;
      s.CurrentY += s.TextHeight(texto);
    };
    linha(f.FonteDescricao, "Este é o número...");
    s.CurrentY += 1;
    linha(f.FonteTitulo, "Interpretação:");
    s.CurrentY += 1;
    linha(f.FonteTexto, "Você é uma pessoa...");
  }
  picExemplo_->setPixmap(amostra);
}

void frmConfiguraFonte::cmdVisualizar_Click() {
  if (Carregando) return;
  PreencherFonte();
  Visualizar();
}

void frmConfiguraFonte::cmdOk_Click() {
  const Fontes fontes = fontes_;
  if (GravaAvisando(this, [&] { GravarFontes(pasta_, fontes); })) accept();
}

void frmConfiguraFonte::reject() {
  // The file still holds the fonts of before the dialog: read them back.
  GravaAvisando(this, [&] { fontes_ = LerFontes(pasta_); });
  QDialog::reject();
}

bool frmConfiguraFonte::Executa(QWidget* pai, const PastaDeDados& pasta, Fontes& fontes) {
  frmConfiguraFonte janela(pai, pasta, fontes);
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
