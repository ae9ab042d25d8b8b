#include "frm_imprimir.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "printing/impressora.h"
#include "library/arquivo_registros.h"
#include "library/saida_inteira.h"
#include "presentation/documento_odt.h"
#include "auxiliares.h"

namespace cifra {
namespace {

constexpr int kLarguraDoExemplo = 170;  // pixels; the height follows the page's shape

}  // namespace

bool frmImprimir::Executa(QWidget* pai, ConteudoDaAnalise conteudo,
                          const std::string& nomeDoArquivo, const PastaDeDados& pasta,
                          ProgramOptions& opcoes, Margens& margens,
                          LembrancasDaImpressao& lembrancas) {
  std::unique_ptr<frmImprimir> dialogo;
  {
    Ampulheta ampulheta;  // while the preview is drawn
    dialogo = std::make_unique<frmImprimir>(std::move(conteudo), nomeDoArquivo, pasta, opcoes,
                                            margens, lembrancas, QPrinterInfo::defaultPrinter(),
                                            pai);
  }
  return dialogo->exec() == QDialog::Accepted;
}

frmImprimir::frmImprimir(ConteudoDaAnalise conteudo, std::string nomeDoArquivo,
                         const PastaDeDados& pasta, ProgramOptions& opcoes, Margens& margens,
                         LembrancasDaImpressao& lembrancas, const QPrinterInfo& impressora,
                         QWidget* pai)
    : QDialog(pai),
      conteudo_(std::move(conteudo)),
      nomeDoArquivo_(std::move(nomeDoArquivo)),
      pasta_(pasta),
      opcoes_(opcoes),
      margens_(margens),
      lembrancas_(lembrancas),
      impressora_(impressora) {
  setObjectName("frmImprimir");
  setWindowTitle("Executar Impressão");
  setModal(true);
  if (lembrancas_.pastaDoUltimoPdf.isEmpty()) {
    lembrancas_.pastaDoUltimoPdf =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
  if (!impressora_.isNull()) {
    const QRectF util = NovaImpressora()->pageRect(QPrinter::Millimeter);
    if (util.width() > 0 && util.height() > 0) {
      larguraUtil_ = util.width();
      alturaUtil_ = util.height();
    }
  }
  MontaControles();

  // Load: the kept choices, the margins in force, the first preview.
  desenhando_ = true;
  chkPretoEmBranco_->setChecked(opcoes_.ImprimirPretoEmBranco);
  if (EhRelatorio()) {
    // The chart and the cover speak of the analysis: a forecast prints
    // alone, and the choices kept for the analyses stay as they are.
    optImprimir_[1]->setText(Q(conteudo_.tituloDoRelatorio));
    optImprimir_[1]->setChecked(true);
    optImprimir_[0]->parentWidget()->setEnabled(false);
    chkImprimirFolhaRosto_->setEnabled(false);
  } else {
    chkImprimirFolhaRosto_->setChecked(opcoes_.ImprimirFolhaRosto);
    optImprimir_[static_cast<size_t>(std::clamp<int>(opcoes_.TipoImpressao, 0, 2))]
        ->setChecked(true);
  }
  MargensAtuais = margens_;
  for (LadoDaMargem lado : {LadoDaMargem::Direita, LadoDaMargem::Esquerda,
                            LadoDaMargem::Superior, LadoDaMargem::Inferior}) {
    caixas_[static_cast<size_t>(lado)]->setText(Q(FormaCurta(MargemDoLado(MargensAtuais, lado))));
  }
  DesenhaExemplo();
}

frmImprimir::~frmImprimir() = default;

void frmImprimir::MontaControles() {
  auto* tipo = new QGroupBox(" Imprimir ", this);
  tipo->setObjectName("frmTipoImpressao");
  auto* colunaTipo = new QVBoxLayout(tipo);
  const char* opcoes[] = {"Quadro Numerológico", "Análise Numerológica", "Ambos"};
  for (size_t i = 0; i < optImprimir_.size(); ++i) {
    optImprimir_[i] = new QRadioButton(opcoes[i], tipo);
    optImprimir_[i]->setObjectName(QString("optImprimir%1").arg(i));
    colunaTipo->addWidget(optImprimir_[i]);
  }

  chkPretoEmBranco_ = new QCheckBox("Imprimir em Preto e Branco", this);
  chkPretoEmBranco_->setObjectName("chkPretoEmBranco");
  chkImprimirFolhaRosto_ = new QCheckBox("Imprimir Folha de Rosto", this);
  chkImprimirFolhaRosto_->setObjectName("chkImprimirFolhaRosto");

  auto* margens = new QGridLayout;
  struct Campo {
    LadoDaMargem lado;
    const char* nome;
    const char* rotulo;
    int linha, coluna;
  };
  for (const Campo& c : {Campo{LadoDaMargem::Superior, "txtSuperior", "Superior:", 0, 0},
                         Campo{LadoDaMargem::Inferior, "txtInferior", "Inferior:", 0, 2},
                         Campo{LadoDaMargem::Esquerda, "txtEsquerda", "Esquerda:", 1, 0},
                         Campo{LadoDaMargem::Direita, "txtDireita", "Direita:", 1, 2}}) {
    auto* caixa = new QLineEdit(this);
    caixa->setObjectName(c.nome);
    caixa->setMaximumWidth(70);
    caixa->installEventFilter(this);
    auto* rotulo = new QLabel(c.rotulo, this);
    rotulo->setBuddy(caixa);
    margens->addWidget(rotulo, c.linha, c.coluna);
    margens->addWidget(caixa, c.linha, c.coluna + 1);
    caixas_[static_cast<size_t>(c.lado)] = caixa;
    connect(caixa, &QLineEdit::textChanged, this, [this, lado = c.lado] { VerificaMargem(lado); });
  }

  lblSemImpressora_ = new QLabel(
      "Nenhuma impressora instalada: a impressão é preparada para uma folha A4.", this);
  lblSemImpressora_->setObjectName("lblSemImpressora");
  lblSemImpressora_->setWordWrap(true);
  lblSemImpressora_->setVisible(impressora_.isNull());

  auto* esquerda = new QVBoxLayout;
  esquerda->addWidget(tipo);
  esquerda->addWidget(chkPretoEmBranco_);
  esquerda->addWidget(chkImprimirFolhaRosto_);
  esquerda->addSpacing(8);
  auto* titulo = new QLabel("Defina abaixo as margens para impressão (em milímetros):", this);
  titulo->setWordWrap(true);
  esquerda->addWidget(titulo);
  esquerda->addLayout(margens);
  esquerda->addWidget(lblSemImpressora_);
  esquerda->addStretch();

  picExemplo_ = new QLabel(this);
  picExemplo_->setObjectName("picExemplo");
  picExemplo_->setFixedSize(kLarguraDoExemplo,
                           static_cast<int>(kLarguraDoExemplo * alturaUtil_ / larguraUtil_));
  picExemplo_->setStyleSheet("background: white; border: 1px solid gray;");

  auto* corpo = new QHBoxLayout;
  corpo->addLayout(esquerda, 1);
  corpo->addWidget(picExemplo_, 0, Qt::AlignTop);

  auto botao = [this](const char* texto, const char* nome) {
    auto* b = new QPushButton(texto, this);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
  };
  cmdVisualizar_ = botao("&Visualizar", "cmdVisualizar");
  cmdSalvarPdf_ = botao("Salvar &PDF...", "cmdSalvarPdf");
  cmdSalvarOdt_ = botao("Salvar como &documento (.odt)...", "cmdSalvarOdt");
  cmdSalvarOdt_->setToolTip("Um documento que o editor de textos abre e deixa alterar.");
  cmdImprimir_ = botao("I&mprimir", "cmdImprimir");
  cmdCancelar_ = botao("Cancela&r", "cmdCancelar");
  cmdImprimir_->setEnabled(!impressora_.isNull());
  if (impressora_.isNull()) cmdImprimir_->setToolTip("Nenhuma impressora instalada.");
  connect(cmdVisualizar_, &QPushButton::clicked, this, &frmImprimir::cmdVisualizar_Click);
  connect(cmdSalvarPdf_, &QPushButton::clicked, this, &frmImprimir::cmdSalvarPdf_Click);
  connect(cmdSalvarOdt_, &QPushButton::clicked, this, &frmImprimir::cmdSalvarOdt_Click);
  connect(cmdImprimir_, &QPushButton::clicked, this, &frmImprimir::cmdImprimir_Click);
  connect(cmdCancelar_, &QPushButton::clicked, this, &frmImprimir::reject);

  auto* botoes = new QHBoxLayout;
  botoes->addWidget(cmdVisualizar_);
  botoes->addWidget(cmdSalvarPdf_);
  botoes->addWidget(cmdSalvarOdt_);
  botoes->addStretch();
  botoes->addWidget(cmdImprimir_);
  botoes->addWidget(cmdCancelar_);

  auto* tudo = new QVBoxLayout(this);
  tudo->addLayout(corpo);
  tudo->addLayout(botoes);
}

void frmImprimir::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (impressora_.isNull() && !lembrancas_.avisouSemImpressora) {
    lembrancas_.avisouSemImpressora = true;
    QTimer::singleShot(0, this, [this] {
      Mensagem(this, QMessageBox::Information, "Atenção:",
               "Nenhuma impressora foi encontrada neste computador. A impressão será preparada "
               "para uma folha A4: você pode visualizá-la e salvá-la em PDF.");
    });
  }
}

bool frmImprimir::eventFilter(QObject* objeto, QEvent* evento) {
  // A margin box that gets the focus has its whole text selected, also when
  // the focus came with a click (which would place the cursor afterwards).
  if (evento->type() == QEvent::FocusIn) {
    if (auto* caixa = qobject_cast<QLineEdit*>(objeto)) {
      QTimer::singleShot(0, caixa, &QLineEdit::selectAll);
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

void frmImprimir::RedefinirMargens() {
  for (LadoDaMargem lado : {LadoDaMargem::Direita, LadoDaMargem::Esquerda,
                            LadoDaMargem::Superior, LadoDaMargem::Inferior}) {
    MargemDoLado(MargensAtuais, lado) = static_cast<float>(
        LeNumeroInicial(caixas_[static_cast<size_t>(lado)]->text().toStdString()));
  }
}

void frmImprimir::VerificaMargem(LadoDaMargem lado) {
  QLineEdit* caixa = caixas_[static_cast<size_t>(lado)];
  const auto recusa = RecusaDaMargem(lado, caixa->text().toStdString(), larguraUtil_, alturaUtil_);
  if (!recusa) {
    if (!desenhando_) DesenhaExemplo();
    return;
  }
  Mensagem(this, QMessageBox::Warning, "Informação:", Q(*recusa));
  // The margin in force comes back. One that is itself too large (a file
  // written for a bigger page) gives way to the limit, so the refusal ends.
  std::string anterior = FormaCurta(MargemDoLado(MargensAtuais, lado));
  if (RecusaDaMargem(lado, anterior, larguraUtil_, alturaUtil_)) {
    anterior = FormaCurta(static_cast<float>(
        std::floor(LimiteDaMargem(lado, larguraUtil_, alturaUtil_))));
  }
  caixa->setText(Q(anterior));
}

void frmImprimir::PintaExemplo(const std::function<void(SuperficieDeDesenho&)>& desenho) {
  QImage imagem(picExemplo_->size(), QImage::Format_RGB32);
  imagem.fill(Qt::white);
  {
    QPainter painter(&imagem);
    const double pontosPorMm = picExemplo_->logicalDpiX() / kMmPorPolegada;
    SuperficieQPainter superficie(painter, pontosPorMm, imagem.width() / pontosPorMm,
                                  imagem.height() / pontosPorMm);
    desenho(superficie);
  }
  picExemplo_->setPixmap(QPixmap::fromImage(imagem));
}

void frmImprimir::DesenhaExemplo() {
  Ampulheta ampulheta;
  desenhando_ = true;
  RedefinirMargens();
  PintaExemplo([this](SuperficieDeDesenho& s) {
    cifra::DesenhaExemplo(s, MargensAtuais, larguraUtil_, alturaUtil_,
                          FigurasDoPrograma().signos[1],
                          conteudo_.blocos.empty()
                              ? conteudo_.analise.ResultadoAnalise[23].Interpretacao
                              : conteudo_.blocos.front().Texto);
  });
  desenhando_ = false;
}

void frmImprimir::MostraAguarde() {
  PintaExemplo([](SuperficieDeDesenho& s) {
    s.SetFonte({kFontePadrao, false, false, 14});
    s.CurrentX = 5;
    s.CurrentY = 5;
    s.Print("Imprimindo,");
    s.CurrentY += s.TextHeight("Imprimindo,");
    s.CurrentX = 5;
    s.Print("Aguarde...");
  });
  picExemplo_->repaint();
}

void frmImprimir::GuardaEscolhas() {
  opcoes_.ImprimirPretoEmBranco = chkPretoEmBranco_->isChecked();
  if (EhRelatorio()) return;
  opcoes_.ImprimirFolhaRosto = chkImprimirFolhaRosto_->isChecked();
  for (size_t i = 0; i < optImprimir_.size(); ++i) {
    if (optImprimir_[i]->isChecked()) {
      opcoes_.TipoImpressao = static_cast<int16_t>(i);
      break;
    }
  }
}

OpcoesDaImpressao frmImprimir::OpcoesEscolhidas() const {
  OpcoesDaImpressao o;
  o.margens = MargensAtuais;
  o.folhaRosto = chkImprimirFolhaRosto_->isChecked() && !EhRelatorio();
  o.pretoEmBranco = chkPretoEmBranco_->isChecked();
  for (size_t i = 0; i < optImprimir_.size(); ++i) {
    if (optImprimir_[i]->isChecked()) o.tipo = static_cast<TipoDeImpressao>(i);
  }
  o.hoje = conteudo_.analise.Hoje;
  return o;
}

std::unique_ptr<QPrinter> frmImprimir::NovaImpressora() const {
  if (impressora_.isNull()) {
    // No printer: the page of a PDF, A4 with the operator's margins only.
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                   QPageLayout::Millimeter));
    return pdf;
  }
  auto impressora = std::make_unique<QPrinter>(impressora_, QPrinter::HighResolution);
  impressora->setDocName(Q(TituloDoDocumento(conteudo_)));
  return impressora;
}

void frmImprimir::reject() {
  opcoes_.ImprimirPretoEmBranco = chkPretoEmBranco_->isChecked();
  if (!EhRelatorio()) opcoes_.ImprimirFolhaRosto = chkImprimirFolhaRosto_->isChecked();
  QDialog::reject();
}

void frmImprimir::cmdImprimir_Click() {
  if (impressora_.isNull()) return;
  bool impresso = false;
  {
    Ampulheta ampulheta;
    MostraAguarde();
    FixaMargensEEscolhas();
    auto impressora = NovaImpressora();
    impresso = ImprimirNaImpressora(*impressora, conteudo_, OpcoesEscolhidas()) > 0 &&
               impressora->printerState() != QPrinter::Error &&
               impressora->printerState() != QPrinter::Aborted;
  }
  if (impresso) {
    accept();
    return;
  }
  DesenhaExemplo();
  Mensagem(this, QMessageBox::Critical, "Erro:",
           QString("Não foi possível imprimir na impressora \"%1\". Verifique se ela está "
                   "ligada e pronta para imprimir e tente novamente.")
               .arg(impressora_.printerName()));
}

// Printing and saving a PDF both keep the margins used and the choices made.
void frmImprimir::FixaMargensEEscolhas() {
  RedefinirMargens();
  TentaAvisando(this, [&] { GravarMargens(pasta_, MargensAtuais); });
  margens_ = MargensAtuais;
  GuardaEscolhas();
}

void frmImprimir::cmdVisualizar_Click() {
  RedefinirMargens();
  auto impressora = NovaImpressora();
  QPrintPreviewDialog previa(impressora.get(), this);
  previa.setObjectName("dlgVisualizar");
  previa.setWindowTitle("Visualizar Impressão");
  if (impressora_.isNull()) {
    // Without a printer the preview's own print button would only offer to
    // print to a file; "Salvar PDF..." in this dialog does that properly.
    const QString imprimir = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* acao : previa.findChildren<QAction*>()) {
      if (acao->text().remove(QLatin1Char('&')) == imprimir) acao->setVisible(false);
    }
  }
  const OpcoesDaImpressao opcoes = OpcoesEscolhidas();
  connect(&previa, &QPrintPreviewDialog::paintRequested, this,
          [&](QPrinter* folhas) { ImprimirNaImpressora(*folhas, conteudo_, opcoes); });
  previa.exec();
}

void frmImprimir::cmdSalvarPdf_Click() {
  QFileDialog escolha(this, "Salvar PDF",
                      QDir(lembrancas_.pastaDoUltimoPdf).filePath(Q(nomeDoArquivo_ + ".pdf")),
                      "Documentos PDF (*.pdf)");
  escolha.setObjectName("dlgSalvarPdf");
  escolha.setAcceptMode(QFileDialog::AcceptSave);
  escolha.setDefaultSuffix("pdf");
  escolha.setOption(QFileDialog::DontUseNativeDialog);
  if (escolha.exec() != QDialog::Accepted || escolha.selectedFiles().isEmpty()) return;
  const QString arquivo = escolha.selectedFiles().first();
  lembrancas_.pastaDoUltimoPdf = QFileInfo(arquivo).absolutePath();

  bool gravado = false;
  std::string falha;
  {
    Ampulheta ampulheta;
    FixaMargensEEscolhas();
    gravado = GravarPdf(arquivo.toStdString(), conteudo_, OpcoesEscolhidas(), &falha) > 0;
  }
  if (gravado) {
    accept();
    return;
  }
  Mensagem(this, QMessageBox::Critical, "Erro:", QString::fromStdString(falha));
}

// The document takes neither the margins nor the print choices: nothing of
// the dialog is kept, only the folder.
void frmImprimir::cmdSalvarOdt_Click() {
  if (SalvaComoOdt(this, conteudo_, nomeDoArquivo_, lembrancas_.pastaDoUltimoPdf)) accept();
}

bool SalvaComoOdt(QWidget* pai, const ConteudoDaAnalise& conteudo, const std::string& nomeDoArquivo,
                  QString& pasta) {
  if (pasta.isEmpty()) pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QFileDialog escolha(pai, "Salvar como documento", QDir(pasta).filePath(Q(nomeDoArquivo + ".odt")),
                      "Documentos de texto ODF (*.odt)");
  escolha.setObjectName("dlgSalvarOdt");
  escolha.setAcceptMode(QFileDialog::AcceptSave);
  escolha.setDefaultSuffix("odt");
  escolha.setOption(QFileDialog::DontUseNativeDialog);
  if (escolha.exec() != QDialog::Accepted || escolha.selectedFiles().isEmpty()) return false;
  const QString arquivo = escolha.selectedFiles().first();
  pasta = QFileInfo(arquivo).absolutePath();
  Ampulheta ampulheta;
  return GravaAvisando(pai, [&] {
    GravaSaidaInteira(arquivo.toStdString(),
                      [&](QIODevice& destino) { return GravaOdt(conteudo, destino); });
  });
}

}  // namespace cifra
