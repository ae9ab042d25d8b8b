#include "frm_principal.h"

#include <QAction>
#include <QActionGroup>
#include <QStyle>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "frm_ajuda.h"
#include "frm_cadastro.h"
#include "frm_dicas.h"
#include "frm_entra_nome.h"
#include "frm_entrada.h"
#include "frm_harmoniza_nome.h"
#include "frm_previsoes_cadastro.h"
#include "frm_sobre.h"
#include "janela_sons.h"
#include "engine/data.h"
#include "engine/numerologia.h"
#include "library/arquivo_registros.h"
#include "library/formulas.h"
#include "frm_edita_calculo.h"
#include "frm_ordem.h"
#include "frm_seleciona_alteracao.h"
#include "presentation/compatibilidade_em_paginas.h"
#include "presentation/conteudo_do_documento.h"
#include "presentation/previsao_em_paginas.h"
#include "printing/imprimir.h"
#include "frm_exibe_relatorio.h"
#include "frm_imprimir.h"
#include "frm_configura_fonte.h"
#include "frm_configura_programa.h"
#include "frm_configura_rodape.h"
#include "frm_selecionar_arquivo.h"
#include "auxiliares.h"

namespace cifra {

namespace {

const QString kPerguntaFecharAnalise = QStringLiteral(
    "Há uma análise sendo exibida atualmente. É aconselhável fechar esta análise antes de "
    "prosseguir com a criação de uma nova análise. Gostaria que o programa fechasse esta "
    "análise automaticamente antes de prosseguir com a criação desta nova análise?");
const QString kSemAnaliseParaNavegar = QStringLiteral(
    "Para você poder navegar é fundamental que exista uma análise sendo exibida na tela de seu "
    "computador. Crie uma análise clicando no primeiro botão do menu e então este botão de "
    "navegação funcionará.");
const QString kSemAnaliseParaExportar = QStringLiteral(
    "Para que você possa exportar uma análise é necessário que você a tenha gerada antes. Para "
    "isso, clique sobre o primeiro botão, crie uma análise e então repita a operação.");
const QString kAnaliseExportada = QStringLiteral(
    "O texto da %1 atualmente exibida em seu monitor foi copiado para a área de "
    "transferência do seu computador. Para transportá-la para qualquer editor de textos (ex. "
    "Word), primeiro inicie o programa, crie um novo documento em branco e então pressione CTRL "
    "+ V ou se preferir utilize a opção Editar -> Colar no menu do programa.");
const QString kSemAnaliseParaSalvar = QStringLiteral(
    "Para salvar um documento é preciso que exista uma análise ou previsão sendo exibida em seu "
    "monitor. Crie uma análise clicando no primeiro botão, ou uma previsão no segundo, e então "
    "repita a operação.");
const QString kSemAnaliseParaImprimir = QStringLiteral(
    "Para você poder imprimir uma análise é fundamental que exista uma análise sendo exibida em "
    "seu monitor. Para isso, clique no primeiro botão e crie uma análise. Depois clique "
    "novamente neste botão para imprimir.");
const QString kPerguntaSair =
    QStringLiteral("Está certo de que deseja encerrar este programa agora?");
const char* kChaveGeometria = "janelaPrincipal/geometria";

// The bottom bar: the two navigation pictures at its ends, the page label
// between them, each a fixed share of the window's width.
class BarraDeNavegacao : public QWidget {
 public:
  BarraDeNavegacao(QWidget* volta, QWidget* info, QWidget* avanca, QWidget* pai)
      : QWidget(pai), volta_(volta), info_(info), avanca_(avanca) {
    setObjectName(QStringLiteral("picRodape"));
    setFixedHeight(31);
    for (QWidget* w : {volta, info, avanca}) w->setParent(this);
  }

 protected:
  void resizeEvent(QResizeEvent*) override {
    const double w = width();
    const int h = height();
    volta_->setGeometry(static_cast<int>(w * 0.01), 0, static_cast<int>(w * 0.07), h);
    info_->setGeometry(static_cast<int>(w * 0.1), 0, static_cast<int>(w * 0.8), h);
    avanca_->setGeometry(static_cast<int>(w * 0.91), 0, static_cast<int>(w * 0.07), h);
  }

