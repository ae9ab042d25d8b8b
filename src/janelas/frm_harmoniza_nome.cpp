#include "frm_harmoniza_nome.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "analysis/pedido.h"
#include "auxiliares.h"
#include "engine/numerologia.h"
#include "library/saida_inteira.h"
#include "presentation/compatibilidade_em_paginas.h"

namespace cifra {
namespace {

QString Numeros(const std::vector<int16_t>& v) {
  QStringList r;
  for (int16_t n : v) r << QString::number(n);
  return r.isEmpty() ? QStringLiteral("nenhuma") : r.join(QStringLiteral(", "));
}

QString Dividas(const MapaCarmico& m) {
  QStringList r;
  for (const DividaCarmica& d : m.DividasCarmicas) {
    r << QStringLiteral("%1 (%2)").arg(d.Numero).arg(Q(std::string(NomeDaOrigem(d.Origem))));
  }
  return r.isEmpty() ? QStringLiteral("nenhuma") : r.join(QStringLiteral(", "));
}

}  // namespace

void ModeloDosNomes::Define(std::vector<NomeAvaliado> nomes) {
  beginResetModel();
  nomes_ = std::move(nomes);
  endResetModel();
}

QVariant ModeloDosNomes::data(const QModelIndex& i, int papel) const {
  if (!i.isValid() || (papel != Qt::DisplayRole && papel != Qt::UserRole)) return {};
  const NomeAvaliado& n = nomes_[static_cast<size_t>(i.row())];
  auto numero = [&](const std::string& s) -> QVariant {
    // Sorted by value, shown as the analysis shows it ("11/2").
    return papel == Qt::UserRole ? QVariant(std::stoi(s)) : QVariant(Q(FormaDeExibicao(std::stoi(s))));
  };
  switch (i.column()) {
    case kNome: return Q(n.NomeDigitado);
    case kExpressao: return numero(n.Numeros.Expressao);
    case kImpulso: return numero(n.Numeros.ImpulsoDaAlma);
    case kEuSilencioso: return numero(n.Numeros.EuSilencioso);
    case kHarmonia:
      return papel == Qt::UserRole ? QVariant(static_cast<int>(n.HarmoniaComOCaminho))
                                   : QVariant(Q(std::string(NomeDaHarmonia(n.HarmoniaComOCaminho))));
    case kDividas:
      return papel == Qt::UserRole ? QVariant(static_cast<int>(n.Mapa.DividasCarmicas.size())) : QVariant(Dividas(n.Mapa));
    case kLicoes:
      return papel == Qt::UserRole ? QVariant(static_cast<int>(n.Mapa.LicoesCarmicas.size()))
                                   : QVariant(Numeros(n.Mapa.LicoesCarmicas));
    default: return {};
  }
}

QVariant ModeloDosNomes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
  static const char* const kTitulos[] = {"Nome", "Expressão", "Impulso da Alma", "Eu Silencioso",
                                         "Harmonia", "Dívidas Cármicas",
                                         "Lições Cármicas"};
  return QString::fromUtf8(kTitulos[secao]);
}

