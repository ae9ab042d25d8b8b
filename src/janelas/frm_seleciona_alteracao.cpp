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
  for (int item = 0; item < kItensDoEditor; ++item) cmbItem_->addItem(Texto(RotuloDoItem(item)));

  auto* frmInfo = new QGroupBox(
      QStringLiteral("Selecione o número que corresponde ao texto que você deseja alterar:"), this);
  frmInfo->setObjectName(QStringLiteral("frmInfo"));
  auto* grade = new QGridLayout(frmInfo);
  // The captions follow the item chosen (cmbItem_Change).
  for (int i = 0; i < kBotoesDeNumero; ++i) {
    auto* o = new QRadioButton(frmInfo);
    o->setObjectName(QStringLiteral("optNumeros_%1").arg(i));
    // An item with fewer numbers leaves the others' places empty, so the
    // window keeps its shape from item to item.
    QSizePolicy politica = o->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    o->setSizePolicy(politica);
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
  lblTextoUnico_ = new QLabel(
      QStringLiteral("Este item tem um só texto, sem números: use \"Alterar Texto\"."), frmInfo);
  lblTextoUnico_->setObjectName(QStringLiteral("lblTextoUnico"));
  grade->addWidget(lblTextoUnico_, 0, 0, 1, 2);
  optNumeros_[0]->setChecked(true);

  auto* cmdAlterarTitulo = Botao(this, "cmdAlterarTitulo", QStringLiteral("Alterar o &Título"));
  cmdAlterarTitulo_ = cmdAlterarTitulo;
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

int frmSelecionaAlteracao::ItemEscolhido() const { return cmbItem_->currentIndex(); }

int frmSelecionaAlteracao::BotaoEscolhido() const {
  for (int b = 0; b < kBotoesDeNumero; ++b) {
    if (optNumeros_[static_cast<size_t>(b)]->isChecked()) return b;
  }
  return 0;
}

void frmSelecionaAlteracao::cmbItem_Change() {
  const int item = ItemEscolhido();
  const int t = TopicoDoItem(item);
  const std::vector<BotaoDeNumero> botoes = BotoesDoItem(item);
  const bool zero = RegistroDoNumeroZero(t) != 0;
  const bool naoPossui = RegistroDoNaoPossui(t) != 0;
  if ((optNumeroZero_->isChecked() && !zero) || (optNaoPossui_->isChecked() && !naoPossui) ||
      BotaoEscolhido() >= static_cast<int>(botoes.size())) {
    optNumeros_[0]->setChecked(true);
  }
  for (int b = 0; b < kBotoesDeNumero; ++b) {
    QRadioButton* o = optNumeros_[static_cast<size_t>(b)];
    const bool existe = b < static_cast<int>(botoes.size());
    if (existe) o->setText(Texto(botoes[static_cast<size_t>(b)].rotulo));
    o->setVisible(existe);
  }
  optNumeroZero_->setVisible(zero);
  optNaoPossui_->setVisible(naoPossui);
  // The map's description is a single text: no number to choose.
  lblTextoUnico_->setVisible(botoes.empty());
  // The karmic items are titled by the program itself.
  cmdAlterarTitulo_->setEnabled(t != 0);
}

void frmSelecionaAlteracao::Edita(const QString& info, const TextoDaBiblioteca& texto) {
  frmAlteraForm editor(this, pasta_, info, texto.arquivo, texto.registro);
  editor.exec();
}

void frmSelecionaAlteracao::cmdAlterarTexto_Click() {
  const int item = ItemEscolhido();
  const int t = TopicoDoItem(item);
  const std::vector<BotaoDeNumero> botoes = BotoesDoItem(item);
  if (botoes.empty()) {  // the map's description
    Edita(QStringLiteral("Texto referente ao ") + cmbItem_->currentText(), TextoDoBotao(item, 0));
    return;
  }
  TextoDaBiblioteca texto;
  QString numero;
  if (optNumeroZero_->isChecked()) {
    texto = {ArquivoDoTopico(t), RegistroDoNumeroZero(t)};
    numero = QStringLiteral("0");
  } else if (optNaoPossui_->isChecked()) {
    texto = {ArquivoDoTopico(t), RegistroDoNaoPossui(t)};
    numero = QStringLiteral("\"Não possui\"");
  } else {
    const int b = BotaoEscolhido();
    texto = TextoDoBotao(item, b);
    numero = QString::number(botoes[static_cast<size_t>(b)].numero);
  }
  Edita(QStringLiteral("Texto referente ao cálculo ") + cmbItem_->currentText() +
            QStringLiteral("\r\nVocê está alterando a interpretação do número ") + numero,
        texto);
}

void frmSelecionaAlteracao::cmdAlterarHeader_Click() {
  const TextoDaBiblioteca cabecalho = CabecalhoDoItem(ItemEscolhido());
  if (cabecalho.registro == 0) {
    QMessageBox::information(this, QStringLiteral("Advertência:"), QString::fromUtf8(kSemCabecalho));
    return;
  }
  Edita(QStringLiteral("Texto referente ao cabeçalho do cálculo ") + cmbItem_->currentText(),
        cabecalho);
}

void frmSelecionaAlteracao::cmdAlterarTitulo_Click() {
  const TextoDaBiblioteca titulo = TituloDoItem(ItemEscolhido());
  if (titulo.registro == 0) {
    QMessageBox::information(this, QStringLiteral("Advertência:"), QString::fromUtf8(kTituloPadrao));
    return;
  }
  Edita(QStringLiteral("Texto referente ao título - ") + cmbItem_->currentText(), titulo);
  // The next analysis starts from the titles as they are now in the file.
  titulos_ = LerTitulos(pasta_);
}

void frmSelecionaAlteracao::Executa(QWidget* pai, const PastaDeDados& pasta,
                                    TitulosDosTopicos& titulos) {
  frmSelecionaAlteracao janela(pai, pasta, titulos);
  janela.exec();
}

}  // namespace cifra
