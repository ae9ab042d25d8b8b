#include "frm_ordem.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "auxiliares.h"
#include "library/pasta_dados.h"

namespace cifra {

frmOrdem::frmOrdem(QWidget* pai, const PastaDeDados& pasta, OrdemDosTopicos& ordem)
    : QDialog(pai), pasta_(pasta), ordem_(ordem) {
  setObjectName(QStringLiteral("frmOrdem"));
  setWindowTitle(QStringLiteral("Ordem de Execução da Análise"));
  setModal(true);
  auto* lblInfo = new QLabel(QStringLiteral("Ajuste os tópicos na ordem em que deverão aparecer:"), this);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  lstPrioridade_ = new QListWidget(this);
  lstPrioridade_->setObjectName(QStringLiteral("lstPrioridade"));
  lstPrioridade_->setSelectionMode(QAbstractItemView::SingleSelection);
  // A damaged order file opens as far as it is valid, so every entry is a topic.
  const OrdemDosTopicos valida = OrdemValida(ordem_);
  for (size_t i = 1; i < valida.size(); ++i) {
    lstPrioridade_->addItem(QString::fromStdString(NomeDoTopico(valida[i])));
  }
  lstPrioridade_->setCurrentRow(0);
  // All thirty in view, so the operator sees the whole order at once.
  lstPrioridade_->setMinimumHeight(lstPrioridade_->sizeHintForRow(0) * lstPrioridade_->count() +
                                   2 * lstPrioridade_->frameWidth());

  auto* cmdPriorizar = Botao(this, "cmdPriorizar", QStringLiteral("&Subir um nível"));
  auto* cmdDespriorizar = Botao(this, "cmdDespriorizar", QStringLiteral("&Baixar um nível"));
  auto* cmdOk = Botao(this, "cmdOk", QStringLiteral("O&k"));
  auto* cmdCancelar = Botao(this, "cmdCancelar", QStringLiteral("&Cancelar"));
  connect(cmdPriorizar, &QPushButton::clicked, this, [this] { Move(-1); });
  connect(cmdDespriorizar, &QPushButton::clicked, this, [this] { Move(+1); });
  connect(cmdOk, &QPushButton::clicked, this, &frmOrdem::cmdOk_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmOrdem::reject);

  auto* lado = new QVBoxLayout;
  lado->addWidget(cmdPriorizar);
  lado->addWidget(cmdDespriorizar);
  lado->addStretch();
  lado->addWidget(cmdOk);
  lado->addWidget(cmdCancelar);
  auto* meio = new QHBoxLayout;
  meio->addWidget(lstPrioridade_, 1);
  meio->addLayout(lado);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblInfo);
  layout->addLayout(meio);
}

void frmOrdem::Move(int deslocamento) {
  const int s = lstPrioridade_->currentRow();
  const int destino = s + deslocamento;
  if (s < 0 || destino < 0 || destino >= lstPrioridade_->count()) {
    QApplication::beep();
    emit Bipe();
    return;
  }
  // The selected topic and its neighbour change places; the selection follows the topic.
  lstPrioridade_->insertItem(destino, lstPrioridade_->takeItem(s));
  lstPrioridade_->setCurrentRow(destino);
}

void frmOrdem::cmdOk_Click() {
  OrdemDosTopicos nova{};
  for (int i = 0; i < lstPrioridade_->count(); ++i) {
    nova[static_cast<size_t>(i + 1)] =
        static_cast<int16_t>(TopicoRealDoNome(lstPrioridade_->item(i)->text().toStdString()));
  }
  if (!GravaAvisando(this, [&] { GravarOrdemTopicos(pasta_, nova); })) return;
  ordem_ = nova;
  accept();
}

bool frmOrdem::Executa(QWidget* pai, const PastaDeDados& pasta, OrdemDosTopicos& ordem) {
  frmOrdem janela(pai, pasta, ordem);
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