frmHarmonizaNome::frmHarmonizaNome(QWidget* pai, const ProgramOptions& opcoes)
    : QDialog(pai), opcoes_(opcoes) {
  setObjectName(QStringLiteral("frmHarmonizaNome"));
  setWindowTitle(QStringLiteral("Harmonização do Nome"));
  auto* lblData = new QLabel(QStringLiteral("&Data de nascimento:"), this);
  txtData_ = new QLineEdit(this);
  txtData_->setObjectName(QStringLiteral("txtData"));
  txtData_->setPlaceholderText(QStringLiteral("DD/MM/AAAA"));
  lblData->setBuddy(txtData_);
  auto* lblNomes = new QLabel(QStringLiteral("&Nomes candidatos, um por linha (cole vários de uma vez):"), this);
  txtNomes_ = new QPlainTextEdit(this);
  txtNomes_->setObjectName(QStringLiteral("txtNomes"));
  txtNomes_->setMaximumHeight(140);
  lblNomes->setBuddy(txtNomes_);
  lblInfo_ = new QLabel(this);
  lblInfo_->setObjectName(QStringLiteral("lblInfo"));
  // One line for the life path and one per refused name; it grows with
  // them instead of being squeezed by the table.
  lblInfo_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

  modelo_ = new cifra::ModeloDosNomes(this);
  ordem_ = new QSortFilterProxyModel(this);
  ordem_->setSourceModel(modelo_);
  ordem_->setSortRole(Qt::UserRole);
  tabela_ = new QTableView(this);
  tabela_->setObjectName(QStringLiteral("tblNomes"));
  tabela_->setModel(ordem_);
  tabela_->setSortingEnabled(true);
  tabela_->sortByColumn(ModeloDosNomes::kHarmonia, Qt::AscendingOrder);
  tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabela_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabela_->horizontalHeader()->setStretchLastSection(true);
  tabela_->verticalHeader()->hide();

  auto* cmdAnalisar = cifra::Botao(this, "cmdAnalisar", QStringLiteral("&Analisar"));
  auto* cmdImprimir = cifra::Botao(this, "cmdImprimir", QStringLiteral("&Imprimir..."));
  auto* cmdPdf = cifra::Botao(this, "cmdSalvarPdf", QStringLiteral("Salvar &PDF..."));
  auto* cmdFechar = cifra::Botao(this, "cmdFechar", QStringLiteral("&Fechar"));
  connect(cmdAnalisar, &QPushButton::clicked, this, &frmHarmonizaNome::Analisar);
  connect(tabela_, &QTableView::doubleClicked, this, &frmHarmonizaNome::Analisar);
  connect(cmdImprimir, &QPushButton::clicked, this, &frmHarmonizaNome::Imprimir);
  connect(cmdPdf, &QPushButton::clicked, this, &frmHarmonizaNome::SalvarPdf);
  connect(cmdFechar, &QPushButton::clicked, this, &QDialog::reject);
  connect(txtData_, &QLineEdit::textChanged, this, &frmHarmonizaNome::Recalcula);
  connect(txtNomes_, &QPlainTextEdit::textChanged, this, &frmHarmonizaNome::Recalcula);

  auto* data = new QHBoxLayout;
  data->addWidget(lblData);
  data->addWidget(txtData_);
  data->addStretch();
  auto* botoes = new QHBoxLayout;
  for (QPushButton* b : {cmdAnalisar, cmdImprimir, cmdPdf}) botoes->addWidget(b);
  botoes->addStretch();
  botoes->addWidget(cmdFechar);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(data);
  layout->addWidget(lblNomes);
  layout->addWidget(txtNomes_);
  layout->addWidget(lblInfo_);
  layout->addWidget(tabela_, 1);
  layout->addLayout(botoes);
  tabela_->setMinimumHeight(160);
  resize(920, 560);
  Recalcula();
}

void frmHarmonizaNome::Recalcula() {
  const Data hoje = cifra::DataDeHoje();
  const auto data = cifra::InterpretaData(txtData_->text().toStdString(), hoje);
  std::vector<std::string> nomes;
  for (const QString& linha : txtNomes_->toPlainText().split(QLatin1Char('\n'))) {
    if (!linha.trimmed().isEmpty()) nomes.push_back(linha.trimmed().toStdString());
  }
  std::vector<std::string> recusas;
  modelo_->Define(data ? cifra::AvaliaNomes(*data, nomes, opcoes_, hoje, &recusas)
                       : std::vector<NomeAvaliado>{});
  if (!data) {
    lblInfo_->setText(txtData_->text().trimmed().isEmpty()
                          ? QStringLiteral("Informe a data de nascimento e os nomes a comparar.")
                          : cifra::Q(std::string(kMensagemDataInvalida)));
  } else {
    QString info = QStringLiteral("Caminho da Vida: %1. A harmonia é a do Número da Expressão de cada nome com ele.").arg(
        modelo_->rowCount() ? cifra::Q(cifra::FormaDeExibicao(std::stoi(modelo_->Nome(0).Numeros.CaminhoDaVida)))
                            : QStringLiteral("—"));
    for (const std::string& r : recusas) info += QStringLiteral("\n") + cifra::Q(r);
    lblInfo_->setText(info);
  }
  tabela_->resizeColumnsToContents();
  lblInfo_->setFixedHeight(lblInfo_->fontMetrics().lineSpacing() *
                           static_cast<int>(lblInfo_->text().count(QLatin1Char('\n')) + 1) + 4);
}

