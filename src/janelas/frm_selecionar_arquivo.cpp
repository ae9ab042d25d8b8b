#include "frm_selecionar_arquivo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStorageInfo>
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

QStringList frmSelecionarArquivo::Padroes() {
  return {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.gif"),
          QStringLiteral("*.png"), QStringLiteral("*.svg")};
}

frmSelecionarArquivo::frmSelecionarArquivo(QWidget* pai, const PastaDeDados& pasta,
                                           ProgramOptions& opcoes)
    : QDialog(pai), pastaDeDados_(pasta), opcoes_(opcoes) {
  setObjectName(QStringLiteral("frmSelecionarArquivo"));
  setWindowTitle(QStringLiteral("Selecione o arquivo a utilizar no Cabeçalho"));
  setModal(true);

  unidade_ = new QComboBox(this);
  unidade_->setObjectName(QStringLiteral("unidade"));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) unidade_->addItem(volume.rootPath());
  }
  lblPasta_ = new QLabel(this);
  lblPasta_->setObjectName(QStringLiteral("lblPasta"));
  pasta_ = new QListWidget(this);
  pasta_->setObjectName(QStringLiteral("pasta"));
  arquivo_ = new QListWidget(this);
  arquivo_->setObjectName(QStringLiteral("arquivo"));
  picPreview_ = new QLabel(this);
  picPreview_->setObjectName(QStringLiteral("picPreview"));
  picPreview_->setFixedSize(kTamanhoPrevia, kTamanhoPrevia);
  picPreview_->setFrameShape(QFrame::Panel);
  picPreview_->setFrameShadow(QFrame::Sunken);
  picPreview_->setAlignment(Qt::AlignCenter);

  auto* grade = new QGridLayout;
  grade->addWidget(new QLabel(QStringLiteral("Selecione a Unidade:"), this), 0, 0);
  grade->addWidget(unidade_, 1, 0);
  grade->addWidget(new QLabel(QStringLiteral("Selecione a Pasta:"), this), 2, 0);
  grade->addWidget(lblPasta_, 3, 0);
  grade->addWidget(pasta_, 4, 0);
  grade->addWidget(new QLabel(QStringLiteral("Imagens Disponíveis:"), this), 0, 1);
  grade->addWidget(arquivo_, 1, 1, 4, 1);
  grade->addWidget(new QLabel(QStringLiteral("Prévia da Imagem:  ->"), this), 0, 2);
  grade->addWidget(picPreview_, 1, 2, 4, 1, Qt::AlignTop);

  auto* cmdAlterarFigura = Botao(this, "cmdAlterarFigura", QStringLiteral("Definir &Figura Atual p/ Cabeçalho"));
  auto* cmdDefinirPadrao = Botao(this, "cmdDefinirPadrao", QStringLiteral("&Definir Signos como Figura"));
  auto* cmdCancelarProc = Botao(this, "cmdCancelarProc", QStringLiteral("Cancela&r Procedimento"));
  connect(cmdAlterarFigura, &QPushButton::clicked, this, &frmSelecionarArquivo::cmdAlterarFigura_Click);
  connect(cmdDefinirPadrao, &QPushButton::clicked, this, &frmSelecionarArquivo::cmdDefinirPadrao_Click);
  connect(cmdCancelarProc, &QPushButton::clicked, this, &frmSelecionarArquivo::reject);
  auto* botoes = new QHBoxLayout;
  botoes->addWidget(cmdAlterarFigura);
  botoes->addWidget(cmdDefinirPadrao);
  botoes->addStretch();
  botoes->addWidget(cmdCancelarProc);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grade);
  layout->addLayout(botoes);

  connect(unidade_, &QComboBox::currentIndexChanged, this, &frmSelecionarArquivo::unidade_Change);
  connect(pasta_, &QListWidget::itemActivated, this, &frmSelecionarArquivo::pasta_Activated);
  connect(arquivo_, &QListWidget::currentRowChanged, this, &frmSelecionarArquivo::arquivo_Click);

  // With the signs in use the lists start on the operator's home folder.
  const QString inicio = QDir::homePath();
  unidade_->blockSignals(true);
  unidade_->setCurrentText(QStorageInfo(inicio).rootPath());
  unidade_->blockSignals(false);
  MostraPasta(inicio);
  Pronto = true;
}

