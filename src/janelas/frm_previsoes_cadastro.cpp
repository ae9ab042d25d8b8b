#include "frm_previsoes_cadastro.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <cmath>

#include "analysis/previsao.h"
#include "auxiliares.h"

namespace cifra {
namespace {

// Past this many, the clients left out go to the box's details, which scroll.
constexpr int kPuladosNoTexto = 8;

// The progress of the batch. "Cancelar", Escape and the close box all ask
// the batch to stop; the window stays, saying so, until the clients being
// written are done, so the operator sees when it is safe to go on.
class JanelaDeProgresso : public QProgressDialog {
 public:
  explicit JanelaDeProgresso(QWidget* pai) : QProgressDialog(pai) {
    setObjectName(QStringLiteral("dlgProgressoDoLote"));
    setWindowTitle(QStringLiteral("Previsões do Cadastro"));
    setLabelText(QStringLiteral("Lendo o cadastro..."));
    setCancelButtonText(QStringLiteral("Cancelar"));
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setMinimumWidth(420);
    setRange(0, 0);  // busy until the first client is done and the total known
    disconnect(this, &QProgressDialog::canceled, this, &QProgressDialog::cancel);
    connect(this, &QProgressDialog::canceled, this, [this] {
      if (cancelando_) return;
      cancelando_ = true;
      cancelar.store(true);
      setLabelText(
          QStringLiteral("Cancelando: aguardando as previsões que estão sendo gravadas..."));
      if (auto* botao = findChild<QPushButton*>()) botao->setEnabled(false);
    });
  }

  // Read by the batch's thread after each client.
  std::atomic<bool> cancelar{false};

  void Mostra(const ProgressoDoLote& p) {
    if (!cancelando_) {
      setLabelText(QStringLiteral("Previsão de %1 concluída.\n%2")
                       .arg(Q(p.cliente), TextoDoProgresso(p)));
    }
    // Last: a modal progress window runs the events still waiting as it
    // moves, a later report among them, which must have the last word.
    setRange(0, p.total);
    setValue(p.feitos);
  }

 protected:
  void reject() override { emit canceled(); }

