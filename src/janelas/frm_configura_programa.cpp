#include "frm_configura_programa.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "auxiliares.h"
#include "settings/configuracao.h"

namespace cifra {
namespace {

QCheckBox* Caixa(const char* nome, const char* texto, bool marcada, QWidget* pai) {
  auto* c = new QCheckBox(QString::fromUtf8(texto), pai);
  c->setObjectName(QString::fromLatin1(nome));
  c->setChecked(marcada);
  return c;
}

// The box caption is the editor label without its "(=primeira)" remark.
QString RotuloDaCaixa(const Topico& t) {
  QString r = QString::fromUtf8(t.rotulo.data(), static_cast<qsizetype>(t.rotulo.size()));
  const auto parentese = r.indexOf(QLatin1String(" ("));
  return parentese < 0 ? r : r.left(parentese);
}

}  // namespace

frmConfiguraPrograma::frmConfiguraPrograma(QWidget* pai, const PastaDeDados& pasta,
                                           ProgramOptions& opcoes)
    : QDialog(pai), pasta_(pasta), opcoes_(opcoes) {
  setObjectName(QStringLiteral("frmConfiguraPrograma"));
  setWindowTitle(QStringLiteral("Configuração..."));
  setModal(true);
  const ProgramOptions& o = opcoes_;

  auto* fraFundo = new QGroupBox(
      QStringLiteral("Marque abaixo os números que deverão ser calculados em cada análise:"), this);
  fraFundo->setObjectName(QStringLiteral("fraFundo"));
  auto* grade = new QGridLayout(fraFundo);
  constexpr int kPorColuna = (kTopicos + 1) / 2;
  for (const Topico& t : Catalogo()) {
    const int i = t.numero - 1;
    auto* c = new QCheckBox(RotuloDaCaixa(t), fraFundo);
    c->setObjectName(QStringLiteral("chkInterpretacoes_%1").arg(i));
    c->setChecked(o.TopicoAtivo[static_cast<size_t>(t.numero)]);
    grade->addWidget(c, i % kPorColuna, i / kPorColuna);
    chkInterpretacoes_[static_cast<size_t>(i)] = c;
  }
  // The map is told after the thirty topics, as a section of its own: its
  // box comes after theirs, set apart by a line.
  auto* linha = new QFrame(fraFundo);
  linha->setFrameShape(QFrame::HLine);
  linha->setFrameShadow(QFrame::Sunken);
  grade->addWidget(linha, kPorColuna, 0, 1, 2);
  chkIncluirMapaCarmico_ = Caixa("chkIncluirMapaCarmico", "Incluir o Mapa Cármico",
                                 o.IncluirMapaCarmico, fraFundo);
  grade->addWidget(chkIncluirMapaCarmico_, kPorColuna + 1, 0, 1, 2);

  chkImprimirDescricao_ = Caixa("chkImprimirDescricao",
      "Imprimir comentário sobre o significado do cálculo antes da sua interpretação",
      o.ImprimirDescricao, this);
  chkImprimirCabecalho_ = Caixa("chkImprimirCabecalho",
      "Imprimir o cabeçalho em todas as folhas da análise", o.ImprimirCabecalho, this);
  chkImprimirNumero_ = Caixa("chkImprimirNumero",
      "Imprimir o resultado do cálculo de cada análise ao lado do título", o.ImprimirNumero, this);
  chkEscutarSons_ = Caixa("chkEscutarSons", "Tocar sons durante a execução do programa",
                          o.EscutarSons, this);
  chkConsiderarDiaNascimento_ = Caixa("chkConsiderarDiaNascimento",
      "Considerar o dia do nascimento para calcular o Ano Pessoal", o.ConsiderarDiaNascimento,
      this);
  // Kept through every opening, never shown.
  chkExibirQuadroNumerologico_ = Caixa("chkExibirQuadroNumerologico",
      "Exibir quadro numerológico", o.ExibirQuadroNumerologico, this);
  chkNumerosMagicos_ = Caixa("chkNumerosMagicos", "Utilizar os números mágicos 11 e 22",
                             o.NumerosMagicos, this);
  chkExibirQuadroNumerologico_->setVisible(false);
  chkNumerosMagicos_->setVisible(false);

  auto* cmdOk = Botao(this, "cmdOk", QStringLiteral("O&k"));
  cmdOk->setDefault(true);
  auto* cmdCancelar = Botao(this, "cmdCancelar", QStringLiteral("Cancela&r"));
  connect(cmdOk, &QPushButton::clicked, this, &frmConfiguraPrograma::cmdOk_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(cmdOk);
  botoes->addWidget(cmdCancelar);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraFundo);
  for (QCheckBox* c : {chkImprimirDescricao_, chkImprimirCabecalho_, chkImprimirNumero_,
                       chkEscutarSons_, chkConsiderarDiaNascimento_,
                       chkExibirQuadroNumerologico_, chkNumerosMagicos_}) {
    layout->addWidget(c);
  }
  layout->addLayout(botoes);
}

void frmConfiguraPrograma::cmdOk_Click() {
  const bool algum = std::any_of(chkInterpretacoes_.begin(), chkInterpretacoes_.end(),
                                 [](const QCheckBox* c) { return c->isChecked(); });
  if (!algum) {
    QMessageBox::critical(this, QStringLiteral("Erro:"), QString::fromUtf8(kMensagemSemTopicos));
    return;
  }
  ProgramOptions o = opcoes_;
  for (const Topico& t : Catalogo()) {
    o.TopicoAtivo[static_cast<size_t>(t.numero)] =
        chkInterpretacoes_[static_cast<size_t>(t.numero - 1)]->isChecked();
  }
  o.ImprimirCabecalho = chkImprimirCabecalho_->isChecked();
  o.ImprimirDescricao = chkImprimirDescricao_->isChecked();
  o.ImprimirNumero = chkImprimirNumero_->isChecked();
  o.EscutarSons = chkEscutarSons_->isChecked();
  o.ExibirQuadroNumerologico = chkExibirQuadroNumerologico_->isChecked();
  o.ConsiderarDiaNascimento = chkConsiderarDiaNascimento_->isChecked();
  o.NumerosMagicos = chkNumerosMagicos_->isChecked();
  o.IncluirMapaCarmico = chkIncluirMapaCarmico_->isChecked();
  // A save that fails keeps the dialog open, as the other settings dialogs do.
  if (!GravaAvisando(this, [&] { GravarEstadoPrograma(pasta_, o); })) return;
  opcoes_ = o;
  accept();
}

bool frmConfiguraPrograma::Executa(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes) {
  frmConfiguraPrograma janela(pai, pasta, opcoes);
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
