#include "frm_ajuda.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVBoxLayout>

#include "settings/contato.h"

// Q_INIT_RESOURCE declares a global function: it cannot be used inside a namespace.
static void IniciaRecursosDaAjuda() { Q_INIT_RESOURCE(ajuda); }

namespace cifra {

namespace {

QString Texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr const char* kEstilo =
    "body { font-size: 11pt; }"
    "h1 { color: #23283a; font-size: 18pt; }"
    "h2 { color: #23283a; font-size: 13pt; margin-top: 14px; }"
    "p.nav { background-color: #f3efe2; padding: 4px; }"
    "p.pasta { font-size: 12pt; }"
    "th { background-color: #f3efe2; }";

}  // namespace

// A screenshot is larger than the manual shows it, and the text browser
// scales a picture without filtering, which leaves it jagged: the picture is
// scaled here, smoothly, to the pixels it will take on this screen.
QVariant NavegadorDoManual::FiguraNaLargura(const QVariant& recurso, const QUrl& endereco) const {
  const int largura = larguras_.value(endereco.fileName());
  QImage imagem = recurso.value<QImage>();
  if (imagem.isNull()) imagem.loadFromData(recurso.toByteArray());
  const qreal escala = devicePixelRatioF();
  if (largura <= 0 || imagem.isNull() || imagem.width() <= largura * escala) return recurso;
  QImage reduzida = imagem.scaledToWidth(qRound(largura * escala), Qt::SmoothTransformation);
  reduzida.setDevicePixelRatio(escala);
  return reduzida;
}

NavegadorDoManual::NavegadorDoManual(QWidget* pai, QString pastaDeDados)
    : QTextBrowser(pai), pastaDeDados_(std::move(pastaDeDados)) {
  IniciaRecursosDaAjuda();
  setObjectName(QStringLiteral("txtManual"));
  setOpenExternalLinks(true);
  document()->setDefaultStyleSheet(QString::fromLatin1(kEstilo));
}

QVariant NavegadorDoManual::loadResource(int tipo, const QUrl& endereco) {
  QVariant recurso = QTextBrowser::loadResource(tipo, endereco);
  if (tipo == QTextDocument::ImageResource && recurso.isValid()) return FiguraNaLargura(recurso, endereco);
  if (tipo != QTextDocument::HtmlResource || !recurso.isValid()) return recurso;
  QString html = QString::fromUtf8(recurso.toByteArray());
  // The width each picture is shown at, for FiguraNaLargura.
  static const QRegularExpression figura(QStringLiteral("<img src=\"([^\"]+)\" width=\"(\\d+)\""));
  for (auto m = figura.globalMatch(html); m.hasNext();) {
    const auto achado = m.next();
    larguras_.insert(QUrl(achado.captured(1)).fileName(), achado.captured(2).toInt());
  }
  html.replace(QStringLiteral("{{PAGINA_DE_SUPORTE}}"), Texto(kPaginaDeSuporte));
  html.replace(QStringLiteral("{{EMAIL_DE_SUPORTE}}"), Texto(kEmailDeSuporte));
  html.replace(QStringLiteral("{{PASTA_DE_DADOS}}"),
               pastaDeDados_.isEmpty() ? QStringLiteral("(a pasta de dados)")
                                       : pastaDeDados_.toHtmlEscaped());
  return html;
}

QUrl frmAjuda::Sumario() { return QUrl(QStringLiteral("qrc:/ajuda/indice.html")); }

frmAjuda::frmAjuda(QWidget* pai, const QString& pastaDeDados) : QDialog(pai) {
  setObjectName(QStringLiteral("frmAjuda"));
  setWindowTitle(QStringLiteral("Manual do Cifralumina"));
  txtManual_ = new NavegadorDoManual(this, pastaDeDados);

  auto* cmdSumario = new QPushButton(QStringLiteral("&Sumário"), this);
  cmdSumario->setObjectName(QStringLiteral("cmdSumario"));
  auto* cmdVoltar = new QPushButton(QStringLiteral("&Voltar"), this);
  cmdVoltar->setObjectName(QStringLiteral("cmdVoltar"));
  cmdVoltar->setEnabled(false);
  auto* cmdAvancar = new QPushButton(QStringLiteral("&Avançar"), this);
  cmdAvancar->setObjectName(QStringLiteral("cmdAvancar"));
  cmdAvancar->setEnabled(false);
  auto* cmdFechar = new QPushButton(QStringLiteral("&Fechar"), this);
  cmdFechar->setObjectName(QStringLiteral("cmdFechar"));
  connect(cmdSumario, &QPushButton::clicked, txtManual_, &QTextBrowser::home);
  connect(cmdVoltar, &QPushButton::clicked, txtManual_, &QTextBrowser::backward);
  connect(cmdAvancar, &QPushButton::clicked, txtManual_, &QTextBrowser::forward);
  connect(txtManual_, &QTextBrowser::backwardAvailable, cmdVoltar, &QWidget::setEnabled);
  connect(txtManual_, &QTextBrowser::forwardAvailable, cmdAvancar, &QWidget::setEnabled);
  connect(cmdFechar, &QPushButton::clicked, this, &QDialog::accept);

  auto* botoes = new QHBoxLayout;
  botoes->addWidget(cmdSumario);
  botoes->addWidget(cmdVoltar);
  botoes->addWidget(cmdAvancar);
  botoes->addStretch(1);
  botoes->addWidget(cmdFechar);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtManual_, 1);
  layout->addLayout(botoes);
  resize(860, 680);
  txtManual_->setSource(Sumario());
}

void frmAjuda::Exibe(QWidget* pai, const QString& pastaDeDados) {
  frmAjuda janela(pai, pastaDeDados);
  janela.exec();
}

}  // namespace cifra
