#include "frm_imprimir.h"

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

#include "impressora.h"
#include "library/arquivo_registros.h"
#include "shell/estado.h"

using namespace cifra;

namespace {

constexpr double kMmPorPolegada = 25.4;
constexpr int kLarguraDoExemplo = 170;  // pixels; the height follows the page's shape

// Said once a run: the operator knows it from the first time on.
bool avisouSemImpressora = false;

// The hourglass for as long as the object lives.
struct Ampulheta {
  Ampulheta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Ampulheta() { QApplication::restoreOverrideCursor(); }
  Ampulheta(const Ampulheta&) = delete;
  Ampulheta& operator=(const Ampulheta&) = delete;
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Mensagem(QWidget* pai, QMessageBox::Icon icone, const QString& titulo, const QString& texto) {
  QMessageBox caixa(icone, titulo, texto, QMessageBox::Ok, pai);
  caixa.exec();
}

// Where the last PDF went, offered again next time.
QString& PastaDoUltimoPdf() {
  static QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return pasta;
}

}  // namespace

bool frmImprimir::Executa(QWidget* pai, EstadoDoPrograma& estado,
                          const PessoaAnalisada& pessoa) {
  std::unique_ptr<frmImprimir> dialogo;
  try {
    Ampulheta ampulheta;  // while the analysis is built again and the preview drawn
    dialogo = std::make_unique<frmImprimir>(estado, pessoa, QPrinterInfo::defaultPrinter(), pai);
  } catch (const ErroDeArquivo& e) {
    Mensagem(pai, QMessageBox::Critical, "Erro:", e.what());
    return false;
  }
  return dialogo->exec() == QDialog::Accepted;
}

frmImprimir::frmImprimir(EstadoDoPrograma& estado, const PessoaAnalisada& pessoa,
                         const QPrinterInfo& impressora, QWidget* pai)
    : QDialog(pai), estado_(estado), hoje_(DataDeHoje()), impressora_(impressora) {
  setObjectName("frmImprimir");
  setWindowTitle("Executar Impressão");
  setModal(true);
  // The printing always works on a freshly built analysis of the person on show.
  estado_.analise =
      MontaAnalise(pessoa, hoje_, estado_.opcoes, estado_.titulos, estado_.pasta);
  analise_ = estado_.analise;
  if (!impressora_.isNull()) {
    const QRectF util = NovaImpressora()->pageRect(QPrinter::Millimeter);
    if (util.width() > 0 && util.height() > 0) {
      larguraUtil_ = util.width();
      alturaUtil_ = util.height();
    }
  }
  MontaControles();

  // Load: the kept choices, the stored margins, the first preview.
  Desenhando = true;
  chkPretoEmBranco->setChecked(estado_.opcoes.ImprimirPretoEmBranco);
  chkImprimirFolhaRosto->setChecked(estado_.opcoes.ImprimirFolhaRosto);
  optImprimir[static_cast<size_t>(std::clamp<int>(estado_.opcoes.TipoImpressao, 0, 2))]
      ->setChecked(true);
  try {
    MargensAtuais = LerMargens(estado_.pasta);
  } catch (const ErroDeArquivo&) {
    MargensAtuais = Margens{};  // an unreadable folder: the first-run margins
  }
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
  for (size_t i = 0; i < optImprimir.size(); ++i) {
    optImprimir[i] = new QRadioButton(opcoes[i], tipo);
    optImprimir[i]->setObjectName(QString("optImprimir%1").arg(i));
    colunaTipo->addWidget(optImprimir[i]);
  }

  chkPretoEmBranco = new QCheckBox("Imprimir em Preto e Branco", this);
  chkPretoEmBranco->setObjectName("chkPretoEmBranco");
  chkImprimirFolhaRosto = new QCheckBox("Imprimir Folha de Rosto", this);
  chkImprimirFolhaRosto->setObjectName("chkImprimirFolhaRosto");

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

  lblSemImpressora = new QLabel(
      "Nenhuma impressora instalada: a impressão é preparada para uma folha A4.", this);
  lblSemImpressora->setObjectName("lblSemImpressora");
  lblSemImpressora->setWordWrap(true);
  lblSemImpressora->setVisible(impressora_.isNull());

  auto* esquerda = new QVBoxLayout;
  esquerda->addWidget(tipo);
  esquerda->addWidget(chkPretoEmBranco);
  esquerda->addWidget(chkImprimirFolhaRosto);
  esquerda->addSpacing(8);
  auto* titulo = new QLabel("Defina abaixo as margens para impressão (em milímetros):", this);
  titulo->setWordWrap(true);
  esquerda->addWidget(titulo);
  esquerda->addLayout(margens);
  esquerda->addWidget(lblSemImpressora);
  esquerda->addStretch();

  picExemplo = new QLabel(this);
  picExemplo->setObjectName("picExemplo");
  picExemplo->setFixedSize(kLarguraDoExemplo,
                           static_cast<int>(kLarguraDoExemplo * alturaUtil_ / larguraUtil_));
  picExemplo->setStyleSheet("background: white; border: 1px solid gray;");

  auto* corpo = new QHBoxLayout;
  corpo->addLayout(esquerda, 1);
  corpo->addWidget(picExemplo, 0, Qt::AlignTop);

  auto botao = [this](const char* texto, const char* nome) {
    auto* b = new QPushButton(texto, this);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
  };
  cmdVisualizar = botao("&Visualizar", "cmdVisualizar");
  cmdSalvarPdf = botao("Salvar &PDF...", "cmdSalvarPdf");
  cmdImprimir = botao("I&mprimir", "cmdImprimir");
  cmdCancelar = botao("Cancela&r", "cmdCancelar");
  cmdImprimir->setEnabled(!impressora_.isNull());
  if (impressora_.isNull()) cmdImprimir->setToolTip("Nenhuma impressora instalada.");
  connect(cmdVisualizar, &QPushButton::clicked, this, &frmImprimir::cmdVisualizar_Click);
  connect(cmdSalvarPdf, &QPushButton::clicked, this, &frmImprimir::cmdSalvarPdf_Click);
  connect(cmdImprimir, &QPushButton::clicked, this, &frmImprimir::cmdImprimir_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmImprimir::reject);

  auto* botoes = new QHBoxLayout;
  botoes->addWidget(cmdVisualizar);
  botoes->addWidget(cmdSalvarPdf);
  botoes->addStretch();
  botoes->addWidget(cmdImprimir);
  botoes->addWidget(cmdCancelar);

  auto* tudo = new QVBoxLayout(this);
  tudo->addLayout(corpo);
  tudo->addLayout(botoes);
}

void frmImprimir::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (impressora_.isNull() && !avisouSemImpressora) {
    avisouSemImpressora = true;
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
    if (!Desenhando) DesenhaExemplo();
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
  QImage imagem(picExemplo->size(), QImage::Format_RGB32);
  imagem.fill(Qt::white);
  {
    QPainter painter(&imagem);
    const double pontosPorMm = picExemplo->logicalDpiX() / kMmPorPolegada;
    SuperficieQPainter superficie(painter, pontosPorMm, imagem.width() / pontosPorMm,
                                  imagem.height() / pontosPorMm);
    desenho(superficie);
  }
  picExemplo->setPixmap(QPixmap::fromImage(imagem));
}

void frmImprimir::DesenhaExemplo() {
  Ampulheta ampulheta;
  Desenhando = true;
  RedefinirMargens();
  PintaExemplo([this](SuperficieDeDesenho& s) {
    cifra::DesenhaExemplo(s, MargensAtuais, larguraUtil_, alturaUtil_,
                          FigurasDoPrograma().signos[1],
                          analise_.ResultadoAnalise[23].Interpretacao);
  });
  Desenhando = false;
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
  picExemplo->repaint();
}

void frmImprimir::GuardaEscolhas() {
  estado_.opcoes.ImprimirPretoEmBranco = chkPretoEmBranco->isChecked();
  estado_.opcoes.ImprimirFolhaRosto = chkImprimirFolhaRosto->isChecked();
  for (size_t i = 0; i < optImprimir.size(); ++i) {
    if (optImprimir[i]->isChecked()) {
      estado_.opcoes.TipoImpressao = static_cast<int16_t>(i);
      break;
    }
  }
}

OpcoesDaImpressao frmImprimir::OpcoesEscolhidas() const {
  OpcoesDaImpressao o;
  o.margens = MargensAtuais;
  o.folhaRosto = chkImprimirFolhaRosto->isChecked();
  o.pretoEmBranco = chkPretoEmBranco->isChecked();
  for (size_t i = 0; i < optImprimir.size(); ++i) {
    if (optImprimir[i]->isChecked()) o.tipo = static_cast<TipoDeImpressao>(i);
  }
  o.hoje = hoje_;
  return o;
}

ConteudoDaAnalise frmImprimir::Conteudo() const {
  const FigurasDaAnalise& figuras = FigurasDoPrograma();
  return {analise_, estado_.opcoes, estado_.fontes, estado_.linhas,
          ImagemDoCabecalho(estado_.opcoes, analise_.DataNascimento, figuras), figuras.divisoria,
          estado_.OrdemTopicos};
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
  impressora->setDocName(Q(TituloDoDocumento(analise_)));
  return impressora;
}

void frmImprimir::reject() {
  estado_.opcoes.ImprimirPretoEmBranco = chkPretoEmBranco->isChecked();
  estado_.opcoes.ImprimirFolhaRosto = chkImprimirFolhaRosto->isChecked();
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
    impresso = ImprimirNaImpressora(*impressora, Conteudo(), OpcoesEscolhidas()) > 0 &&
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
  try {
    GravarMargens(estado_.pasta, MargensAtuais);
  } catch (const ErroDeArquivo& e) {
    Mensagem(this, QMessageBox::Critical, "Erro:", e.what());
  }
  GuardaEscolhas();
}

void frmImprimir::cmdVisualizar_Click() {
  RedefinirMargens();
  auto impressora = NovaImpressora();
  QPrintPreviewDialog previa(impressora.get(), this);
  previa.setObjectName("dlgVisualizar");
  previa.setWindowTitle("Visualizar Impressão");
  const ConteudoDaAnalise conteudo = Conteudo();
  const OpcoesDaImpressao opcoes = OpcoesEscolhidas();
  connect(&previa, &QPrintPreviewDialog::paintRequested, this,
          [&](QPrinter* folhas) { ImprimirNaImpressora(*folhas, conteudo, opcoes); });
  previa.exec();
}

void frmImprimir::cmdSalvarPdf_Click() {
  QFileDialog escolha(this, "Salvar PDF", QDir(PastaDoUltimoPdf()).filePath(
                                              Q(NomeDoPdf(analise_.NomeCompleto, hoje_))),
                      "Documentos PDF (*.pdf)");
  escolha.setObjectName("dlgSalvarPdf");
  escolha.setAcceptMode(QFileDialog::AcceptSave);
  escolha.setDefaultSuffix("pdf");
  escolha.setOption(QFileDialog::DontUseNativeDialog);
  if (escolha.exec() != QDialog::Accepted || escolha.selectedFiles().isEmpty()) return;
  const QString arquivo = escolha.selectedFiles().first();
  PastaDoUltimoPdf() = QFileInfo(arquivo).absolutePath();

  bool gravado = false;
  std::string falha;
  {
    Ampulheta ampulheta;
    FixaMargensEEscolhas();
    gravado = GravarPdf(arquivo.toStdString(), Conteudo(), OpcoesEscolhidas(), &falha) > 0;
  }
  if (gravado) {
    accept();
    return;
  }
  Mensagem(this, QMessageBox::Critical, "Erro:", QString::fromStdString(falha));
}