 private:
  QWidget* volta_;
  QWidget* info_;
  QWidget* avanca_;
};

QToolButton* BotaoDeNavegacao(const char* nome, const char* figura, const QString& dica) {
  auto* b = new QToolButton;
  b->setObjectName(QString::fromLatin1(nome));
  b->setIcon(QIcon(QString::fromLatin1(figura)));
  b->setIconSize(QSize(24, 24));
  b->setAutoRaise(true);
  b->setToolTip(dica);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

// What kind of document it is, as a sentence names it ("a análise exibida").
QString EspecieDoDocumento(const DocumentoDaAnalise* documento) {
  if (documento && documento->ComoPrevisao()) return QStringLiteral("previsão");
  if (documento && documento->ComoCompatibilidade()) return QStringLiteral("compatibilidade");
  return QStringLiteral("análise");
}

}  // namespace

frmPrincipal::frmPrincipal(const std::string& pastaDeDados, bool geometriaNaPasta, QWidget* pai)
    : QMainWindow(pai),
      configuracao_(cifra::CarregarConfiguracao(pastaDeDados, &problemas_)),
      opcoesGravadas_(configuracao_.opcoes),
      geometriaNaPasta_(geometriaNaPasta),
      sons_(std::make_unique<TocadorDeSons>(configuracao_.pasta)) {
  setObjectName(QStringLiteral("frmPrincipal"));
  setWindowTitle(QStringLiteral("Cifralumina Comercial"));
  setWindowIcon(QIcon(QStringLiteral(":/imagens/produto.svg")));

  area_ = new QMdiArea;
  area_->setObjectName(QStringLiteral("areaDasAnalises"));
  area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  // Analyses left outside a smaller window stay within reach.
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(area_, &QMdiArea::subWindowActivated, this, &frmPrincipal::ExibidorAtivado);

  MontaAcoes();
  MontaMenus();
  MontaBarraDeNavegacao();

  auto* centro = new QWidget;
  auto* layout = new QVBoxLayout(centro);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(area_, 1);
  layout->addWidget(picRodape_);
  setCentralWidget(centro);

  // The hints follow the mouse over the toolbar; the analyses' background
  // and the bottom bar close them.
  dicas_ = new ControleDeDicas(findChild<QToolBar*>(QStringLiteral("picMenu")), this);
  dicas_->AcompanhaFundo(area_->viewport());
  dicas_->AcompanhaFundo(picRodape_);
}

frmPrincipal::~frmPrincipal() {
  if (observado_) observado_->Documento().RemoveObservador(this);
  // The viewers still open go with the area, after this window has stopped
  // being a frmPrincipal: nothing of theirs may call back into it.
  area_->disconnect(this);
  for (QMdiSubWindow* janela : area_->subWindowList()) janela->disconnect(this);
}

void frmPrincipal::MontaAcoes() {
  auto acao = [this](QAction*& destino, const char* nome, const QString& texto,
                     const QString& dica, const QList<QKeySequence>& atalhos, auto slot) {
    destino = new QAction(texto, this);
    destino->setObjectName(QString::fromLatin1(nome));
    destino->setIcon(QIcon(QStringLiteral(":/imagens/icone_%1.svg").arg(QLatin1String(nome))));
    destino->setShortcuts(atalhos);
    destino->setToolTip(atalhos.isEmpty()
                            ? dica
                            : QStringLiteral("%1 (%2)").arg(
                                  dica, atalhos.first().toString(QKeySequence::NativeText)));
    connect(destino, &QAction::triggered, this, slot);
  };
  acao(cmdCriaAnalise, "cmdCriaAnalise", QStringLiteral("C&riar Análise..."),
       QStringLiteral("Criar uma análise"), {QKeySequence::New}, &frmPrincipal::cmdCriaAnalise_Click);
  acao(cmdCriaPrevisao, "cmdCriaPrevisao", QStringLiteral("&Previsão..."),
       QStringLiteral("Criar a previsão dos próximos anos"),
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)}, &frmPrincipal::cmdCriaPrevisao_Click);
  acao(cmdCompatibilidade, "cmdCompatibilidade", QStringLiteral("Co&mpatibilidade..."),
       QStringLiteral("Comparar duas pessoas"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
       &frmPrincipal::cmdCompatibilidade_Click);
  acao(cmdHarmonizaNome, "cmdHarmonizaNome", QStringLiteral("&Harmonização do Nome..."),
       QStringLiteral("Comparar grafias de um nome"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
       &frmPrincipal::cmdHarmonizaNome_Click);
  acao(cmdImprimir, "cmdImprimir", QStringLiteral("&Imprimir Análise..."),
       QStringLiteral("Imprimir a análise exibida"), {QKeySequence::Print},
       &frmPrincipal::cmdImprimir_Click);
  acao(cmdConfigurarFontes, "cmdConfigurarFontes", QStringLiteral("&Fontes..."),
       QStringLiteral("Configurar as fontes da análise"), {}, &frmPrincipal::cmdConfigurarFontes_Click);
  acao(cmdConfiguraPrograma, "cmdConfiguraPrograma", QStringLiteral("&Opções do Programa..."),
       QStringLiteral("Opções do programa"), {}, &frmPrincipal::cmdConfiguraPrograma_Click);
  acao(cmdAjuda, "cmdAjuda", QStringLiteral("&Ajuda"), QStringLiteral("Ajuda"),
       {QKeySequence::HelpContents}, &frmPrincipal::cmdAjuda_Click);
  acao(cmdSobre, "cmdSobre", QStringLiteral("Sobre este Programa"),
       QStringLiteral("Sobre este programa"), {}, &frmPrincipal::cmdSobre_Click);
  acao(cmdExportar, "cmdExportar", QStringLiteral("&Exportar para a Área de Transferência"),
       QStringLiteral("Copiar o texto da análise para a área de transferência"),
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, &frmPrincipal::cmdExportar_Click);
  acao(cmdSair, "cmdSair", QStringLiteral("&Sair..."), QStringLiteral("Sair do programa"),
       {QKeySequence(Qt::CTRL | Qt::Key_Q)}, &frmPrincipal::cmdSair_Click);

  auto* picMenu = addToolBar(QStringLiteral("Ferramentas"));
  picMenu->setObjectName(QStringLiteral("picMenu"));
  picMenu->setMovable(false);
  picMenu->setFloatable(false);
  picMenu->setIconSize(QSize(32, 32));
  picMenu->setToolButtonStyle(Qt::ToolButtonIconOnly);
  picMenu->setContextMenuPolicy(Qt::PreventContextMenu);
  for (QAction* a : {cmdCriaAnalise, cmdCriaPrevisao, cmdCompatibilidade, cmdHarmonizaNome,
                     cmdImprimir, cmdConfigurarFontes,
                     cmdConfiguraPrograma, cmdAjuda, cmdSobre, cmdExportar, cmdSair}) {
    picMenu->addAction(a);
    picMenu->widgetForAction(a)->setObjectName(a->objectName() + QStringLiteral("Botao"));
  }
}

void frmPrincipal::MontaMenus() {
  auto item = [this](QMenu* menu, const char* nome, const QString& texto, auto slot) {
    QAction* a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nome));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QMenu* mnuArquivo = menuBar()->addMenu(QStringLiteral("Arquivo"));
  mnuArquivo->setObjectName(QStringLiteral("mnuArquivo"));
  mnuArquivo->addActions(
      {cmdCriaAnalise, cmdCriaPrevisao, cmdCompatibilidade, cmdHarmonizaNome, cmdImprimir});
  mnuSalvarOdt = item(mnuArquivo, "mnuSalvarOdt",
                      QStringLiteral("Salvar como &documento (.odt)..."),
                      &frmPrincipal::mnuSalvarOdt_Click);
  mnuArquivo->addAction(cmdExportar);
  mnuArquivo->addSeparator();
  mnuPrevisoesDoCadastro = item(mnuArquivo, "mnuPrevisoesDoCadastro",
                                QStringLiteral("Pre&visões do Cadastro..."),
                                &frmPrincipal::mnuPrevisoesDoCadastro_Click);
  mnuArquivo->addSeparator();
  item(mnuArquivo, "mnuConfigurarRodape", QStringLiteral("&Configurar Cabeçalho e Rodapé"),
       [this] { Prologo(); AbrirCabecalhoERodape(); });
  item(mnuArquivo, "mnuAlterarImagemCabecalho", QStringLiteral("&Alterar imagem do Cabeçalho"),
       [this] { Prologo(); AlterarImagemCabecalho(); });
  mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo"));
  item(mnuArquivo, "mnuDefinirCalculoA", QStringLiteral("Definir Cálculo do Número &A"),
       [this] { Prologo(); DefinirCalculoA(); });
  item(mnuArquivo, "mnuDefinirCalculoB", QStringLiteral("Definir Cálculo do Número &B"),
       [this] { Prologo(); DefinirCalculoB(); });
  mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo2"));
  mnuArquivo->addAction(cmdSair);
  mnuEncerrar = item(mnuArquivo, "mnuEncerrar", QStringLiteral("Encerrar Programa"),
                     &frmPrincipal::mnuEncerrar_Click);

  QMenu* mnuJanela = menuBar()->addMenu(QStringLiteral("Janela"));
  mnuJanela->setObjectName(QStringLiteral("mnuJanela"));
  item(mnuJanela, "mnuJanelaLadoLado", QStringLiteral("Organizar Lado a Lado"),
       &frmPrincipal::mnuJanelaLadoLado_Click);
  item(mnuJanela, "mnuJanelaEmCascata", QStringLiteral("Organizar em Cascata"),
       &frmPrincipal::mnuJanelaEmCascata_Click);
  mnuJanelaProxima = item(mnuJanela, "mnuJanelaProxima", QStringLiteral("Pró&xima Análise"),
                          [this] { area_->activateNextSubWindow(); });
  mnuJanelaProxima->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
  mnuJanelaAnterior = item(mnuJanela, "mnuJanelaAnterior", QStringLiteral("Análise An&terior"),
                           [this] { area_->activatePreviousSubWindow(); });
  mnuJanelaAnterior->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
  mnuJanela->addSeparator();
  mnuPaginaAnterior = item(mnuJanela, "mnuPaginaAnterior", QStringLiteral("Página &Anterior"),
                           &frmPrincipal::picVolta_Click);
  mnuPaginaAnterior->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  mnuProximaPagina = item(mnuJanela, "mnuProximaPagina", QStringLiteral("&Próxima Página"),
                          &frmPrincipal::picAvanca_Click);
  mnuProximaPagina->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  mnuJanela->addSeparator();
  // Zoom acts on the viewer in front; without one there is nothing to zoom.
  auto zoom = [this](void (VistaDaFolha::*operacao)()) {
    return [this, operacao] {
      if (frmExibeRelatorio* e = ExibidorAtivo()) (e->Vista().*operacao)();
    };
  };
  mnuAumentarZoom = item(mnuJanela, "mnuAumentarZoom", QStringLiteral("A&umentar Zoom"),
                         zoom(&VistaDaFolha::AumentaZoom));
  mnuAumentarZoom->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  mnuDiminuirZoom = item(mnuJanela, "mnuDiminuirZoom", QStringLiteral("&Diminuir Zoom"),
                         zoom(&VistaDaFolha::DiminuiZoom));
  mnuDiminuirZoom->setShortcuts({QKeySequence::ZoomOut});
  mnuAjustarLargura = item(mnuJanela, "mnuAjustarLargura", QStringLiteral("&Largura da Página"),
                           zoom(&VistaDaFolha::AjustaLargura));
  mnuAjustarLargura->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  // The open analyses, by person, the one in front checked: listed anew
  // each time the menu opens.
  auto* separador = mnuJanela->addSeparator();
  auto* analises = new QActionGroup(mnuJanela);
  connect(mnuJanela, &QMenu::aboutToShow, this, [this, mnuJanela, separador, analises] {
    for (QAction* a : analises->actions()) delete a;
    const auto janelas = area_->subWindowList();
    separador->setVisible(!janelas.isEmpty());
    for (int i = 0; i < janelas.size(); ++i) {
      QMdiSubWindow* janela = janelas[i];
      const QString rotulo = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(janela->windowTitle())
                                   : janela->windowTitle();
      QAction* a = mnuJanela->addAction(rotulo);
      a->setObjectName(QStringLiteral("mnuJanelaAnalise%1").arg(i + 1));
      a->setCheckable(true);
      a->setChecked(janela == area_->activeSubWindow());
      analises->addAction(a);
      connect(a, &QAction::triggered, this, [this, janela] { area_->setActiveSubWindow(janela); });
    }
  });

  QMenu* mnuAlterarNada = menuBar()->addMenu(QStringLiteral("Alterar"));
  mnuAlterarNada->setObjectName(QStringLiteral("mnuAlterarNada"));
  item(mnuAlterarNada, "mnuAlterarOrdem", QStringLiteral("&Ordem da Análise"),
       [this] { Prologo(); AbrirOrdemDaAnalise(); });
  item(mnuAlterarNada, "mnuAlterarConteudoDasAnalises", QStringLiteral("&Conteúdo das Análises"),
       [this] { Prologo(); AbrirConteudoDasAnalises(); });

  QMenu* mnuSobre = menuBar()->addMenu(QStringLiteral("Sobre"));
  mnuSobre->setObjectName(QStringLiteral("mnuSobre"));
  mnuSobre->addAction(cmdAjuda);
  mnuSobre->addSeparator();
  mnuSobre->addAction(cmdSobre);
}

void frmPrincipal::MontaBarraDeNavegacao() {
  picVolta_ = BotaoDeNavegacao("picVolta", ":/imagens/volta.svg",
                               QStringLiteral("Página anterior (Ctrl+PgUp)"));
  picAvanca_ = BotaoDeNavegacao("picAvanca", ":/imagens/avanca.svg",
                                QStringLiteral("Próxima página (Ctrl+PgDown)"));
  lblInfoNavega_ = new QLabel(QString::fromUtf8(kConviteParaAnalise));
  lblInfoNavega_->setObjectName(QStringLiteral("lblInfoNavega"));
  lblInfoNavega_->setAlignment(Qt::AlignCenter);
  connect(picVolta_, &QToolButton::clicked, this, &frmPrincipal::picVolta_Click);
  connect(picAvanca_, &QToolButton::clicked, this, &frmPrincipal::picAvanca_Click);
  picRodape_ = new BarraDeNavegacao(picVolta_, lblInfoNavega_, picAvanca_, this);
}

void frmPrincipal::Inicia() {
  // The welcome sound plays whatever the options say.
  sons_->Toca(kSomDeBoasVindas);
  // The last size and place, as long as they fit the screen the window opens
  // on (a laptop at 200 %, a monitor unplugged); else 90 % of that screen.
  const QByteArray geometria = Lembrancas()->value(QLatin1String(kChaveGeometria)).toByteArray();
  const QRect tela = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
  if (geometria.isEmpty() || !restoreGeometry(geometria) || !tela.contains(geometry())) {
    setWindowState(windowState() & ~Qt::WindowMaximized);
    resize(tela.size() * 0.9);
    move(tela.center() - rect().center());
  }
  show();
  if (!problemas_.mensagens.empty()) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QStringList linhas;
    for (const std::string& m : problemas_.mensagens) linhas << QString::fromStdString(m);
    linhas.removeDuplicates();
    QMessageBox::warning(
        this, QStringLiteral("Atenção:"),
        linhas.join(QLatin1Char('\n')) +
            QStringLiteral("\n\nO programa continuará com os valores iniciais no lugar do que "
                           "não pôde ser lido, sem alterar esses arquivos."));
    QApplication::restoreOverrideCursor();
  }
  MostraAbertura();
}

