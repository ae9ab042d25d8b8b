#include "frm_configura_rodape.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "library/edicao.h"
#include "auxiliares.h"
#include "settings/configuracao.h"

namespace cifra {

frmConfiguraRodape::frmConfiguraRodape(QWidget* pai, const PastaDeDados& pasta, LinhasRodape& linhas)
    : QDialog(pai), pasta_(pasta), linhas_(linhas) {
  setObjectName(QStringLiteral("frmConfiguraRodape"));
  setWindowTitle(QStringLiteral("Configuração do cabeçalho e do rodapé..."));
  setModal(true);
  setMinimumWidth(620);
  auto* layout = new QVBoxLayout(this);
  int n = 0;
  auto caixa = [&](const char* nome, const char* rotulo, int maximo, const std::string& texto) {
    auto* lblInfo = new QLabel(QString::fromUtf8(rotulo), this);
    lblInfo->setObjectName(QStringLiteral("lblInfo_%1").arg(n++));
    auto* txt = new QLineEdit(QString::fromStdString(texto), this);
    txt->setObjectName(QString::fromLatin1(nome));
    // A record holds what the box accepts, so nothing is ever cut on saving.
    txt->setMaxLength(maximo);
    layout->addWidget(lblInfo);
    layout->addWidget(txt);
    return txt;
  };
  const LinhasRodape& l = linhas_;
  const int maximoRodape = static_cast<int>(kMaximoLinhaRodape);
  txtCabecalhoLinhaUm_ = caixa("txtCabecalhoLinhaUm",
      "Informe abaixo o texto para o cabeçalho (o texto deverá extremamente pequeno):",
      kMaximoCabecalho, l.LinhaCabecalho);
  txtRodapeLinhaUm_ = caixa("txtRodapeLinhaUm",
      "Informe abaixo o texto para a primeira linha do rodapé (aparecerá em negrito):",
      maximoRodape, l.LinhaRodapeUm);
  txtRodapeLinhaDois_ = caixa("txtRodapeLinhaDois",
      "Informe abaixo o texto para a segunda linha do rodapé (procure informar o seu "
      "telefone e e-mail):",
      maximoRodape, l.LinhaRodapeDois);

  auto* cmdOk = Botao(this, "cmdOk", QStringLiteral("O&k"));
  auto* cmdCancelar = Botao(this, "cmdCancelar", QStringLiteral("Cancela&r"));
  connect(cmdOk, &QPushButton::clicked, this, &frmConfiguraRodape::cmdOk_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmConfiguraRodape::reject);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(cmdOk);
  botoes->addWidget(cmdCancelar);
  layout->addLayout(botoes);
}

void frmConfiguraRodape::cmdOk_Click() {
  const LinhasRodape novas{txtRodapeLinhaUm_->text().toStdString(),
                           txtRodapeLinhaDois_->text().toStdString(),
                           txtCabecalhoLinhaUm_->text().toStdString()};
  const auto semLugar =
      CaracteresSemLugar(novas.LinhaRodapeUm + novas.LinhaRodapeDois + novas.LinhaCabecalho);
  if (!semLugar.empty()) {
    QMessageBox::warning(this, QStringLiteral("Atenção:"),
                         QStringLiteral("As linhas contêm caracteres que o arquivo não pode "
                                        "guardar: %1. Retire-os ou troque-os e repita a operação.")
                             .arg(QString::fromStdString(ListaDeCaracteres(semLugar))));
    return;
  }
  if (!GravaAvisando(this, [&] { GravarLinhasRodape(pasta_, novas); })) return;
  linhas_ = LerLinhasRodape(pasta_);
  QMessageBox::information(this, QStringLiteral("Informação:"), QString::fromUtf8(kAvisoGravado));
  accept();
}

void frmConfiguraRodape::reject() {
  if (QMessageBox::question(this, QStringLiteral("Atenção:"), QString::fromUtf8(kPerguntaCancelar),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    QDialog::reject();
  }
}

bool frmConfiguraRodape::Executa(QWidget* pai, const PastaDeDados& pasta, LinhasRodape& linhas) {
  frmConfiguraRodape janela(pai, pasta, linhas);
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