void frmSelecionarArquivo::MostraPasta(const QString& pasta) {
  Ampulheta ocupado;
  QDir dir(pasta);
  pastaAtual_ = dir.absolutePath();
  lblPasta_->setText(QDir::toNativeSeparators(pastaAtual_));
  pasta_->clear();
  if (!dir.isRoot()) pasta_->addItem(QStringLiteral(".."));
  pasta_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
  arquivo_->blockSignals(true);
  arquivo_->clear();
  arquivo_->addItems(dir.entryList(Padroes(), QDir::Files, QDir::Name | QDir::IgnoreCase));
  arquivo_->blockSignals(false);
  if (arquivo_->count() > 0) arquivo_->setCurrentRow(0);
}

void frmSelecionarArquivo::unidade_Change() {
  const QString raiz = unidade_->currentText();
  if (!QDir(raiz).isReadable()) {
    QMessageBox::critical(this, QStringLiteral("Erro:"), QString::fromUtf8(kUnidadeIlegivel));
    unidade_->setCurrentText(QDir::rootPath());
    return;
  }
  MostraPasta(raiz);
}

void frmSelecionarArquivo::pasta_Activated() {
  if (!pasta_->currentItem()) return;
  MostraPasta(QDir(pastaAtual_).filePath(pasta_->currentItem()->text()));
}

QString frmSelecionarArquivo::CaminhoDoSelecionado() const {
  if (!arquivo_->currentItem()) return {};
  return QDir(pastaAtual_).filePath(arquivo_->currentItem()->text());
}

bool frmSelecionarArquivo::Previa(const QString& caminho) {
  const Figura figura = Figura::DoArquivo(caminho.toStdString());
  if (figura.Vazia()) return false;
  QPixmap previa(picPreview_->size());
  previa.fill(Qt::white);
  QPainter painter(&previa);
  figura.Desenha(painter, QRectF(QPointF(0, 0), QSizeF(previa.size())), false);
  painter.end();
  picPreview_->setPixmap(previa);
  return true;
}

void frmSelecionarArquivo::arquivo_Click() {
  if (!Pronto) return;
  Ampulheta ocupado;
  Previa(CaminhoDoSelecionado());  // an unreadable picture leaves the preview as it was
}

void frmSelecionarArquivo::AtualizaCaminho() {
  Pronto = false;
  const QFileInfo info(Caminho);
  unidade_->blockSignals(true);
  unidade_->setCurrentText(QStorageInfo(info.absolutePath()).rootPath());
  unidade_->blockSignals(false);
  MostraPasta(info.absolutePath());
  arquivo_->setCurrentRow(-1);
  for (int i = 0; i < arquivo_->count(); ++i) {
    if (arquivo_->item(i)->text().compare(info.fileName(), Qt::CaseInsensitive) == 0) {
      arquivo_->setCurrentRow(i);
      Previa(CaminhoDoSelecionado());
      break;
    }
  }
  Pronto = true;
}

void frmSelecionarArquivo::cmdAlterarFigura_Click() {
  const QString escolhido = CaminhoDoSelecionado();
  if (escolhido.isEmpty() || Figura::DoArquivo(escolhido.toStdString()).Vazia()) {
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
  Caminho = escolhido;
  Confirma(Caminho.toStdString());
}

void frmSelecionarArquivo::cmdDefinirPadrao_Click() { Confirma(kImagemDosSignos); }

void frmSelecionarArquivo::Confirma(const std::string& imagem) {
  ProgramOptions o = opcoes_;
  o.ImagemCabecalho = imagem;
  if (!GravaAvisando(this, [&] { GravarEstadoPrograma(pastaDeDados_, o); })) return;
  opcoes_ = o;
  accept();
}

void frmSelecionarArquivo::reject() {
  if (QMessageBox::question(this, QStringLiteral("Importante:"), QString::fromUtf8(kPerguntaCancelar),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    Caminho = QString::fromLatin1(kImagemDosSignos);
    QDialog::reject();
  }
}

bool frmSelecionarArquivo::Executa(QWidget* pai, const PastaDeDados& pasta, ProgramOptions& opcoes) {
  frmSelecionarArquivo janela(pai, pasta, opcoes);
  const QString atual = QString::fromStdString(opcoes.ImagemCabecalho).trimmed();
  if (atual != QLatin1String(kImagemDosSignos)) {
    janela.DefineCaminho(atual);
    janela.AtualizaCaminho();
  }
  return janela.exec() == QDialog::Accepted;
}

}  // namespace cifra