void frmPrincipal::Prologo() { dicas_->FechaDica(); }

frmExibeRelatorio* frmPrincipal::ExibidorAtivo() const {
  QMdiSubWindow* janela = area_->currentSubWindow();
  return janela ? qobject_cast<frmExibeRelatorio*>(janela->widget()) : nullptr;
}

void frmPrincipal::AvisaSemImagem(const std::string& problema) {
  if (problema.empty()) return;
  cifra::Mensagem(this, QMessageBox::Warning, QStringLiteral("Atenção:"),
                  cifra::Q(problema) + QStringLiteral(" As páginas seguem sem a figura."));
}

ConteudoDaAnalise frmPrincipal::ConteudoDoDocumento(
    const DocumentoDaAnalise& documento) {
  std::string problema;
  ConteudoDaAnalise conteudo =
      cifra::ConteudoDoDocumento(documento, configuracao_, &problema);
  AvisaSemImagem(problema);
  return conteudo;
}

Analise frmPrincipal::MontaAnalise(const PessoaAnalisada& pessoa) const {
  return cifra::MontaAnalise(pessoa, cifra::DataDeHoje(), configuracao_.opcoes,
                             configuracao_.titulos, configuracao_.pasta);
}

void frmPrincipal::AtualizaAnalises() {
  Ampulheta ampulheta;
  std::string problema;  // an unreadable header picture is said once, not per document
  const Data hoje = cifra::DataDeHoje();
  for (QMdiSubWindow* janela : area_->subWindowList()) {
    auto* exibidor = qobject_cast<frmExibeRelatorio*>(janela->widget());
    if (!exibidor) continue;
    // An analysis is built again as an analysis for today, a forecast as a
    // forecast of the same years.
    const bool lida = cifra::TentaAvisando(this, [&] {
      cifra::RefazDocumento(exibidor->Documento(), configuracao_, hoje,
                            problema.empty() ? &problema : nullptr);
    });
    if (!lida) break;  // the same file fails for every document: said once
  }
  AvisaSemImagem(problema);
}

