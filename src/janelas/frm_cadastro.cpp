#include "frm_cadastro.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/pedido.h"
#include "library/arquivo_registros.h"
#include "library/edicao.h"
#include "auxiliares.h"

namespace cifra {

namespace {


QLineEdit* CaixaSoLeitura(QWidget* pai, const char* nome, int maximo) {
  auto* caixa = new QLineEdit(pai);
  caixa->setObjectName(QString::fromLatin1(nome));
  caixa->setMaxLength(maximo);
  caixa->setReadOnly(true);
  return caixa;
}

// Enter in a box of the register must not press a button.
QPushButton* BotaoSemPadrao(QWidget* pai, const char* nome, const QString& texto) {
  auto* b = Botao(pai, nome, texto);
  b->setAutoDefault(false);
  return b;
}

// Each input box of a client: title, question and the field's length.
struct Pergunta {
  std::string Cliente::*campo;
  const char* titulo;
  const char* texto;
  int maximo;
};

const Pergunta kPerguntas[] = {
    {&Cliente::Nome, "Nome:", "Digite o NOME da pessoa a ser inclusa no cadastro:", 100},
    {&Cliente::Endereco, "Endereço:", "Digite o ENDEREÇO da pessoa a ser inclusa no cadastro:",
     150},
    {&Cliente::CidadeUf, "Cidade - UF:",
     "Digite a CIDADE e a SIGLA (UF) onde mora a pessoa a ser inclusa no cadastro:", 50},
    {&Cliente::DataNascimento, "Data de Nascimento:",
     "Digite a DATA DE NASCIMENTO da pessoa a ser inclusa no cadastro:", 10},
    {&Cliente::Cep, "Cep:",
     "Digite o CEP da localidade onde mora a pessoa a ser inclusa no cadastro:", 10},
    {&Cliente::Telefone, "Telefone:", "Digite o TELEFONE da pessoa a ser inclusa no cadastro:",
     15},
};

}  // namespace

// The names the combo lists: the register through the filter, a row made
// only when it is on screen, so a million clients cost no widget items.
class ListaDeClientes : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void Mostra(const NomesDoCadastro& nomes, std::vector<int> registros) {
    beginResetModel();
    nomes_ = &nomes;
    registros_ = std::move(registros);
    endResetModel();
  }
  int rowCount(const QModelIndex& pai = {}) const override {
    return pai.isValid() ? 0 : static_cast<int>(registros_.size());
  }
  QVariant data(const QModelIndex& indice, int papel) const override {
    if (!indice.isValid() || indice.row() >= rowCount() ||
        (papel != Qt::DisplayRole && papel != Qt::EditRole)) {
      return {};
    }
    const int k = Registro(indice.row());
    const std::string_view nome = nomes_->Nome(k);
    QString texto = QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size()));
    if (nomes_->Danificado(k)) texto += QStringLiteral("  [registro danificado]");
    return texto;
  }
  int Registro(int linha) const { return registros_[static_cast<size_t>(linha)]; }
  // The row of record k, or -1 when the filter leaves it out.
  int Linha(int k) const {
    const auto p = std::lower_bound(registros_.begin(), registros_.end(), k);
    return p != registros_.end() && *p == k ? static_cast<int>(p - registros_.begin()) : -1;
  }

 private:
  const NomesDoCadastro* nomes_ = nullptr;
  std::vector<int> registros_;
};

