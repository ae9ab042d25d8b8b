#include "frm_entra_nome.h"

#include "auxiliares.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/digitacao_data.h"
#include "analysis/previsao.h"
#include "engine/signo.h"
#include "presentation/figuras.h"

namespace cifra {

namespace {

constexpr int kLadoDoSigno = 44;  // pixels of each sign picture
constexpr int kMaximoDoNome = 100;  // what a client record keeps

}  // namespace

void CaixaDeData::keyPressEvent(QKeyEvent* evento) {
  const QString texto = evento->text();
  // Keys without a printable character (arrows, Delete, Enter, Ctrl+A...)
  // are the box's own; backspace, copy and paste go through the filter,
  // which lets them pass.
  const char16_t c = texto.isEmpty() ? 0 : texto[0].unicode();
  const bool filtrada = c == 3 || c == 8 || c == 22 || (c >= 32 && c != 127);
  if (!filtrada) {
    QLineEdit::keyPressEvent(evento);
    return;
  }
  const QChar tecla = texto[0];
  const DecisaoDaTecla d = cifra::FiltraTeclaDaData(text(), hasSelectedText(), tecla);
  switch (d.acao) {
    case DecisaoDaTecla::Passa: QLineEdit::keyPressEvent(evento); return;
    case DecisaoDaTecla::Descarta: evento->accept(); return;
    case DecisaoDaTecla::Substitui:
      setText(d.texto);
      setCursorPosition(d.cursor);
      evento->accept();
      return;
  }
}

frmEntraNome::frmEntraNome(const Data& hoje, AbreCadastro abreCadastro, QWidget* pai,
                           Finalidade finalidade)
    : QDialog(pai), hoje_(hoje), abreCadastro_(std::move(abreCadastro)), finalidade_(finalidade) {
  const bool previsao = finalidade_ == Finalidade::Previsao;
  const bool compatibilidade = finalidade_ == Finalidade::Compatibilidade;
  setObjectName(QStringLiteral("frmEntraNome"));
  setWindowTitle(previsao          ? QStringLiteral("Dados para a previsão...")
                 : compatibilidade ? QStringLiteral("Dados para a compatibilidade...")
                                   : QStringLiteral("Dados para análise..."));
  setModal(true);

  auto* lblNome = new QLabel(QStringLiteral("Digite abaixo o NOME COMPLETO:"), this);
  lblNome->setObjectName(QStringLiteral("lblInfo0"));
  txtNome_ = new QLineEdit(this);
  txtNome_->setObjectName(QStringLiteral("txtNome"));
  txtNome_->setMaxLength(kMaximoDoNome);
  txtNome_->setMinimumWidth(420);
  lblNome->setBuddy(txtNome_);

  auto* lblData = new QLabel(QStringLiteral("Digite a data do nascimento (dd/mm/aaaa):"), this);
  lblData->setObjectName(QStringLiteral("lblInfo1"));
  txtDataNasc_ = new CaixaDeData(this);
  txtDataNasc_->setObjectName(QStringLiteral("txtDataNasc"));
  txtDataNasc_->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
  txtDataNasc_->setFixedWidth(txtDataNasc_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
  txtDataNasc_->installEventFilter(this);
  lblData->setBuddy(txtDataNasc_);

  auto* signos = new QHBoxLayout;
  signos->setSpacing(6);
  for (size_t i = 0; i < picSigno_.size(); ++i) {
    picSigno_[i] = new QLabel(this);
    picSigno_[i]->setObjectName(QStringLiteral("picSigno%1").arg(i));
    picSigno_[i]->setFixedSize(kLadoDoSigno, kLadoDoSigno);
    picSigno_[i]->setFrameShape(QFrame::StyledPanel);
    signos->addWidget(picSigno_[i]);
  }
  signos->addStretch();

  cmdCadastro_ = new QPushButton(QStringLiteral("&Cadastro"), this);
  cmdCadastro_->setObjectName(QStringLiteral("cmdCadastro"));
  cmdCancelar_ = new QPushButton(QStringLiteral("Cancela&r"), this);
  cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
  cmdOk_ = new QPushButton(previsao          ? QStringLiteral("&Prever")
                           : compatibilidade ? QStringLiteral("C&omparar")
                                             : QStringLiteral("&Analisar"),
                           this);
  cmdOk_->setObjectName(QStringLiteral("cmdOk"));
  cmdOk_->setDefault(true);
  for (QPushButton* b : {cmdCadastro_, cmdCancelar_, cmdOk_}) b->setAutoDefault(false);
  cmdOk_->setDefault(true);
  connect(cmdOk_, &QPushButton::clicked, this, &frmEntraNome::cmdOk_Click);
  connect(cmdCancelar_, &QPushButton::clicked, this, &frmEntraNome::cmdCancelar_Click);
  connect(cmdCadastro_, &QPushButton::clicked, this, &frmEntraNome::cmdCadastro_Click);
  // The sign appears as soon as the date is complete.
  connect(txtDataNasc_, &QLineEdit::textChanged, this, [this](const QString& texto) {
    const auto data = texto.size() == 10 ? cifra::InterpretaData(texto.toStdString(), hoje_)
                                         : std::nullopt;
    MostraSigno(data ? cifra::SignoDaData(texto.left(5).toStdString()) : 0);
  });

  auto* botoes = new QHBoxLayout;
  if (!compatibilidade) botoes->addWidget(cmdCadastro_);
  botoes->addStretch();
  botoes->addWidget(cmdCancelar_);
  botoes->addWidget(cmdOk_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  if (compatibilidade) {
    // The same boxes twice, each person in a frame with its own "Cadastro"
    // beside the date; the sign pictures are one person's and stay out.
    txtNome2_ = new QLineEdit(this);
    txtNome2_->setObjectName(QStringLiteral("txtNome2"));
    txtNome2_->setMaxLength(kMaximoDoNome);
    txtDataNasc2_ = new CaixaDeData(this);
    txtDataNasc2_->setObjectName(QStringLiteral("txtDataNasc2"));
    txtDataNasc2_->setPlaceholderText(txtDataNasc_->placeholderText());
    txtDataNasc2_->setFixedWidth(txtDataNasc_->minimumWidth());
    txtDataNasc2_->installEventFilter(this);
    cmdCadastro2_ = new QPushButton(QStringLiteral("Cadas&tro"), this);
    cmdCadastro2_->setObjectName(QStringLiteral("cmdCadastro2"));
    cmdCadastro2_->setAutoDefault(false);
    connect(cmdCadastro2_, &QPushButton::clicked, this, &frmEntraNome::cmdCadastro2_Click);
    auto pessoa = [this](const QString& titulo, const char* nome, QLabel* lblNome,
                         QLineEdit* txtNome, QLabel* lblData, QLineEdit* txtData,
                         QPushButton* cadastro) {
      auto* grupo = new QGroupBox(titulo, this);
      grupo->setObjectName(QString::fromLatin1(nome));
      auto* data = new QHBoxLayout;
      data->addWidget(txtData);
      data->addStretch();
      data->addWidget(cadastro);
      auto* dentro = new QVBoxLayout(grupo);
      dentro->addWidget(lblNome);
      dentro->addWidget(txtNome);
      dentro->addSpacing(4);
      dentro->addWidget(lblData);
      dentro->addLayout(data);
      return grupo;
    };
    auto* lblNome2 = new QLabel(lblNome->text(), this);
    lblNome2->setBuddy(txtNome2_);
    auto* lblData2 = new QLabel(lblData->text(), this);
    lblData2->setBuddy(txtDataNasc2_);
    layout->addWidget(pessoa(QStringLiteral("Primeira pessoa"), "grpPessoa1", lblNome, txtNome_,
                             lblData, txtDataNasc_, cmdCadastro_));
    layout->addSpacing(6);
    layout->addWidget(pessoa(QStringLiteral("Segunda pessoa"), "grpPessoa2", lblNome2, txtNome2_,
                             lblData2, txtDataNasc2_, cmdCadastro2_));
    for (QLabel* pic : picSigno_) pic->hide();
    layout->addSpacing(10);
    layout->addLayout(botoes);
    setFixedSize(sizeHint());
    txtNome_->setFocus();
    return;
  }
  layout->addWidget(lblNome);
  layout->addWidget(txtNome_);
  layout->addSpacing(8);
  layout->addWidget(lblData);
  layout->addWidget(txtDataNasc_);
  if (previsao) {
    // Any four-digit year can be typed; RecusaDosAnos says on confirming
    // what the range may not be, in words the operator can act on.
    const auto [de, ate] = cifra::AnosPadraoDaPrevisao(hoje_);
    txtAnoInicial_ = cifra::CaixaDeAno(this, "txtAnoInicial", de);
    txtAnoFinal_ = cifra::CaixaDeAno(this, "txtAnoFinal", ate);
    auto* lblAnos = new QLabel(QStringLiteral("A&nos da previsão: de"), this);
    lblAnos->setObjectName(QStringLiteral("lblAnos"));
    lblAnos->setBuddy(txtAnoInicial_);
    auto* lblAte = new QLabel(QStringLiteral("até"), this);
    lblAte->setBuddy(txtAnoFinal_);
    auto* anos = new QHBoxLayout;
    anos->addWidget(lblAnos);
    anos->addWidget(txtAnoInicial_);
    anos->addWidget(lblAte);
    anos->addWidget(txtAnoFinal_);
    anos->addStretch();
    layout->addSpacing(8);
    layout->addLayout(anos);
    auto* lblLimite = new QLabel(QStringLiteral("Até %1 anos, a partir do ano do nascimento.")
                                     .arg(kMaximoDeAnosDaPrevisao),
                                 this);
    lblLimite->setObjectName(QStringLiteral("lblLimite"));
    lblLimite->setEnabled(false);  // a quiet note, in grey
    layout->addWidget(lblLimite);
  }
  layout->addSpacing(8);
  layout->addLayout(signos);
  layout->addSpacing(10);
  layout->addLayout(botoes);
  setFixedSize(sizeHint());
  txtNome_->setFocus();
}

std::optional<PessoaAnalisada> frmEntraNome::Executa(QWidget* pai, const Data& hoje,
                                                            AbreCadastro abreCadastro) {
  frmEntraNome dialogo(hoje, std::move(abreCadastro), pai);
  dialogo.exec();
  return dialogo.Pessoa();
}

std::optional<frmEntraNome::PedidoDePrevisao> frmEntraNome::ExecutaPrevisao(
    QWidget* pai, const Data& hoje, AbreCadastro abreCadastro) {
  frmEntraNome dialogo(hoje, std::move(abreCadastro), pai, Finalidade::Previsao);
  dialogo.exec();
  if (!dialogo.Pessoa()) return std::nullopt;
  const auto [de, ate] = dialogo.Anos();
  return PedidoDePrevisao{*dialogo.Pessoa(), de, ate};
}

std::optional<frmEntraNome::PedidoDeCompatibilidade> frmEntraNome::ExecutaCompatibilidade(
    QWidget* pai, const Data& hoje, AbreCadastro abreCadastro) {
  frmEntraNome dialogo(hoje, std::move(abreCadastro), pai, Finalidade::Compatibilidade);
  dialogo.exec();
  if (!dialogo.Pessoa() || !dialogo.SegundaPessoa()) return std::nullopt;
  return PedidoDeCompatibilidade{*dialogo.Pessoa(), *dialogo.SegundaPessoa()};
}

std::pair<int, int> frmEntraNome::Anos() const {
  if (!txtAnoInicial_) return {0, 0};
  return {txtAnoInicial_->value(), txtAnoFinal_->value()};
}

void frmEntraNome::MostraSigno(int signo) {
  if (signo == signo_) return;
  signo_ = signo;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const qreal dpr = devicePixelRatioF();
  QPixmap imagem;
  if (signo >= 1 && signo <= 12) {
    imagem = QPixmap(QSize(kLadoDoSigno, kLadoDoSigno) * dpr);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    cifra::FigurasDoPrograma().signos[static_cast<size_t>(signo - 1)].Desenha(
        p, QRectF(QPointF(0, 0), QSizeF(imagem.size())), false);
    p.end();
    imagem.setDevicePixelRatio(dpr);
  }
  for (QLabel* pic : picSigno_) {
    pic->clear();
    if (!imagem.isNull()) pic->setPixmap(imagem);
  }
  QApplication::restoreOverrideCursor();
}

void frmEntraNome::txtDataNasc_LostFocus(CaixaDeData* caixa) {
  if (const auto completa = cifra::CompletaData(caixa->text().toStdString(), hoje_)) {
    caixa->setText(QString::fromStdString(*completa));
  } else {
    // After the box's own focus-out handling, which would drop the selection.
    QTimer::singleShot(0, caixa, &QLineEdit::selectAll);
  }
}

bool frmEntraNome::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::FocusOut) {
    if (objeto == txtDataNasc_) txtDataNasc_LostFocus(txtDataNasc_);
    if (objeto == txtDataNasc2_ && txtDataNasc2_) txtDataNasc_LostFocus(txtDataNasc2_);
  }
  return QDialog::eventFilter(objeto, evento);
}

void frmEntraNome::PreencheDados(const QString& nome, const QString& data) {
  QLineEdit* txtNome = pessoaDoCadastro_ == 1 ? txtNome2_ : txtNome_;
  CaixaDeData* txtData = pessoaDoCadastro_ == 1 ? txtDataNasc2_ : txtDataNasc_;
  txtNome->setText(nome);
  txtData->setText(data);
  txtDataNasc_LostFocus(txtData);
}

void frmEntraNome::cmdCadastro_Click() {
  pessoaDoCadastro_ = 0;
  if (abreCadastro_) abreCadastro_(*this);
  txtDataNasc_LostFocus(txtDataNasc_);
}

void frmEntraNome::cmdCadastro2_Click() {
  pessoaDoCadastro_ = 1;
  if (abreCadastro_) abreCadastro_(*this);
  txtDataNasc_LostFocus(txtDataNasc2_);
}

void frmEntraNome::cmdCancelar_Click() { reject(); }

void frmEntraNome::reject() {
  pessoa_.reset();
  segunda_.reset();
  QDialog::reject();
}

void frmEntraNome::cmdOk_Click() {
  auto recusa = [this](const std::string& mensagem, QLineEdit* caixa) {
    if (!mensagem.empty()) {
      QMessageBox::critical(this, QStringLiteral("Erro:"), QString::fromStdString(mensagem));
    }
    caixa->setFocus();
    if (caixa == txtDataNasc_ || caixa == txtDataNasc2_) caixa->selectAll();
  };
  // Each person as the request takes it; the first refusal is said, with
  // the focus in the box to correct.
  auto aceita = [&](QLineEdit* txtNome,
                    CaixaDeData* txtData) -> std::optional<PessoaAnalisada> {
    // A date confirmed with the focus still in its box is completed here.
    const auto data = cifra::CompletaData(txtData->text().toStdString(), hoje_);
    if (!data) {
      recusa(std::string(kMensagemDataInvalida), txtData);
      return std::nullopt;
    }
    txtData->setText(QString::fromStdString(*data));
    if (txtNome->text().isEmpty()) {
      recusa({}, txtNome);
      return std::nullopt;
    }
    std::string motivo;
    auto pessoa = cifra::AceitaPedido(txtNome->text().toStdString(), *data, hoje_, &motivo);
    if (!pessoa) recusa(motivo, txtNome);
    return pessoa;
  };
  auto pessoa = aceita(txtNome_, txtDataNasc_);
  if (!pessoa) return;
  std::optional<PessoaAnalisada> segunda;
  if (finalidade_ == Finalidade::Compatibilidade) {
    segunda = aceita(txtNome2_, txtDataNasc2_);
    if (!segunda) return;
  }
  if (finalidade_ == Finalidade::Previsao) {
    const auto [de, ate] = Anos();
    if (const auto anos = cifra::RecusaDosAnos(pessoa->Nascimento, de, ate)) {
      QMessageBox::critical(this, QStringLiteral("Erro:"), QString::fromStdString(*anos));
      // The last year is the one usually too far; a first year before the
      // birth is the first box's fault.
      QSpinBox* caixa = de < pessoa->Nascimento.ano ? txtAnoInicial_ : txtAnoFinal_;
      caixa->setFocus();
      caixa->selectAll();
      return;
    }
  }
  setWindowTitle(finalidade_ == Finalidade::Previsao ? QStringLiteral("Gerando previsão, aguarde...")
                 : finalidade_ == Finalidade::Compatibilidade
                     ? QStringLiteral("Gerando compatibilidade, aguarde...")
                     : QStringLiteral("Gerando análise, aguarde..."));
  for (QPushButton* b : {cmdCadastro_, cmdCadastro2_, cmdCancelar_, cmdOk_}) {
    if (b) b->setEnabled(false);
  }
  pessoa_ = std::move(pessoa);
  segunda_ = std::move(segunda);
  accept();
}

}  // namespace cifra