void frmPrincipal::cmdCriaAnalise_Click() {
  Prologo();
  if (frmExibeRelatorio* ativo = ExibidorAtivo()) {
    if (QMessageBox::question(this, QStringLiteral("Advertência:"), kPerguntaFecharAnalise,
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
      ativo->parentWidget()->close();
    }
  }
  const auto pessoa = frmEntraNome::Executa(this, cifra::DataDeHoje(),
                                            [this](frmEntraNome& pedido) { AbrirCadastro(pedido); });
  if (pessoa) CriaAnalise(*pessoa);
}

frmExibeRelatorio* frmPrincipal::CriaAnalise(const PessoaAnalisada& pessoa) {
  std::unique_ptr<DocumentoDaAnalise> documento;
  {
    Ampulheta ampulheta;
    Analise analise;
    if (!cifra::TentaAvisando(this, [&] { analise = MontaAnalise(pessoa); })) return nullptr;
    // The waiting sound loops until the first page turns it off.
    if (configuracao_.opcoes.EscutarSons) sons_->Toca(kSomDeEspera, true);
    std::string problema;
    PaginasDaTela paginas =
        cifra::ImprimirAnaliseNoMonitor(cifra::ConteudoDe(analise, configuracao_, &problema));
    AvisaSemImagem(problema);
    documento = std::make_unique<DocumentoDaAnalise>(pessoa, std::move(analise),
                                                            std::move(paginas));
  }
  return Exibe(std::move(documento));
}

void frmPrincipal::cmdCriaPrevisao_Click() {
  Prologo();
  const auto pedido = frmEntraNome::ExecutaPrevisao(
      this, cifra::DataDeHoje(), [this](frmEntraNome& dialogo) { AbrirCadastro(dialogo); });
  if (pedido) CriaPrevisao(pedido->pessoa, pedido->anoInicial, pedido->anoFinal);
}

frmExibeRelatorio* frmPrincipal::CriaPrevisao(const PessoaAnalisada& pessoa, int anoInicial,
                                              int anoFinal) {
  std::unique_ptr<DocumentoDaAnalise> documento;
  {
    Ampulheta ampulheta;
    Previsao previsao;
    if (!cifra::TentaAvisando(this, [&] {
          previsao = cifra::MontaPrevisao(pessoa, anoInicial, anoFinal, configuracao_.opcoes,
                                          configuracao_.pasta);
        })) {
      return nullptr;
    }
    if (configuracao_.opcoes.EscutarSons) sons_->Toca(kSomDeEspera, true);
    std::string problema;
    PaginasDaTela paginas = cifra::ImprimirAnaliseNoMonitor(
        cifra::ConteudoDaPrevisao(previsao, configuracao_, &problema));
    AvisaSemImagem(problema);
    documento = std::make_unique<DocumentoDaAnalise>(pessoa, std::move(previsao),
                                                            std::move(paginas));
  }
  return Exibe(std::move(documento));
}

void frmPrincipal::cmdCompatibilidade_Click() {
  Prologo();
  const auto pedido = frmEntraNome::ExecutaCompatibilidade(
      this, cifra::DataDeHoje(), [this](frmEntraNome& dialogo) { AbrirCadastro(dialogo); });
  if (pedido) CriaCompatibilidade(pedido->primeira, pedido->segunda);
}

frmExibeRelatorio* frmPrincipal::CriaCompatibilidade(const PessoaAnalisada& primeira,
                                                     const PessoaAnalisada& segunda) {
  std::unique_ptr<DocumentoDaAnalise> documento;
  {
    Ampulheta ampulheta;
    Compatibilidade compatibilidade;
    if (!cifra::TentaAvisando(this, [&] {
          compatibilidade = cifra::MontaCompatibilidade(primeira, segunda, configuracao_.opcoes,
                                                        configuracao_.pasta);
        })) {
      return nullptr;
    }
    if (configuracao_.opcoes.EscutarSons) sons_->Toca(kSomDeEspera, true);
    std::string problema;
    PaginasDaTela paginas = cifra::ImprimirAnaliseNoMonitor(
        cifra::ConteudoDaCompatibilidade(compatibilidade, configuracao_, &problema));
    AvisaSemImagem(problema);
    documento = std::make_unique<DocumentoDaAnalise>(primeira, segunda,
                                                            std::move(compatibilidade),
                                                            std::move(paginas));
  }
  return Exibe(std::move(documento));
}

frmExibeRelatorio* frmPrincipal::Exibe(std::unique_ptr<DocumentoDaAnalise> documento) {
  const bool maximizada = area_->subWindowList().isEmpty() ||
                          (area_->currentSubWindow() && area_->currentSubWindow()->isMaximized());
  auto* exibidor = new frmExibeRelatorio(std::move(documento), [this] {
    if (configuracao_.opcoes.EscutarSons) sons_->Toca(kSomDaFolha);
  });
  QMdiSubWindow* janela = area_->addSubWindow(exibidor);
  janela->setAttribute(Qt::WA_DeleteOnClose);
  janela->setWindowIcon(QIcon(QStringLiteral(":/imagens/produto.svg")));
  // When a viewer goes, the bar follows the one now in front (or none).
  connect(janela, &QObject::destroyed, this, [this] { ExibidorAtivado(nullptr); },
          Qt::QueuedConnection);
  if (maximizada) {
    janela->showMaximized();
  } else {
    janela->resize(area_->width() * 2 / 3, area_->height() * 9 / 10);
    janela->show();
  }
  area_->setActiveSubWindow(janela);
  exibidor->setFocus();
  // The pointer going straight from a button onto the page closes its hint.
  dicas_->AcompanhaFundo(exibidor->Vista().viewport());
  ExibidorAtivado(janela);
  return exibidor;
}

void frmPrincipal::ExibidorAtivado(QMdiSubWindow*) {
  frmExibeRelatorio* novo = ExibidorAtivo();
  if (novo != observado_) {
    if (observado_) observado_->Documento().RemoveObservador(this);
    observado_ = novo;
    if (novo) novo->Documento().AdicionaObservador(this);
  }
  // The print command names what it will print: "Imprimir Previsão..." with
  // a forecast in front.
  const QString especie = EspecieDoDocumento(novo ? &novo->Documento() : nullptr);
  cmdImprimir->setText(QStringLiteral("&Imprimir %1...").arg(especie.left(1).toUpper() + especie.mid(1)));
  cmdImprimir->setToolTip(QStringLiteral("Imprimir a %1 exibida (%2)")
                              .arg(especie, cmdImprimir->shortcut().toString(QKeySequence::NativeText)));
  if (novo) {
    PaginaAtualMudou(0, novo->PaginaExibida());
  } else {
    MostraInfoNavega(QString::fromUtf8(kConviteParaAnalise));
  }
}

void frmPrincipal::PaginaAtualMudou(int, int atual) {
  if (!observado_) return;
  MostraInfoNavega(QString::fromStdString(cifra::TextoDeNavegacao(atual, observado_->TotalDePaginas())));
}

void frmPrincipal::ConteudoMudou() {
  if (observado_) PaginaAtualMudou(0, observado_->PaginaExibida());
}

void frmPrincipal::MostraInfoNavega(const QString& texto) { lblInfoNavega_->setText(texto); }

QString frmPrincipal::InfoNavega() const { return lblInfoNavega_->text(); }

void frmPrincipal::Navega(bool avanca) {
  frmExibeRelatorio* e = ExibidorAtivo();
  if (!e) {
    QMessageBox::information(this, QStringLiteral("Importante:"), kSemAnaliseParaNavegar);
    return;
  }
  if (avanca) {
    e->Documento().Avanca();
  } else {
    e->Documento().Volta();
  }
  e->setFocus();
}

void frmPrincipal::picAvanca_Click() { Navega(true); }
void frmPrincipal::picVolta_Click() { Navega(false); }

void frmPrincipal::mnuJanelaLadoLado_Click() { area_->tileSubWindows(); }
// Qt's own cascade shrinks every window to its smallest size; here each
// analysis keeps two thirds of the area, one title bar below and right of
// the one before, starting again at the top when the next would not fit.
void frmPrincipal::mnuJanelaEmCascata_Click() {
  const QSize area = area_->viewport()->size();
  const QSize tamanho(area.width() * 2 / 3, area.height() * 2 / 3);
  const auto janelas = area_->subWindowList();
  if (janelas.isEmpty()) return;
  const int passo = janelas.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 6;
  int x = 0, y = 0;
  for (QMdiSubWindow* janela : janelas) {
    janela->showNormal();
    janela->resize(tamanho);
    if (y + tamanho.height() > area.height() || x + tamanho.width() > area.width()) x = y = 0;
    janela->move(x, y);
    janela->raise();
    x += passo;
    y += passo;
  }
  if (QMdiSubWindow* ativa = area_->activeSubWindow()) ativa->raise();
}

void frmPrincipal::cmdExportar_Click() {
  Prologo();
  frmExibeRelatorio* e = ExibidorAtivo();
  if (!e) {
    QMessageBox::critical(this, QStringLiteral("Erro:"), kSemAnaliseParaExportar);
    return;
  }
  {
    Ampulheta ampulheta;
    // Plain text as the command line writes it, and the same as HTML so a
    // word processor keeps the bold titles and the paragraphs.
    auto* dados = new QMimeData;
    dados->setText(cifra::Q(cifra::TextoDoDocumento(e->Documento(), configuracao_)));
    dados->setHtml(cifra::Q(cifra::HtmlDoDocumento(e->Documento(), configuracao_)));
    QClipboard* area = QGuiApplication::clipboard();
    area->clear();
    area->setMimeData(dados);
  }
  QMessageBox::information(this, QStringLiteral("Importante:"),
                           kAnaliseExportada.arg(EspecieDoDocumento(&e->Documento())));
}

void frmPrincipal::GravaEstado() {
  Lembrancas()->setValue(QLatin1String(kChaveGeometria), saveGeometry());
}

void frmPrincipal::GravaOpcoesSeMudaram() {
  // Options that could not be read at start-up are not written over for a
  // remembered choice; only a confirmed dialog does that.
  if (problemas_.opcoesIlegiveis || configuracao_.opcoes == opcoesGravadas_) return;
  if (cifra::TentaAvisando(this, [&] {
        cifra::GravarEstadoPrograma(configuracao_.pasta, configuracao_.opcoes);
      })) {
    opcoesGravadas_ = configuracao_.opcoes;
  }
}

void frmPrincipal::EncerraPeloSistema() {
  if (!encerrado_) {
    dicas_->FechaDica();
    GravaEstado();
    encerrado_ = true;
  }
  // Ends a dialog's loop too: the dialogs open are given up, as a cancel
  // would. At start-up (the opening dialog) the program's own loop has not
  // begun yet and would start afresh: a quit waits for it.
  QCoreApplication::exit(0);
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void frmPrincipal::GuardaParaOFimDaSessao() { GravaEstado(); }

std::unique_ptr<QSettings> frmPrincipal::Lembrancas() const {
  if (!geometriaNaPasta_) return std::make_unique<QSettings>();
  return std::make_unique<QSettings>(
      cifra::Q(configuracao_.pasta.Arquivo("janela.ini").string()), QSettings::IniFormat);
}

void frmPrincipal::Encerra() {
  GravaEstado();
  encerrado_ = true;
  area_->closeAllSubWindows();
  // The last window closed ends the program's event loop.
  close();
}

void frmPrincipal::cmdSair_Click() {
  Prologo();
  if (QMessageBox::question(this, QStringLiteral("Cifralumina:"), kPerguntaSair,
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    Encerra();
  }
}

void frmPrincipal::mnuEncerrar_Click() { Encerra(); }

void frmPrincipal::closeEvent(QCloseEvent* evento) {
  // Closing the window is never refused; it keeps the options like the other ways out.
  if (!encerrado_) {
    dicas_->FechaDica();
    GravaEstado();
    encerrado_ = true;
  }
  evento->accept();
}

void frmPrincipal::AbrirImpressao() {
  frmExibeRelatorio* e = ExibidorAtivo();
  if (!e) {
    QMessageBox::information(this, QStringLiteral("Informação:"), kSemAnaliseParaImprimir);
    return;
  }
  frmImprimir::Executa(this, ConteudoDoDocumento(e->Documento()),
                       cifra::NomeDoArquivoDoDocumento(e->Documento()), configuracao_.pasta,
                       configuracao_.opcoes, configuracao_.margens, lembrancasDaImpressao_);
  GravaOpcoesSeMudaram();
}
void frmPrincipal::SalvarDocumento() {
  frmExibeRelatorio* e = ExibidorAtivo();
  if (!e) {
    QMessageBox::information(this, QStringLiteral("Informação:"), kSemAnaliseParaSalvar);
    return;
  }
  cifra::SalvaComoOdt(this, ConteudoDoDocumento(e->Documento()),
                      cifra::NomeDoArquivoDoDocumento(e->Documento()),
                      lembrancasDaImpressao_.pastaDoUltimoPdf);
}
frmHarmonizaNome* frmPrincipal::Harmonizacao() const { return harmonizacao_; }
void frmPrincipal::AbrirHarmonizacao() {
  if (!harmonizacao_) {
    harmonizacao_ = new frmHarmonizaNome(this, configuracao_.opcoes);
    harmonizacao_->setAttribute(Qt::WA_DeleteOnClose);
    // "Analisar" on a row: that name's full analysis, in a viewer here.
    connect(harmonizacao_, &frmHarmonizaNome::AnalisePedida, this,
            [this](const PessoaAnalisada& pessoa) { CriaAnalise(pessoa); });
  }
  harmonizacao_->show();
  harmonizacao_->raise();
  harmonizacao_->activateWindow();
}
void frmPrincipal::AbrirPrevisoesDoCadastro() {
  if (pastaDasPrevisoes_.isEmpty()) {
    pastaDasPrevisoes_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
  frmPrevisoesDoCadastro::Executa(this, configuracao_, cifra::DataDeHoje(),
                                         pastaDasPrevisoes_);
}
// Every dialog that changes what an analysis shows is followed by the open
// analyses built again, so the pages on screen are what prints.
void frmPrincipal::AbrirFontes() {
  if (frmConfiguraFonte::Executa(this, configuracao_.pasta, configuracao_.fontes)) {
    AtualizaAnalises();
  }
}
void frmPrincipal::AbrirOpcoes() {
  if (frmConfiguraPrograma::Executa(this, configuracao_.pasta, configuracao_.opcoes)) {
    opcoesGravadas_ = configuracao_.opcoes;  // saved by the dialog
    AtualizaAnalises();
  }
}
void frmPrincipal::AbrirAjuda() {
  frmAjuda::Exibe(this, cifra::Q(configuracao_.pasta.Raiz().string()));
}
void frmPrincipal::AbrirSobre() {
  frmSobre::Exibe(this, cifra::Q(configuracao_.pasta.Arquivo(kSomDeBoasVindas).string()));
}
void frmPrincipal::AbrirCabecalhoERodape() {
  if (frmConfiguraRodape::Executa(this, configuracao_.pasta, configuracao_.linhas,
                                         configuracao_.margens)) {
    AtualizaAnalises();
  }
}
void frmPrincipal::AlterarImagemCabecalho() {
  if (frmSelecionarArquivo::Executa(this, configuracao_.pasta, configuracao_.opcoes)) {
    opcoesGravadas_ = configuracao_.opcoes;  // saved by the dialog
    AtualizaAnalises();
  }
}
void frmPrincipal::DefinirCalculo(const std::string& arquivo) {
  // The value is shown for the person of the analysis in front.
  const frmExibeRelatorio* e = ExibidorAtivo();
  if (frmEditaCalculo::Executa(this, configuracao_.pasta, configuracao_.opcoes.NumerosMagicos,
                                      e ? &e->Pessoa() : nullptr, arquivo)) {
    AtualizaAnalises();
  }
}
void frmPrincipal::DefinirCalculoA() { DefinirCalculo(kFormulaA); }
void frmPrincipal::DefinirCalculoB() { DefinirCalculo(kFormulaB); }
void frmPrincipal::AbrirOrdemDaAnalise() {
  if (frmOrdem::Executa(this, configuracao_.pasta, configuracao_.ordem)) AtualizaAnalises();
}
void frmPrincipal::AbrirConteudoDasAnalises() {
  frmSelecionaAlteracao::Executa(this, configuracao_.pasta, configuracao_.titulos);
  AtualizaAnalises();  // a text, a description or a title may have changed
}
void frmPrincipal::AbrirCadastro(frmEntraNome& pedido) {
  if (const auto cliente = frmCadastro::Executa(&pedido, configuracao_.pasta)) {
    pedido.PreencheDados(cifra::Q(cliente->Nome), cifra::Q(cliente->DataNascimento));
  }
}
void frmPrincipal::MostraAbertura() { frmEntrada::Exibe(this); }

}  // namespace cifra