frmCadastro::frmCadastro(const PastaDeDados& pasta, QWidget* pai)
    : QDialog(pai), pasta_(pasta), hoje_(cifra::DataDeHoje()) {
  setObjectName(QStringLiteral("frmCadastro"));
  setWindowTitle(QStringLiteral("Cadastro de Clientes"));

  txtFiltro_ = new QLineEdit(this);
  txtFiltro_->setObjectName(QStringLiteral("txtFiltro"));
  txtFiltro_->setPlaceholderText(QStringLiteral("parte do nome, com ou sem acentos"));
  txtFiltro_->setClearButtonEnabled(true);
  cmbClientes_ = new QComboBox(this);
  cmbClientes_->setObjectName(QStringLiteral("cmbClientes"));
  cmbClientes_->setMinimumWidth(360);
  // Neither the combo nor its list measure every name: its width is fixed,
  // the list's rows are all one height, and the list drops below the combo
  // with a few rows and a scroll bar (the style's own menu-like list would
  // be sized, row by row, to the whole register).
  cmbClientes_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbClientes_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  cmbClientes_->setMaxVisibleItems(15);
  lista_ = new ListaDeClientes(cmbClientes_);
  cmbClientes_->setModel(lista_);
  if (auto* vista = qobject_cast<QListView*>(cmbClientes_->view())) vista->setUniformItemSizes(true);
  txtEndereco_ = CaixaSoLeitura(this, "txtEndereco", 150);
  txtCidadeUf_ = CaixaSoLeitura(this, "txtCidadeUf", 50);
  txtCEP_ = CaixaSoLeitura(this, "txtCEP", 10);
  txtTelefone_ = CaixaSoLeitura(this, "txtTelefone", 15);
  txtDataNasc_ = CaixaSoLeitura(this, "txtDataNasc", 10);

  auto* cmdRetrieve = BotaoSemPadrao(this, "cmdRetrieve", QStringLiteral("Carregar &Informações"));
  cmdRetrieve->setDefault(true);
  auto* cmdPrepToInserir = BotaoSemPadrao(this, "cmdPrepToInserir", QStringLiteral("&Cadastrar Novo Cliente"));
  cmdAlterar_ = BotaoSemPadrao(this, "cmdAlterar", QStringLiteral("&Alterar"));
  cmdExcluir_ = BotaoSemPadrao(this, "cmdExcluir", QStringLiteral("&Excluir"));
  auto* cmdCancel = BotaoSemPadrao(this, "cmdCancel", QStringLiteral("Cancela&r"));

  auto* formulario = new QFormLayout;
  formulario->addRow(QStringLiteral("&Procurar:"), txtFiltro_);
  formulario->addRow(QStringLiteral("Nome do Cliente:"), cmbClientes_);
  formulario->addRow(QStringLiteral("Endereço:"), txtEndereco_);
  formulario->addRow(QStringLiteral("Cidade - UF:"), txtCidadeUf_);
  auto* linha = new QHBoxLayout;
  linha->addWidget(txtCEP_);
  linha->addWidget(new QLabel(QStringLiteral("Telefone:"), this));
  linha->addWidget(txtTelefone_);
  formulario->addRow(QStringLiteral("CEP:"), linha);
  formulario->addRow(QStringLiteral("Nascimento:"), txtDataNasc_);
  auto* botoes = new QGridLayout;
  botoes->addWidget(cmdRetrieve, 0, 0);
  botoes->addWidget(cmdPrepToInserir, 0, 1, 1, 2);
  botoes->addWidget(cmdAlterar_, 1, 0);
  botoes->addWidget(cmdExcluir_, 1, 1);
  botoes->addWidget(cmdCancel, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(formulario);
  layout->addSpacing(8);
  layout->addLayout(botoes);

  connect(txtFiltro_, &QLineEdit::textChanged, this, [this] { FiltraLista(Selecionado()); });
  connect(cmbClientes_, &QComboBox::currentIndexChanged, this, &frmCadastro::UpdateFields);
  connect(cmdRetrieve, &QPushButton::clicked, this, &frmCadastro::cmdRetrieve_Click);
  connect(cmdPrepToInserir, &QPushButton::clicked, this, &frmCadastro::cmdPrepToInserir_Click);
  connect(cmdAlterar_, &QPushButton::clicked, this, &frmCadastro::cmdAlterar_Click);
  connect(cmdExcluir_, &QPushButton::clicked, this, &frmCadastro::cmdExcluir_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  CarregarDadosNoCombo();
}

std::optional<Cliente> frmCadastro::Executa(QWidget* pai, const PastaDeDados& pasta) {
  frmCadastro janela(pasta, pai);
  janela.exec();
  return janela.Escolhido();
}

void frmCadastro::CarregarDadosNoCombo(int selecionar) {
  // The list lets go of the old names first: the two are never held together.
  const QSignalBlocker bloqueio(cmbClientes_);
  lista_->Mostra(nomes_, {});
  nomes_ = NomesDoCadastro();
  if (!cifra::TentaAvisando(this, [&] { nomes_ = NomesDoCadastro(pasta_); })) {
    nomes_ = NomesDoCadastro();
  }
  FiltraLista(selecionar);
}

void frmCadastro::FiltraLista(int selecionar) {
  const QSignalBlocker bloqueio(cmbClientes_);
  lista_->Mostra(nomes_, nomes_.Filtrar(txtFiltro_->text().toStdString()));
  const int linha = lista_->Linha(selecionar);
  cmbClientes_->setCurrentIndex(linha >= 0 ? linha : (lista_->rowCount() > 0 ? 0 : -1));
  UpdateFields();
}

int frmCadastro::Selecionado() const {
  const int linha = cmbClientes_->currentIndex();
  return linha >= 0 ? lista_->Registro(linha) : -1;
}

void frmCadastro::UpdateFields() {
  const int i = Selecionado();
  mostrado_.reset();
  if (i >= 0) cifra::TentaAvisando(this, [&] { mostrado_ = cifra::LerRegistroDeCliente(pasta_, i); });
  // Another program changed the register since its names were read: they
  // are read again (once), so the boxes show the client the list names.
  if (i >= 0 && !relendo_ && (!mostrado_ || mostrado_->cliente.Nome != nomes_.Nome(i))) {
    relendo_ = true;
    CarregarDadosNoCombo(i);
    relendo_ = false;
    return;
  }
  const bool ha = mostrado_.has_value();
  cmdAlterar_->setEnabled(ha);
  cmdExcluir_->setEnabled(ha);
  const Cliente vazio;
  const Cliente& c = ha ? mostrado_->cliente : vazio;
  txtEndereco_->setText(Q(c.Endereco));
  txtCidadeUf_->setText(Q(c.CidadeUf));
  txtCEP_->setText(Q(c.Cep));
  txtTelefone_->setText(Q(c.Telefone));
  txtDataNasc_->setText(Q(c.DataNascimento));
}

void frmCadastro::cmdRetrieve_Click() {
  if (!mostrado_) {
    Erro(QStringLiteral("Desculpe, mas é impossível carregar um cliente que não consta no cadastro!"));
    return;
  }
  escolhido_ = mostrado_->cliente;
  accept();
}

void frmCadastro::cmdPrepToInserir_Click() {
  if (!Confirma(QStringLiteral("Aviso:"),
                QStringLiteral("Você está certo de que deseja cadastrar um novo cliente?"))) {
    return;
  }
  const auto novo = PerguntaDados(Cliente{}, false);
  if (!novo) return;
  // A failed write keeps what was typed: the operator may try again.
  for (;;) {
    try {
      cifra::AcrescentarCliente(pasta_, *novo);
      break;
    } catch (const ErroDeArquivo& e) {
      if (!Confirma(QStringLiteral("Erro:"),
                    QString::fromUtf8(e.what()) +
                        QStringLiteral("\n\nDeseja tentar gravar este cliente novamente?"),
                    QMessageBox::Critical)) {
        return;
      }
    }
  }
  txtFiltro_->clear();
  CarregarDadosNoCombo(cifra::ContarClientes(pasta_) - 1);
}

void frmCadastro::cmdAlterar_Click() {
  const int i = Selecionado();
  if (i < 0 || !mostrado_) return;
  const RegistroDeCliente lido = *mostrado_;
  if (!Confirma(QStringLiteral("Aviso:"),
                QStringLiteral("Você deseja alterar os dados de %1? Cada pergunta a seguir traz o "
                               "dado atual; cancelar qualquer uma delas desiste da alteração.")
                    .arg(Q(lido.cliente.Nome)))) {
    return;
  }
  const auto novo = PerguntaDados(lido.cliente, true);
  if (!novo) return;
  cifra::TentaAvisando(this, [&] { cifra::AlterarCliente(pasta_, i, lido, *novo); });
  CarregarDadosNoCombo(i);
}

void frmCadastro::cmdExcluir_Click() {
  const int i = Selecionado();
  if (i < 0 || !mostrado_) return;
  const RegistroDeCliente lido = *mostrado_;
  if (!Confirma(QStringLiteral("Atenção:"),
                QStringLiteral("Você está certo de que deseja excluir %1 do cadastro? Esta "
                               "operação não poderá ser desfeita.")
                    .arg(Q(lido.cliente.Nome)))) {
    return;
  }
  cifra::TentaAvisando(this, [&] { cifra::ExcluirCliente(pasta_, i, lido); });
  CarregarDadosNoCombo(i);  // the client that took its place
}

std::optional<Cliente> frmCadastro::PerguntaDados(const Cliente& inicial,
                                                         bool alterando) {
  Cliente c = inicial;
  for (const auto& p : kPerguntas) {
    const QString titulo = QString::fromUtf8(p.titulo);
    QString pergunta = QString::fromUtf8(p.texto);
    if (alterando) {
      pergunta.replace(QStringLiteral("a ser inclusa no cadastro"),
                       QStringLiteral("cujos dados você está alterando"));
    }
    QString resposta = Q(inicial.*p.campo);
    bool ok = false;
    if (p.campo == &Cliente::DataNascimento) {
      // Asked until it is a date an analysis accepts; cancelling it gives
      // up the whole client.
      QString texto = pergunta;
      for (;;) {
        resposta = Pergunta(titulo, texto, resposta, p.maximo, &ok);
        if (!ok) return std::nullopt;
        const auto data = cifra::InterpretaData(resposta.trimmed().toStdString(), hoje_);
        if (data && cifra::NascimentoAceito(*data, hoje_)) {
          resposta = Q(cifra::FormataData(*data));
          break;
        }
        texto = pergunta + (data ? QStringLiteral("\n(%1)").arg(Q(std::string(cifra::kMensagemDataForaDoIntervalo)))
                                 : QStringLiteral("\n(A data informada não é válida; por exemplo: 20/08/1978.)"));
      }
    } else {
      // Asked again while it holds characters the register cannot keep: a
      // "?" in their place would go on into the analysis.
      QString texto = pergunta;
      for (;;) {
        resposta = Pergunta(titulo, texto, resposta, p.maximo, &ok);
        if (!ok) break;
        const auto semLugar = cifra::CaracteresSemLugar(resposta.toStdString());
        if (semLugar.empty()) break;
        texto = pergunta + QStringLiteral("\n(O cadastro não pode guardar estes caracteres: %1. "
                                          "Retire-os ou troque-os.)")
                               .arg(Q(cifra::ListaDeCaracteres(semLugar)));
      }
      if (!ok) {
        if (alterando) return std::nullopt;
        resposta.clear();  // a cancelled box leaves its field blank
      }
    }
    c.*p.campo = resposta.toStdString();
  }
  return c;
}

QString frmCadastro::Pergunta(const QString& titulo, const QString& texto, const QString& inicial,
                              int maximo, bool* ok) {
  QInputDialog caixa(this);
  caixa.setWindowTitle(titulo);
  caixa.setLabelText(texto);
  caixa.setInputMode(QInputDialog::TextInput);
  caixa.setTextValue(inicial);
  caixa.setOkButtonText(QStringLiteral("OK"));
  caixa.setCancelButtonText(QStringLiteral("Cancelar"));
  if (auto* linha = caixa.findChild<QLineEdit*>()) linha->setMaxLength(maximo);
  *ok = caixa.exec() == QDialog::Accepted;
  return *ok ? caixa.textValue() : QString();
}

bool frmCadastro::Confirma(const QString& titulo, const QString& texto, QMessageBox::Icon icone) {
  QMessageBox caixa(icone, titulo, texto, QMessageBox::Yes | QMessageBox::No, this);
  caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
  caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
  caixa.setDefaultButton(QMessageBox::No);
  return caixa.exec() == QMessageBox::Yes;
}

void frmCadastro::Erro(const QString& texto) {
  QMessageBox::critical(this, QStringLiteral("Erro:"), texto);
}

}  // namespace cifra