void frmHarmonizaNome::Analisar() {
  const QModelIndex atual = tabela_->currentIndex();
  if (!atual.isValid()) {
    cifra::Mensagem(this, QMessageBox::Information, QStringLiteral("Harmonização do Nome"),
                    QStringLiteral("Escolha na tabela o nome a analisar."));
    return;
  }
  const NomeAvaliado& n = modelo_->Nome(ordem_->mapToSource(atual).row());
  std::string recusa;
  if (const auto pessoa = cifra::AceitaPedido(n.NomeDigitado, n.Numeros.DataNascimento, cifra::DataDeHoje(), &recusa)) {
    emit AnalisePedida(*pessoa);
  }
}

QString frmHarmonizaNome::TabelaEmHtml() const {
  QString html = QStringLiteral("<html><body><h2>Harmonização do Nome</h2><p>%1</p>"
                                "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr>")
                     .arg(lblInfo_->text().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
  for (int c = 0; c < ordem_->columnCount(); ++c) {
    html += QStringLiteral("<th>%1</th>").arg(ordem_->headerData(c, Qt::Horizontal).toString());
  }
  html += QStringLiteral("</tr>");
  for (int r = 0; r < ordem_->rowCount(); ++r) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < ordem_->columnCount(); ++c) {
      html += QStringLiteral("<td>%1</td>").arg(ordem_->index(r, c).data().toString().toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table></body></html>");
}

namespace {

// The table on one page: landscape when it is wider than tall, the text made
// smaller until the whole table fits the page.
void ImprimeNumaPagina(QPagedPaintDevice& dispositivo, const QString& html) {
  QTextDocument documento;
  documento.setHtml(html);
  dispositivo.setPageOrientation(documento.idealWidth() > 700 ? QPageLayout::Landscape : QPageLayout::Portrait);
  const QRectF area = dispositivo.pageLayout().paintRectPixels(dispositivo.logicalDpiX());
  documento.setPageSize(area.size());
  QFont fonte = documento.defaultFont();
  for (double pontos = 11; pontos > 5 && documento.pageCount() > 1; pontos -= 0.5) {
    fonte.setPointSizeF(pontos);
    documento.setDefaultFont(fonte);
  }
  documento.print(&dispositivo);
}

}  // namespace

void frmHarmonizaNome::Imprimir() {
  QPrinter impressora;
  QPrintDialog dialogo(&impressora, this);
  if (dialogo.exec() != QDialog::Accepted) return;
  ImprimeNumaPagina(impressora, TabelaEmHtml());
}

void frmHarmonizaNome::SalvarPdf() {
  const QString arquivo = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"),
                                                       QStringLiteral("Harmonizacao do Nome.pdf"),
                                                       QStringLiteral("Documentos PDF (*.pdf)"));
  if (arquivo.isEmpty()) return;
  const QString html = TabelaEmHtml();
  cifra::GravaAvisando(this, [&] {
    cifra::GravaSaidaInteira(arquivo.toStdString(), [&](QIODevice& destino) {
      QPdfWriter pdf(&destino);
      pdf.setPageSize(QPageSize(QPageSize::A4));
      pdf.setCreator(QStringLiteral("Cifralumina"));
      pdf.setTitle(QStringLiteral("Harmonização do Nome"));
      ImprimeNumaPagina(pdf, html);
      return true;
    });
  });
}

}  // namespace cifra
