#include "frm_sobre.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "figura_na_tela.h"
#include "settings/contato.h"

namespace cifra {

namespace {

QString Texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

QUrl frmSobre::EmailDeSuporte() {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(Texto(kEmailDeSuporte));
  QUrlQuery consulta;
  consulta.addQueryItem(QStringLiteral("subject"), Texto(kAssuntoDoSuporte));
  consulta.addQueryItem(QStringLiteral("body"), Texto(kCorpoDoSuporte));
  url.setQuery(consulta);
  return url;
}

QUrl frmSobre::PaginaDoProduto() { return QUrl(Texto(kPaginaDoProduto)); }

frmSobre::frmSobre(QWidget* pai, const QString& somDeBoasVindas) : QDialog(pai) {
  setObjectName(QStringLiteral("frmSobre"));
  setWindowTitle(QStringLiteral("Sobre o Programa de Cifralumina"));

  auto* Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(cifra::PixmapDoRecurso("produto.svg", QSize(128, 128)));

  auto* titulo = new QLabel(QStringLiteral("Cifralumina 2007"), this);
  titulo->setObjectName(QStringLiteral("lblTitulo"));
  QFont fonte = titulo->font();
  fonte.setPointSizeF(fonte.pointSizeF() * 1.6);
  fonte.setBold(true);
  titulo->setFont(fonte);
  auto* descricao = new QLabel(
      QStringLiteral("Análises numerológicas personalizadas, compostas página a página a partir "
                     "dos seus próprios textos de interpretação.\n\nSuporte: %1")
          .arg(Texto(kEmailDeSuporte)),
      this);
  descricao->setObjectName(QStringLiteral("lblDescricao"));
  descricao->setWordWrap(true);
  descricao->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* lblInternet = new QLabel(this);
  lblInternet->setObjectName(QStringLiteral("lblInternet"));
  lblInternet->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                           .arg(PaginaDoProduto().toString(), Texto(kSiteDoFabricante)));
  lblInternet->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  lblInternet->setCursor(Qt::PointingHandCursor);
  connect(lblInternet, &QLabel::linkActivated, this,
          [] { QDesktopServices::openUrl(PaginaDoProduto()); });

  auto* imgBrasil = new QLabel(this);
  imgBrasil->setObjectName(QStringLiteral("imgBrasil"));
  imgBrasil->setPixmap(cifra::PixmapDoRecurso("bandeira.svg", QSize(42, 30)));
  imgBrasil->setToolTip(QStringLiteral("Fabricado no Brasil."));

  auto* cmdSuporte = new QPushButton(QStringLiteral("Suporte"), this);
  cmdSuporte->setObjectName(QStringLiteral("cmdSuporte"));
  cmdSuporte->setToolTip(QStringLiteral(" Abrir email com solicitação de suporte "));
  connect(cmdSuporte, &QPushButton::clicked, this,
          [] { QDesktopServices::openUrl(EmailDeSuporte()); });
  auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
  cmdOk->setObjectName(QStringLiteral("cmdOk"));
  cmdOk->setToolTip(QStringLiteral(" Fechar tela "));
  cmdOk->setDefault(true);
  connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

  auto* textos = new QVBoxLayout;
  textos->addWidget(titulo);
  textos->addWidget(descricao);
  textos->addWidget(lblInternet);
  textos->addStretch(1);
  auto* topo = new QHBoxLayout;
  topo->addWidget(Image1, 0, Qt::AlignTop);
  topo->addSpacing(12);
  topo->addLayout(textos, 1);
  auto* botoes = new QHBoxLayout;
  botoes->addWidget(imgBrasil);
  botoes->addStretch(1);
  botoes->addWidget(cmdSuporte);
  botoes->addWidget(cmdOk);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(topo, 1);
  layout->addLayout(botoes);
  setMinimumWidth(460);

  // The welcome sound plays whatever the sound option says.
  if (!somDeBoasVindas.isEmpty() && QFileInfo::exists(somDeBoasVindas)) {
    som_ = new QSoundEffect(this);
    som_->setSource(QUrl::fromLocalFile(somDeBoasVindas));
    som_->play();
  }
}

void frmSobre::Exibe(QWidget* pai, const QString& somDeBoasVindas) {
  frmSobre janela(pai, somDeBoasVindas);
  janela.exec();
}

}  // namespace cifra
