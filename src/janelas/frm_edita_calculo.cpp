#include "frm_edita_calculo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "library/edicao.h"
#include "engine/numerologia.h"
#include "library/formulas.h"
#include "auxiliares.h"

namespace cifra {
namespace {

// The person the value is shown for: the one of the analysis on show, or an example.
ContextoFormula PessoaDeExemplo(const std::optional<PessoaAnalisada>& amostra,
                                bool numerosMagicos, std::string* rotulo) {
  ContextoFormula c;
  c.hoje = DataDeHoje();
  c.numerosMagicos = numerosMagicos;
  if (amostra) {
    c.nome = amostra->Nome;
    c.nascimento = amostra->Nascimento;
  } else {
    c.nome = U"MARIA DA SILVA";
    c.nascimento = {12, 8, 1978};
  }
  *rotulo = Utf8(c.nome) + ", " + FormataData(c.nascimento);
  return c;
}

}  // namespace

frmEditaCalculo::frmEditaCalculo(QWidget* pai, const PastaDeDados& pasta, bool numerosMagicos,
                                 const PessoaAnalisada* amostra)
    : QDialog(pai),
      pasta_(pasta),
      numerosMagicos_(numerosMagicos),
      amostra_(amostra ? std::optional(*amostra) : std::nullopt),
      arquivo_(kFormulaA) {
  setObjectName(QStringLiteral("frmEditaCalculo"));
  setWindowTitle(QStringLiteral("Editor de Cálculos do Programa Q7R3"));
  setModal(true);
  auto* frmInfo = new QGroupBox(
      QStringLiteral("Selecione abaixo o número que você deseja incluir no cálculo:"), this);
  frmInfo->setObjectName(QStringLiteral("frmInfo"));
  auto* grade = new QGridLayout(frmInfo);
  optNumero_ = new QButtonGroup(this);
  for (int i = 0; i < kBlocosDeFormula; ++i) {
    const std::string_view nome = NomeDoBloco(i);
    auto* o = new QRadioButton(QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size())), frmInfo);
    o->setObjectName(QStringLiteral("optNumero_%1").arg(i));
    optNumero_->addButton(o, i);
    grade->addWidget(o, i % 6, i / 6);
  }
  connect(optNumero_, &QButtonGroup::idToggled, this, &frmEditaCalculo::MostraFormula);

  lblFormula_ = new QLabel(this);
  lblFormula_->setObjectName(QStringLiteral("lblFormula"));
  lblFormula_->setWordWrap(true);
  lblFormula_->setFrameShape(QFrame::Panel);
  lblFormula_->setFrameShadow(QFrame::Sunken);
  lblFormula_->setMinimumHeight(44);
  lblValor_ = new QLabel(this);
  lblValor_->setObjectName(QStringLiteral("lblValor"));

  auto* cmdSomarCom = Botao(this, "cmdSomarCom", QStringLiteral("&Somar com..."));
  auto* cmdDiminuirDe = Botao(this, "cmdDiminuirDe", QStringLiteral("&Diminuir de..."));
  auto* cmdEncerrarCalculo = Botao(this, "cmdEncerrarCalculo", QStringLiteral("Encerra&r Cálculo"));
  auto* cmdCancelar = Botao(this, "cmdCancelar", QStringLiteral("&Cancelar"));
  connect(cmdSomarCom, &QPushButton::clicked, this, [this] { Acrescenta(codigo_formula::kSomar); });
  connect(cmdDiminuirDe, &QPushButton::clicked, this, [this] { Acrescenta(codigo_formula::kSubtrair); });
  connect(cmdEncerrarCalculo, &QPushButton::clicked, this, &frmEditaCalculo::cmdEncerrarCalculo_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmEditaCalculo::reject);

  auto* botoes = new QHBoxLayout;
  for (QPushButton* b : {cmdSomarCom, cmdDiminuirDe, cmdEncerrarCalculo, cmdCancelar}) botoes->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frmInfo);
  layout->addWidget(new QLabel(QStringLiteral("Selecione abaixo a operação a ser realizada com o número acima:"), this));
  layout->addLayout(botoes);
  layout->addWidget(new QLabel(QStringLiteral("Cálculo até aqui:"), this));
  layout->addWidget(lblFormula_);
  layout->addWidget(lblValor_);
  MostraFormula();
}

