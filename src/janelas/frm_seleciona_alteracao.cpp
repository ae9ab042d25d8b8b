#include "frm_seleciona_alteracao.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "frm_altera_form.h"
#include "library/interpretacoes.h"
#include "auxiliares.h"
#include "settings/configuracao.h"

namespace cifra {
namespace {

constexpr std::array<const char*, kBotoesDeNumero> kRotulosDosNumeros = {
    "Número 1 (ou \"a\")", "Número 2 (ou \"e\")", "Número 3 (ou \"i\")", "Número 4 (ou \"o\")",
    "Número 5 (ou \"u\")", "Número 6 (ou \"y\")", "Número 7", "Número 8", "Número 9",
    "Especial Número 11", "Especial Número 22"};

QString Texto(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

frmSelecionaAlteracao::frmSelecionaAlteracao(QWidget* pai, const PastaDeDados& pasta,
                                             TitulosDosTopicos& titulos)
    : QDialog(pai), pasta_(pasta), titulos_(titulos) {
  setObjectName(QStringLiteral("frmSelecionaAlteracao"));
  setWindowTitle(QStringLiteral("Informe o texto a ser alterado..."));
  setModal(true);
  auto* lblInfo = new QLabel(
      QStringLiteral("Selecione abaixo o item onde está localizado o texto que você deseja alterar:"), this);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  cmbItem_ = new QComboBox(this);
  cmbItem_->setObjectName(QStringLiteral("cmbItem"));
  for (const Topico& t : Catalogo()) cmbItem_->addItem(Texto(t.rotulo));

  auto* frmInfo = new QGroupBox(
      QStringLiteral("Selecione o número que corresponde ao texto que você deseja alterar:"), this);
  frmInfo->setObjectName(QStringLiteral("frmInfo"));
  auto* grade = new QGridLayout(frmInfo);
  for (int i = 0; i < kBotoesDeNumero; ++i) {
    auto* o = new QRadioButton(QString::fromUtf8(kRotulosDosNumeros[static_cast<size_t>(i)]), frmInfo);
    o->setObjectName(QStringLiteral("optNumeros_%1").arg(i));
    grade->addWidget(o, i % 6, i / 6);
    optNumeros_[static_cast<size_t>(i)] = o;
  }
  // Texts no number button reaches: the value 0 and "no challenge at all".
  optNumeroZero_ = new QRadioButton(QStringLiteral("Número 0"), frmInfo);
  optNumeroZero_->setObjectName(QStringLiteral("optNumeroZero"));
  optNaoPossui_ = new QRadioButton(QStringLiteral("Não possui"), frmInfo);
  optNaoPossui_->setObjectName(QStringLiteral("optNaoPossui"));
  grade->addWidget(optNumeroZero_, 5, 1);
  grade->addWidget(optNaoPossui_, 5, 1);
  optNumeros_[0]->setChecked(true);

  auto* cmdAlterarTitulo = Botao(this, "cmdAlterarTitulo", QStringLiteral("Alterar o &Título"));
  auto* cmdAlterarHeader = Botao(this, "cmdAlterarHeader", QStringLiteral("Alterar o &Cabeçalho"));
  auto* cmdAlterarTexto = Botao(this, "cmdAlterarTexto", QStringLiteral("A&lterar Texto"));
  auto* cmdRetornar = Botao(this, "cmdRetornar", QStringLiteral("Retorna&r ao Programa"));
  connect(cmdAlterarTitulo, &QPushButton::clicked, this, &frmSelecionaAlteracao::cmdAlterarTitulo_Click);
  connect(cmdAlterarHeader, &QPushButton::clicked, this, &frmSelecionaAlteracao::cmdAlterarHeader_Click);
  connect(cmdAlterarTexto, &QPushButton::clicked, this, &frmSelecionaAlteracao::cmdAlterarTexto_Click);
  connect(cmdRetornar, &QPushButton::clicked, this, &frmSelecionaAlteracao::reject);
  connect(cmbItem_, &QComboBox::currentIndexChanged, this, &frmSelecionaAlteracao::cmbItem_Change);

  auto* botoes = new QHBoxLayout;
  for (QPushButton* b : {cmdAlterarTitulo, cmdAlterarHeader, cmdAlterarTexto}) botoes->addWidget(b);
  botoes->addStretch();
  botoes->addWidget(cmdRetornar);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblInfo);
  layout->addWidget(cmbItem_);
  layout->addWidget(frmInfo);
  layout->addLayout(botoes);
  cmbItem_->setCurrentIndex(0);
  cmbItem_Change();
}

int frmSelecionaAlteracao::TopicoEscolhido() const { return cmbItem_->currentIndex() + 1; }

void frmSelecionaAlteracao::cmbItem_Change() {
  const int t = TopicoEscolhido();
  const bool zero = RegistroDoNumeroZero(t) != 0;
  const bool naoPossui = RegistroDoNaoPossui(t) != 0;
  if ((optNumeroZero_->isChecked() && !zero) || (optNaoPossui_->isChecked() && !naoPossui)) {
    optNumeros_[0]->setChecked(true);
  }
  optNumeroZero_->setVisible(zero);
  optNaoPossui_->setVisible(naoPossui);
}

void frmSelecionaAlteracao::Edita(const QString& info, const std::string& arquivo, int registro) {
  frmAlteraForm editor(this, pasta_, info, arquivo, registro);
  editor.exec();
}

void frmSelecionaAlteracao::cmdAlterarTexto_Click() {
  const int t = TopicoEscolhido();
  int registro = 0;
  QString numero;
  if (optNumeroZero_->isChecked()) {
    registro = RegistroDoNumeroZero(t);
    numero = QStringLiteral("0");
  } else if (optNaoPossui_->isChecked()) {
    registro = RegistroDoNaoPossui(t);
    numero = QStringLiteral("\"Não possui\"");
  } else {
    int b = 0;
    while (!optNumeros_[static_cast<size_t>(b)]->isChecked()) ++b;
    registro = RegistroDoTextoEditado(t, b);
    numero = QString::fromStdString(NumeroDoBotao(b));
  }
  Edita(QStringLiteral("Texto referente ao cálculo ") + cmbItem_->currentText() +
            QStringLiteral("\r\nVocê está alterando a interpretação do número ") + numero,
        ArquivoDoTopico(t), registro);
}

void frmSelecionaAlteracao::cmdAlterarHeader_Click() {
  const int registro = TopicoDoNumero(TopicoEscolhido()).registroDescricao;
  if (registro == 0) {
    QMessageBox::information(this, QStringLiteral("Advertência:"), QString::fromUtf8(kSemCabecalho));
    return;
  }
  Edita(QStringLiteral("Texto referente ao cabeçalho do cálculo ") + cmbItem_->currentText(),
        kArquivoDescricoes, registro);
}

void frmSelecionaAlteracao::cmdAlterarTitulo_Click() {
  const int t = TopicoEscolhido();
  if (!TituloEditavel(t)) {
    QMessageBox::information(this, QStringLiteral("Advertência:"), QString::fromUtf8(kTituloPadrao));
    return;
  }
  Edita(QStringLiteral("Texto referente ao título - ") + cmbItem_->currentText(), kArquivoTitulos, t);
  // The next analysis starts from the titles as they are now in the file.
  titulos_ = LerTitulos(pasta_);
}

void frmSelecionaAlteracao::Executa(QWidget* pai, const PastaDeDados& pasta,
                                    TitulosDosTopicos& titulos) {
  frmSelecionaAlteracao janela(pai, pasta, titulos);
  janela.exec();
}

}  // namespace cifra
