#include "frm_altera_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "library/edicao.h"
#include "engine/numerologia.h"
#include "library/interpretacoes.h"
#include "auxiliares.h"
#include "settings/configuracao.h"

namespace cifra {

frmAlteraForm::frmAlteraForm(QWidget* pai, const PastaDeDados& pasta, const QString& info,
                             const std::string& arquivo, int registro)
    : QDialog(pai),
      pasta_(pasta),
      arquivo_(arquivo),
      registro_(registro),
      tamanhoDoRegistro_(TamanhoDoRegistroDe(arquivo)) {
  setObjectName(QStringLiteral("frmAlteraForm"));
  setWindowTitle(QStringLiteral("Alterando interpretação da análise..."));
  setModal(true);
  resize(640, 480);
  auto* lblInfo = new QLabel(info, this);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  txtTexto_ = new QPlainTextEdit(this);
  txtTexto_->setObjectName(QStringLiteral("txtTexto"));
  txtTexto_->setPlainText(QString::fromStdString(
      TextoParaCaixa(LerRegistroDeTexto(pasta_, arquivo_, registro_))));
  lblRestantes_ = new QLabel(this);
  lblRestantes_->setObjectName(QStringLiteral("lblRestantes"));
  // A long status wraps inside the window instead of widening it for good.
  lblRestantes_->setWordWrap(true);
  lblRestantes_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* lblArquivo = new QLabel(QString::fromStdString(pasta_.Arquivo(arquivo_).string()), this);
  lblArquivo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  lblArquivo->setObjectName(QStringLiteral("lblArquivo"));
  lblArquivo->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* lblPosicao = new QLabel(QString::number(registro_), this);
  lblPosicao->setObjectName(QStringLiteral("lblPosicao"));
  auto* cmdSalvar = Botao(this, "cmdSalvar", QStringLiteral("Atualizar Interpretação (&Salvar)"));
  auto* cmdRetornar = Botao(this, "cmdRetornar", QStringLiteral("Retornar sem Salva&r (Cancelar)"));
  connect(cmdSalvar, &QPushButton::clicked, this, &frmAlteraForm::cmdSalvar_Click);
  connect(cmdRetornar, &QPushButton::clicked, this, &frmAlteraForm::reject);
  connect(txtTexto_, &QPlainTextEdit::textChanged, this, &frmAlteraForm::AtualizaContagem);

  auto* onde = new QHBoxLayout;
  onde->addWidget(new QLabel(QStringLiteral("Arquivo:"), this));
  onde->addWidget(lblArquivo, 1);
  onde->addWidget(new QLabel(QStringLiteral("Registro:"), this));
  onde->addWidget(lblPosicao);
  auto* botoes = new QHBoxLayout;
  botoes->addWidget(lblRestantes_, 1);
  botoes->addWidget(cmdSalvar);
  botoes->addWidget(cmdRetornar);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblInfo);
  layout->addWidget(txtTexto_, 1);
  layout->addLayout(onde);
  layout->addLayout(botoes);
  AtualizaContagem();
}

void frmAlteraForm::AtualizaContagem() {
  const std::string texto = txtTexto_->toPlainText().toStdString();
  const int restam = CaracteresRestantes(texto, tamanhoDoRegistro_);
  QString aviso = restam >= 0
      ? QStringLiteral("Restam %1 de %2 caracteres.").arg(restam).arg(tamanhoDoRegistro_)
      : QStringLiteral("Passou %1 caracteres do limite de %2.").arg(-restam).arg(tamanhoDoRegistro_);
  const auto semLugar = CaracteresSemLugar(texto);
  if (!semLugar.empty()) {
    aviso += QStringLiteral(" Não podem ser gravados: %1.")
                 .arg(QString::fromStdString(ListaDeCaracteres(semLugar)));
  }
  lblRestantes_->setText(aviso);
}

void frmAlteraForm::cmdSalvar_Click() {
  const std::string caixa = txtTexto_->toPlainText().toStdString();
  const auto semLugar = CaracteresSemLugar(caixa);
  if (!semLugar.empty()) {
    QMessageBox::warning(this, QStringLiteral("Atenção:"),
                         QStringLiteral("O texto contém caracteres que o arquivo não pode guardar: "
                                        "%1. Retire-os ou troque-os e salve novamente.")
                             .arg(QString::fromStdString(ListaDeCaracteres(semLugar))));
    return;
  }
  std::u32string registro = Utf32(TextoParaRegistro(caixa));
  if (registro.size() > tamanhoDoRegistro_) {
    const auto resposta = QMessageBox::question(
        this, QStringLiteral("Atenção:"),
        QStringLiteral("O texto tem %1 caracteres e o registro guarda %2. Só os primeiros %2 "
                       "caracteres serão gravados; o restante será descartado. Gravar assim mesmo?")
            .arg(registro.size())
            .arg(tamanhoDoRegistro_),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (resposta != QMessageBox::Yes) return;
    registro.resize(tamanhoDoRegistro_);
    if (registro.back() == U'\r') registro.pop_back();  // half a line break is none
  }
  const std::string texto = Utf8(registro);
  if (GravaAvisando(this, [&] { GravarRegistroDeTexto(pasta_, arquivo_, registro_, texto); })) {
    accept();
  }
}

void frmAlteraForm::reject() {
  if (QMessageBox::question(this, QStringLiteral("Importante:"), QString::fromUtf8(kPerguntaCancelar),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes) {
    QDialog::reject();
  }
}

}  // namespace cifra