int frmEditaCalculo::RecuperaOpcao() const {
  const int id = optNumero_->checkedId();
  return id < 0 ? kNenhumaOpcao : id;
}

bool frmEditaCalculo::TemOpcao() {
  if (RecuperaOpcao() != kNenhumaOpcao) return true;
  QMessageBox::warning(this, QStringLiteral("Advertência:"), QString::fromUtf8(kEscolhaONumero));
  return false;
}

void frmEditaCalculo::LimpaOpcoes() {
  optNumero_->setExclusive(false);
  for (QAbstractButton* b : optNumero_->buttons()) b->setChecked(false);
  optNumero_->setExclusive(true);
}

void frmEditaCalculo::Acrescenta(int16_t operador) {
  if (!TemOpcao()) return;
  // The flag, these codes, one more block and the end code must fit the file.
  if (static_cast<int64_t>(codigos_.size()) + 5 > kMaiorFormula) {
    QMessageBox::warning(this, QStringLiteral("Advertência:"),
                         QStringLiteral("A fórmula já tem o maior número de parcelas que o "
                                        "arquivo comporta. Escolha o último número e encerre."));
    return;
  }
  codigos_.push_back(static_cast<int16_t>(RecuperaOpcao()));
  codigos_.push_back(operador);
  LimpaOpcoes();
  MostraFormula();
}

void frmEditaCalculo::MostraFormula() {
  const int escolhido = optNumero_->checkedId();
  std::vector<int16_t> vista = codigos_;
  if (escolhido >= 0) vista.push_back(static_cast<int16_t>(escolhido));
  const QString texto = QString::fromStdString(TextoDaFormula(vista));
  lblFormula_->setText(texto.isEmpty() ? QStringLiteral("(vazio)") : texto);
  std::string pessoa;
  const ContextoFormula contexto = PessoaDeExemplo(amostra_, numerosMagicos_, &pessoa);
  if (vista.empty() || vista.back() == codigo_formula::kSomar || vista.back() == codigo_formula::kSubtrair) {
    lblValor_->setText(QStringLiteral("Valor para %1: escolha o próximo número.").arg(QString::fromStdString(pessoa)));
    return;
  }
  const int semMestres = ValorDaFormulaEmConstrucao(codigos_, escolhido, false, contexto);
  const int comMestres = ValorDaFormulaEmConstrucao(codigos_, escolhido, true, contexto);
  QString valor = QStringLiteral("Valor para %1: %2").arg(QString::fromStdString(pessoa)).arg(semMestres);
  if (comMestres != semMestres) {
    valor += QStringLiteral(" (%1 com os números 11 e 22 válidos)").arg(comMestres);
  }
  lblValor_->setText(valor);
}

void frmEditaCalculo::cmdEncerrarCalculo_Click() {
  if (!TemOpcao()) return;
  std::vector<int16_t> completos = codigos_;
  completos.push_back(static_cast<int16_t>(RecuperaOpcao()));
  completos.push_back(codigo_formula::kFim);
  const bool mestres = QMessageBox::question(this, QStringLiteral("Importante:"),
                                             QString::fromUtf8(kPerguntaMestres),
                                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  // Only the records of the new formula are written; an older, longer one
  // keeps its tail after the end code.
  if (!GravaAvisando(this, [&] { GravarFormula(pasta_, arquivo_, mestres, completos); })) return;
  codigos_ = completos;
  QMessageBox::information(this, QStringLiteral("Operação OK"), QString::fromUtf8(kCriado));
  accept();
}

void frmEditaCalculo::reject() {
  if (QMessageBox::question(this, QStringLiteral("Aviso:"), QString::fromUtf8(kPerguntaCancelar),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    QDialog::reject();
  }
}

bool frmEditaCalculo::Executa(QWidget* pai, const PastaDeDados& pasta, bool numerosMagicos,
                              const PessoaAnalisada* amostra, const std::string& arquivo) {
  frmEditaCalculo janela(pai, pasta, numerosMagicos, amostra);
  janela.DefineArquivoAGravar(arquivo);
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
