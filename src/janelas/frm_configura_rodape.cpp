#include "frm_configura_rodape.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <QImage>
#include <QPainter>

#include "library/edicao.h"
#include "presentation/compositor.h"
#include "presentation/superficie.h"
#include "auxiliares.h"
#include "settings/configuracao.h"

namespace cifra {

frmConfiguraRodape::frmConfiguraRodape(QWidget* pai, const PastaDeDados& pasta, LinhasRodape& linhas,
                                       const Margens& margens)
    : QDialog(pai), pasta_(pasta), linhas_(linhas), margens_(margens) {
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
  // Measured with the fonts as a 300 dpi printer has them, on an A4 sheet
  // with the operator's margins.
  QImage folha(8, 8, QImage::Format_RGB32);
  constexpr double kPontosPorMm = 300 / kMmPorPolegada;
  folha.setDotsPerMeterX(static_cast<int>(kPontosPorMm * 1000));
  folha.setDotsPerMeterY(static_cast<int>(kPontosPorMm * 1000));
  std::vector<std::string> longas;
  {
    QPainter pintor(&folha);
    SuperficieQPainter medida(pintor, kPontosPorMm, 210, 297);
    longas = LinhasQueNaoCabem(medida, novas, GeometriaDoPapel(210, 297, margens_));
  }
  if (!longas.empty()) {
    QString texto;
    for (const std::string& l : longas) texto += Q(l) + QLatin1Char('\n');
    texto += QStringLiteral("\nNas páginas, uma linha assim sai em letra menor (até 6 pontos) e, "
                            "se ainda não couber, cortada com reticências. Gravar assim mesmo?");
    if (QMessageBox::question(this, QStringLiteral("Atenção:"), texto,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
      return;
    }
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

bool frmConfiguraRodape::Executa(QWidget* pai, const PastaDeDados& pasta, LinhasRodape& linhas,
                                 const Margens& margens) {
  frmConfiguraRodape janela(pai, pasta, linhas, margens);
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