 private:
  bool cancelando_ = false;
};

}  // namespace

QString TextoDoProgresso(const ProgressoDoLote& p) {
  QString texto = QStringLiteral("%1 de %2").arg(p.feitos).arg(p.total);
  if (p.feitos >= p.total || p.segundosRestantes <= 0) return texto;
  const int segundos = std::max(1, static_cast<int>(std::lround(p.segundosRestantes)));
  if (segundos < 60) {
    return texto + (segundos == 1 ? QStringLiteral(" — falta cerca de 1 segundo")
                                  : QStringLiteral(" — faltam cerca de %1 segundos").arg(segundos));
  }
  const int minutos = static_cast<int>(std::lround(segundos / 60.0));
  return texto + (minutos == 1 ? QStringLiteral(" — falta cerca de 1 minuto")
                               : QStringLiteral(" — faltam cerca de %1 minutos").arg(minutos));
}

frmPrevisoesDoCadastro::frmPrevisoesDoCadastro(const Configuracao& configuracao, const Data& hoje,
                                               QString& pasta, QWidget* pai)
    : QDialog(pai), configuracao_(configuracao), hoje_(hoje), pasta_(pasta) {
  setObjectName(QStringLiteral("frmPrevisoesDoCadastro"));
  setWindowTitle(QStringLiteral("Previsões do Cadastro"));
  setModal(true);

  auto* explicacao = new QLabel(
      QStringLiteral("A previsão de cada cliente do cadastro será gravada em PDF na pasta "
                     "escolhida, com o nome “Previsao - NOME - ANOS.pdf”."),
      this);
  explicacao->setWordWrap(true);

  const auto [de, ate] = AnosPadraoDaPrevisao(hoje_);
  txtAnoInicial_ = CaixaDeAno(this, "txtAnoInicial", de);
  txtAnoFinal_ = CaixaDeAno(this, "txtAnoFinal", ate);
  auto* lblAnos = new QLabel(QStringLiteral("A&nos da previsão: de"), this);
  lblAnos->setBuddy(txtAnoInicial_);
  auto* lblAte = new QLabel(QStringLiteral("até"), this);
  lblAte->setBuddy(txtAnoFinal_);
  auto* anos = new QHBoxLayout;
  anos->addWidget(lblAnos);
  anos->addWidget(txtAnoInicial_);
  anos->addWidget(lblAte);
  anos->addWidget(txtAnoFinal_);
  anos->addStretch();

  txtPasta_ = new QLineEdit(QDir::toNativeSeparators(pasta_), this);
  txtPasta_->setObjectName(QStringLiteral("txtPasta"));
  txtPasta_->setMinimumWidth(360);
  auto* lblPasta = new QLabel(QStringLiteral("&Gravar na pasta:"), this);
  lblPasta->setBuddy(txtPasta_);
  cmdProcurar_ = Botao(this, "cmdProcurar", QStringLiteral("Pro&curar..."));
  auto* linhaPasta = new QHBoxLayout;
  linhaPasta->addWidget(txtPasta_, 1);
  linhaPasta->addWidget(cmdProcurar_);

  cmdGerar_ = Botao(this, "cmdGerar", QStringLiteral("Gravar &Previsões"));
  cmdCancelar_ = Botao(this, "cmdCancelar", QStringLiteral("Cancela&r"));
  for (QPushButton* b : {cmdProcurar_, cmdGerar_, cmdCancelar_}) b->setAutoDefault(false);
  cmdGerar_->setDefault(true);
  connect(cmdProcurar_, &QPushButton::clicked, this, &frmPrevisoesDoCadastro::cmdProcurar_Click);
  connect(cmdGerar_, &QPushButton::clicked, this, &frmPrevisoesDoCadastro::cmdGerar_Click);
  connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::reject);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(cmdCancelar_);
  botoes->addWidget(cmdGerar_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->addWidget(explicacao);
  layout->addSpacing(8);
  layout->addLayout(anos);
  layout->addSpacing(8);
  layout->addWidget(lblPasta);
  layout->addLayout(linhaPasta);
  layout->addSpacing(10);
  layout->addLayout(botoes);
  setFixedSize(sizeHint());
}

void frmPrevisoesDoCadastro::Executa(QWidget* pai, const Configuracao& configuracao,
                                     const Data& hoje, QString& pasta) {
  frmPrevisoesDoCadastro dialogo(configuracao, hoje, pasta, pai);
  dialogo.exec();
}

void frmPrevisoesDoCadastro::cmdProcurar_Click() {
  const QString escolhida = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Pasta das previsões"), txtPasta_->text(),
      QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  if (!escolhida.isEmpty()) txtPasta_->setText(QDir::toNativeSeparators(escolhida));
}

void frmPrevisoesDoCadastro::cmdGerar_Click() {
  const int de = txtAnoInicial_->value(), ate = txtAnoFinal_->value();
  // Each client's birth is checked by the batch; here only the range itself.
  if (const auto recusa = RecusaDosAnos(Data{1, 1, 1000}, de, ate)) {
    Mensagem(this, QMessageBox::Critical, QStringLiteral("Erro:"), Q(*recusa));
    txtAnoFinal_->setFocus();
    txtAnoFinal_->selectAll();
    return;
  }
  const QString pasta = QDir::fromNativeSeparators(txtPasta_->text().trimmed());
  if (pasta.isEmpty()) {
    Mensagem(this, QMessageBox::Critical, QStringLiteral("Erro:"),
             QStringLiteral("Escolha a pasta onde as previsões serão gravadas."));
    txtPasta_->setFocus();
    return;
  }
  pasta_ = pasta;
  for (QWidget* w : std::initializer_list<QWidget*>{txtAnoInicial_, txtAnoFinal_, txtPasta_,
                                                     cmdProcurar_, cmdGerar_, cmdCancelar_}) {
    w->setEnabled(false);
  }
  int total = 0;
  resultado_ = GravaComProgresso(de, ate, pasta.toStdString(), total);
  MostraResultado(*resultado_, total, pasta);
  accept();
}

ResultadoDoLote frmPrevisoesDoCadastro::GravaComProgresso(int anoInicial, int anoFinal,
                                                          const std::string& pasta, int& total) {
  JanelaDeProgresso progresso(this);
  progresso.show();
  // The batch fills the global pool with its writers and waits for them; it
  // runs on a pool of its own, or it would hold one of their threads.
  QThreadPool fila;
  fila.setMaxThreadCount(1);
  QFuture<ResultadoDoLote> futuro = QtConcurrent::run(
      &fila, [&progresso, configuracao = configuracao_, hoje = hoje_, anoInicial, anoFinal, pasta,
              &total] {
        return GravaPrevisoesDoCadastro(
            configuracao, anoInicial, anoFinal, pasta, hoje, [&](const ProgressoDoLote& p) {
              total = p.total;
              // Told to the window on its own thread; the batch never waits for it.
              QMetaObject::invokeMethod(
                  &progresso, [&progresso, p] { progresso.Mostra(p); }, Qt::QueuedConnection);
              return !progresso.cancelar.load();
            });
      });
  QFutureWatcher<ResultadoDoLote> vigia;
  QEventLoop laco;
  connect(&vigia, &QFutureWatcherBase::finished, &laco, &QEventLoop::quit);
  vigia.setFuture(futuro);
  laco.exec();
  return futuro.result();
}

void frmPrevisoesDoCadastro::MostraResultado(const ResultadoDoLote& r, int total,
                                             const QString& pasta) {
  const QString onde = QDir::toNativeSeparators(pasta);
  QString texto;
  if (total == 0) {
    texto = QStringLiteral("O cadastro não tem clientes: nenhuma previsão foi gravada.");
  } else {
    texto = r.gravados == 1
                ? QStringLiteral("1 previsão gravada em %1.").arg(onde)
                : QStringLiteral("%1 previsões gravadas em %2.").arg(r.gravados).arg(onde);
    if (r.cancelado) texto = QStringLiteral("Gravação cancelada. ") + texto;
  }
  QMessageBox caixa(r.pulados.empty() ? QMessageBox::Information : QMessageBox::Warning,
                    QStringLiteral("Previsões do Cadastro"), QString(), QMessageBox::Ok, this);
  caixa.setObjectName(QStringLiteral("msgResultadoDoLote"));
  const int pulados = static_cast<int>(r.pulados.size());
  QStringList lista;
  for (const std::string& p : r.pulados) lista << QStringLiteral("• ") + Q(p);
  if (pulados > 0 && pulados <= kPuladosNoTexto) {
    texto += (pulados == 1 ? QStringLiteral("\n\nEste cliente não foi incluído:\n")
                           : QStringLiteral("\n\nEstes clientes não foram incluídos:\n")) +
             lista.join(QLatin1Char('\n'));
  } else if (pulados > kPuladosNoTexto) {
    texto += QStringLiteral("\n\n%1 clientes não foram incluídos; a lista, com o motivo de cada "
                            "um, está nos detalhes.")
                 .arg(pulados);
    caixa.setDetailedText(lista.join(QLatin1Char('\n')));
  }
  caixa.setText(texto);
  // Wide enough that a client and the reason it was left out fit a line or two.
  if (auto* grade = qobject_cast<QGridLayout*>(caixa.layout())) {
    grade->addItem(new QSpacerItem(520, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                   grade->rowCount(), 0, 1, grade->columnCount());
  }
  caixa.exec();
}

}  // namespace cifra
