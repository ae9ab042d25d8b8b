#include "frm_selecionar_arquivo.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "library/edicao.h"
#include "auxiliares.h"
#include "presentation/figuras.h"
#include "settings/configuracao.h"

namespace cifra {
namespace {

constexpr int kTamanhoPrevia = 200;
constexpr int kCaminhoNoArquivo = 80;  // the options record keeps 80 characters

}  // namespace

frmSelecionarArquivo::frmSelecionarArquivo(QWidget* pai, const PastaDeDados& pasta,
                                           ProgramOptions& opcoes)
    : QFileDialog(pai), pastaDeDados_(pasta), opcoes_(opcoes) {
  setObjectName(QStringLiteral("frmSelecionarArquivo"));
  setWindowTitle(QStringLiteral("Selecione o arquivo a utilizar no Cabeçalho"));
  // Qt's own dialog, not the desktop's: the preview and the signs' button
  // live inside it, and it speaks Portuguese through Qt's translations.
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);
  setNameFilter(QStringLiteral("Imagens (*.bmp *.jpg *.jpeg *.gif *.png *.svg)"));
  setLabelText(QFileDialog::Accept, QStringLiteral("Definir &Figura"));
  setDirectory(QDir::home());
  resize(820, 460);  // room for the names beside the preview

  picPreview_ = new QLabel(this);
  picPreview_->setObjectName(QStringLiteral("picPreview"));
  picPreview_->setFixedSize(kTamanhoPrevia, kTamanhoPrevia);
  picPreview_->setFrameShape(QFrame::Panel);
  picPreview_->setFrameShadow(QFrame::Sunken);
  picPreview_->setAlignment(Qt::AlignCenter);
  auto* colunaDaPrevia = new QVBoxLayout;
  colunaDaPrevia->addWidget(new QLabel(QStringLiteral("Prévia da Imagem:"), this));
  colunaDaPrevia->addWidget(picPreview_);
  colunaDaPrevia->addStretch();
  // Qt's dialog lays itself out on a grid: the preview takes a column of its
  // own beside the list of files.
  if (auto* grade = qobject_cast<QGridLayout*>(layout())) {
    grade->addLayout(colunaDaPrevia, 1, grade->columnCount(), 1, 1);
  }
  if (auto* botoes = findChild<QDialogButtonBox*>()) {
    auto* cmdDefinirPadrao =
        botoes->addButton(QStringLiteral("&Definir Signos como Figura"), QDialogButtonBox::ResetRole);
    cmdDefinirPadrao->setObjectName(QStringLiteral("cmdDefinirPadrao"));
    cmdDefinirPadrao->setAutoDefault(false);
    connect(cmdDefinirPadrao, &QPushButton::clicked, this, &frmSelecionarArquivo::cmdDefinirPadrao_Click);
  }
  // The file under the cursor in the list, or the name typed below it.
  connect(this, &QFileDialog::currentChanged, this, &frmSelecionarArquivo::Previa);
  if (auto* nome = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    connect(nome, &QLineEdit::textChanged, this,
            [this](const QString& texto) { Previa(directory().absoluteFilePath(texto)); });
  }
}

void frmSelecionarArquivo::Previa(const QString& caminho) {
  picPreview_->clear();
  if (!QFileInfo(caminho).isFile()) return;
  Ampulheta ocupado;
  const Figura figura = Figura::DoArquivo(caminho.toStdString());
  if (figura.Vazia()) return;
  QPixmap previa(picPreview_->size());
  previa.fill(Qt::white);
  QPainter painter(&previa);
  figura.Desenha(painter, QRectF(QPointF(0, 0), QSizeF(previa.size())), false);
  painter.end();
  picPreview_->setPixmap(previa);
}

void frmSelecionarArquivo::accept() {
  // What the operator typed or picked is in the name box; the list's own
  // selection may still hold a file refused a moment ago.
  const auto* nome = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  const QString digitado = nome ? nome->text().trimmed() : QString();
  const QString escolhido = digitado.isEmpty() ? selectedFiles().value(0) : directory().absoluteFilePath(digitado);
  // Enter on a folder, or its path typed: Qt opens it; nothing is chosen.
  if (escolhido.isEmpty() || QFileInfo(escolhido).isDir()) {
    QFileDialog::accept();
    return;
  }
  if (Figura::DoArquivo(escolhido.toStdString()).Vazia()) {
    QMessageBox::critical(this, QStringLiteral("Erro:"), QString::fromUtf8(kFiguraInvalida));
    return;
  }
  // The options keep 80 single-byte characters: a longer path, or one with
  // characters outside that code page, would come back as another file.
  const auto semLugar = CaracteresSemLugar(escolhido.toStdString());
  if (escolhido.size() > kCaminhoNoArquivo || !semLugar.empty()) {
    QMessageBox::critical(
        this, QStringLiteral("Erro:"),
        QStringLiteral("O caminho \"%1\" não cabe na configuração do programa (no máximo %2 "
                       "caracteres, sem %3). Copie a figura para uma pasta de nome mais curto "
                       "e repita a operação.")
            .arg(escolhido)
            .arg(kCaminhoNoArquivo)
            .arg(semLugar.empty() ? QStringLiteral("símbolos especiais")
                                  : QString::fromStdString(ListaDeCaracteres(semLugar))));
    return;
  }
  Confirma(escolhido.toStdString());
}

void frmSelecionarArquivo::cmdDefinirPadrao_Click() { Confirma(kImagemDosSignos); }

void frmSelecionarArquivo::Confirma(const std::string& imagem) {
  ProgramOptions o = opcoes_;
  o.ImagemCabecalho = imagem;
  if (!GravaAvisando(this, [&] { GravarEstadoPrograma(pastaDeDados_, o); })) return;
  opcoes_ = o;
  done(QDialog::Accepted);
}

void frmSelecionarArquivo::reject() {
  if (QMessageBox::question(this, QStringLiteral("Importante:"), QString::fromUtf8(kPerguntaCancelar),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    QFileDialog::reject();
  }
}

bool frmSelecionarArquivo::Executa(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes) {
  frmSelecionarArquivo janela(pai, pasta, opcoes);
  const QString atual = QString::fromStdString(opcoes.ImagemCabecalho).trimmed();
  if (atual != QLatin1String(kImagemDosSignos) && QFileInfo(atual).isFile()) {
    janela.setDirectory(QFileInfo(atual).absolutePath());
    janela.selectFile(QFileInfo(atual).fileName());
  }
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
