// The operator's road through the main window, with real clicks and keys:
// a first start on an empty folder, two analyses, reading them page by page,
// zoom, the export, and the three ways out.
#include "shell/frm_principal.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "apoio/pasta_temporaria.h"
#include "apoio_janelas.h"
#include "presentation/frm_exibe_relatorio.h"
#include "shell/clientes.h"
#include "shell/frm_dicas.h"
#include "shell/janela_sons.h"

namespace {

namespace fs = std::filesystem;
using cifra::teste::ResponderMensagem;

// The main window on its own data folder, started as the program starts it.
struct Programa {
  cifra::teste::PastaTemporaria pasta;
  std::unique_ptr<frmPrincipal> janela;
  std::shared_ptr<bool> abertura;  // the opening window was shown

  // prepara readies the data folder before the start.
  explicit Programa(const std::function<void(const fs::path&)>& prepara = {}) {
    if (prepara) prepara(pasta.Caminho());
    Abre();
  }
  void Abre(bool redimensiona = true) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((pasta / "config").string()));
    janela = std::make_unique<frmPrincipal>(pasta.Caminho().string());
    abertura = cifra::teste::FechaAberturaQuandoAparecer();
    janela->Inicia();
    if (redimensiona) janela->resize(1280, 800);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    Ativa();
  }
  // Shortcuts need the window in front; offscreen nothing brings it back
  // when a dialog closes, as a desktop does.
  void Ativa() {
    janela->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  }
  QWidget* Botao(const char* acao) {
    auto* barra = janela->findChild<QToolBar*>(QStringLiteral("picMenu"));
    return barra->widgetForAction(janela->findChild<QAction*>(QString::fromLatin1(acao)));
  }
  template <class T>
  T* Filho(const char* nome) {
    return janela->findChild<T*>(QString::fromLatin1(nome));
  }
  // "Criar", the name and the date digits typed, "&Analisar".
  frmExibeRelatorio* CriaPeloDialogo(const QString& nome, const QString& digitos) {
    cifra::teste::QuandoAbrirModal([=](QWidget* w) {
      cifra::teste::Digita(w->findChild<QLineEdit*>(QStringLiteral("txtNome")), nome);
      cifra::teste::Digita(w->findChild<QLineEdit*>(QStringLiteral("txtDataNasc")), digitos);
      QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    });
    const int antes = janela->Area().subWindowList().size();
    QTest::mouseClick(Botao("cmdCriaAnalise"), Qt::LeftButton);
    EXPECT_EQ(janela->Area().subWindowList().size(), antes + 1);
    Ativa();
    return janela->ExibidorAtivo();
  }
  std::vector<uint8_t> Opcoes() { return cifra::teste::LeBytes(pasta / "cifralumina.dat"); }
};

QString TextoDaLinhaDeComando(const Programa& p, const char* nome, const char* data) {
  QProcess processo;
  processo.start(QStringLiteral(CIFRA_PROGRAMA),
                 {QStringLiteral("analise"), QString::fromUtf8(nome), QString::fromLatin1(data),
                  QStringLiteral("--pasta"), QString::fromStdString(p.pasta.Caminho().string()),
                  QStringLiteral("--hoje"),
                  QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")),
                  QStringLiteral("--texto"), QStringLiteral("-")});
  EXPECT_TRUE(processo.waitForFinished(30000));
  EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
  return QString::fromUtf8(processo.readAllStandardOutput());
}

TEST(frmPrincipal, CaminhoDoOperadorDaPrimeiraPartidaAExportacao) {
  Programa p;
  frmPrincipal& j = *p.janela;
  EXPECT_EQ(j.windowTitle(), QStringLiteral("Cifralumina Comercial"));
  EXPECT_TRUE(*p.abertura);
  for (const char* arquivo : {"ordem.dat", "Header.DAT", "fontes.dat", "cifralumina.dat",
                              "welcomeb.wav"}) {
    EXPECT_TRUE(fs::exists(p.pasta / arquivo)) << arquivo;
  }
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Para obter a sua análise clique no primeiro botão !"));
  ASSERT_FALSE(j.Sons().Pedidos().empty());
  EXPECT_EQ(j.Sons().Pedidos().front(), cifra::kSomDeBoasVindas);

  // The first analysis, made as the operator makes it.
  frmExibeRelatorio* primeira = p.CriaPeloDialogo(QStringLiteral("Maria da Silva"),
                                                  QStringLiteral("12081978"));
  ASSERT_TRUE(primeira);
  const int total = primeira->TotalDePaginas();
  ASSERT_GE(total, 2);
  EXPECT_EQ(primeira->windowTitle(), QStringLiteral("Relatório de Análise Numerológica"));
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 1 de %1").arg(total));
  const auto& sons = j.Sons().Pedidos();
  ASSERT_GE(sons.size(), 3u);
  EXPECT_EQ(sons[sons.size() - 2], cifra::kSomDeEspera);
  EXPECT_EQ(sons.back(), cifra::kSomDaFolha);  // the first page stops the waiting loop

  // Fitted: the page's width fills the window, centred; nothing to scroll sideways.
  VistaDaFolha& vista = primeira->Vista();
  QTest::qWait(20);
  const QRect folha = vista.RetanguloDaFolha();
  EXPECT_NEAR(folha.center().x(), vista.viewport()->width() / 2, 2);
  EXPECT_GT(folha.width(), vista.viewport()->width() * 9 / 10);
  EXPECT_EQ(vista.horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(vista.verticalScrollBar()->maximum(), 0);
  cifra::teste::GuardaImagem(j.grab().toImage(), QStringLiteral("principal-analise-ajustada.png"));

  // Keys: Ctrl+Left on page 1 does nothing and plays nothing.
  const size_t somAntes = sons.size();
  QTest::keyClick(&vista, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(primeira->PaginaExibida(), 1);
  EXPECT_EQ(sons.size(), somAntes);
  QTest::keyClick(&vista, Qt::Key_Down);
  QTest::keyClick(&vista, Qt::Key_Down);
  const int desceu = vista.verticalScrollBar()->value();
  EXPECT_EQ(desceu, 2 * vista.verticalScrollBar()->singleStep());
  QTest::keyClick(&vista, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(primeira->PaginaExibida(), 2);
  EXPECT_EQ(sons.size(), somAntes + 1);
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 2 de %1").arg(total));
  EXPECT_EQ(vista.verticalScrollBar()->value(), 0);  // page 2 starts at its top
  QTest::keyClick(&vista, Qt::Key_End);
  EXPECT_EQ(vista.verticalScrollBar()->value(), vista.verticalScrollBar()->maximum());
  QTest::keyClick(&vista, Qt::Key_PageDown);  // stops at the bottom
  EXPECT_EQ(vista.verticalScrollBar()->value(), vista.verticalScrollBar()->maximum());
  // The navigation pictures: back to page 1 where it was left, then forward again.
  QTest::mouseClick(p.Filho<QToolButton>("picVolta"), Qt::LeftButton);
  EXPECT_EQ(primeira->PaginaExibida(), 1);
  EXPECT_EQ(vista.verticalScrollBar()->value(), desceu);
  QTest::mouseClick(p.Filho<QToolButton>("picAvanca"), Qt::LeftButton);
  EXPECT_EQ(primeira->PaginaExibida(), 2);
  EXPECT_EQ(vista.verticalScrollBar()->value(), vista.verticalScrollBar()->maximum());
  QTest::keyClick(&vista, Qt::Key_Home);
  QTest::keyClick(&vista, Qt::Key_PageUp);  // stops at the top
  EXPECT_EQ(vista.verticalScrollBar()->value(), 0);
  // Ctrl+PgDown / Ctrl+PgUp turn pages from anywhere in the window.
  QTest::keyClick(&vista, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(primeira->PaginaExibida(), 1);
  QTest::keyClick(&vista, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(primeira->PaginaExibida(), 2);
  for (int i = 2; i < total + 2; ++i) QTest::mouseClick(p.Filho<QToolButton>("picAvanca"), Qt::LeftButton);
  EXPECT_EQ(primeira->PaginaExibida(), total);  // stops at the last page
  QTest::keyClick(&vista, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(primeira->PaginaExibida(), total);
  QTest::keyClick(&vista, Qt::Key_Home, Qt::ControlModifier);
  p.janela->findChild<QAction*>(QStringLiteral("mnuPaginaAnterior"))->trigger();
  EXPECT_EQ(primeira->PaginaExibida(), total - 1);
  while (primeira->PaginaExibida() > 1) QTest::keyClick(&vista, Qt::Key_Left, Qt::ControlModifier);

  // Zoom: Ctrl + and the wheel with Ctrl enlarge, Ctrl 0 fits the width again.
  const double ajustado = vista.Zoom();
  QTest::keyClick(&vista, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(vista.Zoom(), cifra::ZoomVizinho(ajustado, +1));
  const QPoint meio(vista.viewport()->width() / 2, vista.viewport()->height() / 3);
  QWheelEvent roda(meio, vista.viewport()->mapToGlobal(meio), QPoint(), QPoint(0, 240),
                   Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(vista.viewport(), &roda);
  EXPECT_DOUBLE_EQ(vista.Zoom(), cifra::ZoomVizinho(ajustado, +3));
  EXPECT_GT(vista.horizontalScrollBar()->maximum(), 0);  // now wider than the window
  EXPECT_FALSE(vista.LarguraAjustada());
  QTest::qWait(20);
  cifra::teste::GuardaImagem(j.grab().toImage(), QStringLiteral("principal-analise-zoom.png"));
  QTest::keyClick(&vista, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(vista.Zoom(), cifra::ZoomVizinho(ajustado, +2));
  QTest::keyClick(&vista, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(vista.Zoom(), ajustado);
  EXPECT_TRUE(vista.LarguraAjustada());

  // A second analysis beside the first: the question is answered "Não".
  auto pergunta = ResponderMensagem(QMessageBox::No);
  frmExibeRelatorio* segunda = p.CriaPeloDialogo(QStringLiteral("João Pedro Araújo"),
                                                 QStringLiteral("05031980"));
  ASSERT_TRUE(segunda);
  EXPECT_TRUE(pergunta->vista);
  EXPECT_EQ(pergunta->titulo, QStringLiteral("Advertência:"));
  EXPECT_TRUE(pergunta->texto.startsWith(QStringLiteral("Há uma análise sendo exibida")));
  ASSERT_EQ(j.Area().subWindowList().size(), 2);
  p.janela->findChild<QAction*>(QStringLiteral("mnuJanelaLadoLado"))->trigger();
  QTest::qWait(50);
  const QRect a = primeira->parentWidget()->geometry();
  const QRect b = segunda->parentWidget()->geometry();
  EXPECT_FALSE(a.intersects(b));
  EXPECT_EQ(a.top(), b.top());
  cifra::teste::GuardaImagem(j.grab().toImage(), QStringLiteral("principal-lado-a-lado.png"));
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 1 de %1").arg(segunda->TotalDePaginas()));

  // Export: the active viewer's person, as the command line writes it.
  auto exportado = ResponderMensagem(QMessageBox::Ok);
  QTest::mouseClick(p.Botao("cmdExportar"), Qt::LeftButton);
  EXPECT_EQ(exportado->titulo, QStringLiteral("Importante:"));
  EXPECT_TRUE(exportado->texto.startsWith(QStringLiteral("O texto da análise atualmente exibida")));
  const QString textoJoao = TextoDaLinhaDeComando(p, "João Pedro Araújo", "05/03/1980");
  EXPECT_FALSE(textoJoao.isEmpty());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), textoJoao);
  ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasHtml());
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->html().contains(QStringLiteral("<b>")));
  // The other viewer in front: its own person.
  j.Area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(primeira->parentWidget()));
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 1 de %1").arg(total));
  p.Ativa();
  ResponderMensagem(QMessageBox::Ok);
  QTest::keyClick(&primeira->Vista(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            TextoDaLinhaDeComando(p, "Maria da Silva", "12/08/1978"));

  // With the sounds off a page turns in silence.
  j.Estado().opcoes.EscutarSons = false;
  const size_t semSom = sons.size();
  QTest::mouseClick(p.Filho<QToolButton>("picAvanca"), Qt::LeftButton);
  EXPECT_EQ(primeira->PaginaExibida(), 2);
  EXPECT_EQ(sons.size(), semSom);

  // Closing both viewers brings the invitation back.
  j.Area().closeAllSubWindows();
  QTest::qWait(20);
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Para obter a sua análise clique no primeiro botão !"));
}

TEST(frmPrincipal, SemAnaliseNavegarEExportarExplicamOQueFazer) {
  Programa p;
  QGuiApplication::clipboard()->setText(QStringLiteral("intocado"));
  auto erro = ResponderMensagem(QMessageBox::Ok);
  QTest::mouseClick(p.Botao("cmdExportar"), Qt::LeftButton);
  EXPECT_EQ(erro->titulo, QStringLiteral("Erro:"));
  EXPECT_EQ(erro->icone, QMessageBox::Critical);
  EXPECT_TRUE(erro->texto.startsWith(QStringLiteral("Para que você possa exportar")));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("intocado"));
  for (const char* figura : {"picAvanca", "picVolta"}) {
    auto aviso = ResponderMensagem(QMessageBox::Ok);
    QTest::mouseClick(p.Filho<QToolButton>(figura), Qt::LeftButton);
    EXPECT_EQ(aviso->titulo, QStringLiteral("Importante:"));
    EXPECT_EQ(aviso->icone, QMessageBox::Information);
    EXPECT_TRUE(aviso->texto.startsWith(QStringLiteral("Para você poder navegar")));
  }
  // Cancelling the request dialog (its close box) builds nothing.
  cifra::teste::QuandoAbrirModal([](QWidget* w) { w->close(); });
  QTest::mouseClick(p.Botao("cmdCriaAnalise"), Qt::LeftButton);
  EXPECT_TRUE(p.janela->Area().subWindowList().isEmpty());
  auto imprimir = ResponderMensagem(QMessageBox::Ok);
  QTest::mouseClick(p.Botao("cmdImprimir"), Qt::LeftButton);
  EXPECT_EQ(imprimir->titulo, QStringLiteral("Informação:"));
  EXPECT_TRUE(imprimir->texto.startsWith(QStringLiteral("Para você poder imprimir")))
      << imprimir->texto.toStdString();
}

// The client register reached from the request dialog: a client recalled
// fills the two boxes and gives that person's analysis.
TEST(frmPrincipal, ClienteDoCadastroViraAnalise) {
  Programa p;
  cifra::AcrescentarCliente(cifra::PastaDeDados(p.pasta.Caminho()),
                            {"Ana Beatriz Conceição", "Rua das Flores, 12", "Recife/PE",
                             "50000-000", "81 3333-4444", "07/11/1985"});
  QString nome, data;
  cifra::teste::QuandoAbrirModal([&](QWidget* pedido) {
    cifra::teste::QuandoAbrirModal([](QWidget* cadastro) {
      EXPECT_EQ(cadastro->objectName(), QStringLiteral("frmCadastro"));
      QTest::mouseClick(cadastro->findChild<QWidget*>(QStringLiteral("cmdRetrieve")),
                        Qt::LeftButton);
    });
    QTest::mouseClick(pedido->findChild<QWidget*>(QStringLiteral("cmdCadastro")), Qt::LeftButton);
    nome = pedido->findChild<QLineEdit*>(QStringLiteral("txtNome"))->text();
    data = pedido->findChild<QLineEdit*>(QStringLiteral("txtDataNasc"))->text();
    QTest::mouseClick(pedido->findChild<QWidget*>(QStringLiteral("cmdOk")), Qt::LeftButton);
  });
  QTest::mouseClick(p.Botao("cmdCriaAnalise"), Qt::LeftButton);
  EXPECT_EQ(nome, QStringLiteral("Ana Beatriz Conceição"));
  EXPECT_EQ(data, QStringLiteral("07/11/1985"));
  frmExibeRelatorio* e = p.janela->ExibidorAtivo();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Pessoa().Nome, U"ANA BEATRIZ CONCEICAO");
  EXPECT_EQ(cifra::FormataData(e->Pessoa().Nascimento), "07/11/1985");
}

// Every command of the toolbar and the menus opens its own window; the
// window's close box leaves it.
TEST(frmPrincipal, CadaComandoAbreSuaJanela) {
  Programa p;
  const struct {
    const char* acao;
    const char* janela;
  } comandos[] = {
      {"cmdConfigurarFontes", "frmConfiguraFonte"},
      {"cmdConfiguraPrograma", "frmConfiguraPrograma"},
      {"cmdAjuda", "frmAjuda"},
      {"cmdSobre", "frmSobre"},
      {"mnuConfigurarRodape", "frmConfiguraRodape"},
      {"mnuAlterarImagemCabecalho", "frmSelecionarArquivo"},
      {"mnuDefinirCalculoA", "frmEditaCalculo"},
      {"mnuDefinirCalculoB", "frmEditaCalculo"},
      {"mnuAlterarOrdem", "frmOrdem"},
      {"mnuAlterarConteudoDasAnalises", "frmSelecionaAlteracao"},
  };
  for (const auto& c : comandos) {
    QString aberta;
    cifra::teste::QuandoAbrirModal([&](QWidget* w) {
      aberta = w->objectName();
      // Some ask before dropping what was typed: "Sim".
      ResponderMensagem(QMessageBox::Yes);
      w->close();  // as the close box does
    });
    p.janela->findChild<QAction*>(QString::fromLatin1(c.acao))->trigger();
    EXPECT_EQ(aberta, QString::fromLatin1(c.janela)) << c.acao;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.acao;
    p.Ativa();
  }
}

// The hints follow the mouse from button to button of the toolbar, just below
// it; the toolbar's and the analyses' background, the hint's own text and a
// click close them, and none opens while the hourglass shows.
TEST(frmPrincipal, DicaSegueOMouseNaBarra) {
  Programa p;
  ControleDeDicas& dicas = p.janela->Dicas();
  auto* barra = p.Filho<QToolBar>("picMenu");
  const auto passa = [](QWidget* w, QPoint ponto) {
    QTest::mouseMove(w, ponto);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // a closed hint goes
  };
  const auto sobre = [&](const char* botao) {
    QWidget* b = p.Botao(botao);
    passa(b, b->rect().center());
    return b;
  };

  QWidget* criar = sobre("cmdCriaAnalise");
  QPointer<frmDicas> dica = dicas.Dica();
  ASSERT_TRUE(dica);
  EXPECT_TRUE(dica->isVisible());
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Criar"));
  EXPECT_EQ(dica->y(), barra->mapToGlobal(QPoint(0, barra->height())).y());
  EXPECT_FALSE(dica->geometry().contains(criar->mapToGlobal(criar->rect().center())));
  const int x0 = dica->x();
  // Straight onto the next button: the same hint moves and changes its text.
  QWidget* imprimir = sobre("cmdImprimir");
  EXPECT_EQ(dicas.Dica(), dica.data());
  EXPECT_EQ(dica->Texto(),
            QStringLiteral("Utilize este botão para imprimir a análise atual na impressora. "
                           "(Atalho: Ctrl+P)"));
  EXPECT_EQ(dica->x() - x0, imprimir->x() - criar->x());
  {  // The picture of the manual: the window with the hint where it stands.
    QImage imagem = p.janela->grab().toImage();
    QPainter pintor(&imagem);
    pintor.drawPixmap(p.janela->mapFromGlobal(dica->pos()), dica->grab());
    pintor.end();
    cifra::teste::GuardaImagem(imagem, QStringLiteral("frm-dicas.png"));
  }
  // The toolbar's own background, right of the last button.
  passa(barra, QPoint(barra->width() - 10, barra->height() / 2));
  EXPECT_FALSE(dica);
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Nenhum"));

  sobre("cmdSobre");
  ASSERT_TRUE(dicas.Dica());
  EXPECT_TRUE(dicas.Dica()->Texto().contains(QStringLiteral("sobre")));
  QWidget* fundo = p.janela->Area().viewport();
  passa(fundo, fundo->rect().center());
  EXPECT_EQ(dicas.Dica(), nullptr);
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Nenhum"));

  QApplication::setOverrideCursor(Qt::WaitCursor);
  sobre("cmdConfigurarFontes");
  EXPECT_EQ(dicas.Dica(), nullptr);
  QApplication::restoreOverrideCursor();
  sobre("cmdConfiguraPrograma");
  ASSERT_TRUE(dicas.Dica());
  EXPECT_EQ(dicas.Dica()->Texto(),
            QStringLiteral("Selecionar os números a serem calculados pelo programa."));
  auto* texto = dicas.Dica()->findChild<QLabel*>(QStringLiteral("lblDica"));
  ASSERT_NE(texto, nullptr);
  passa(texto, texto->rect().center());
  EXPECT_EQ(dicas.Dica(), nullptr);

  QWidget* exportar = sobre("cmdExportar");
  ASSERT_TRUE(dicas.Dica());
  ResponderMensagem(QMessageBox::Ok);  // nothing to export yet
  QTest::mouseClick(exportar, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(dicas.Dica(), nullptr);
  EXPECT_EQ(dicas.DicaAtual(), QStringLiteral("Nenhum"));
}

// Every way out keeps the options in memory on disk, except "Não".
TEST(frmPrincipal, TresManeirasDeSairGravamAsOpcoes) {
  enum Saida { SairSim, SairNao, Encerrar, FecharJanela };
  for (Saida saida : {SairSim, SairNao, Encerrar, FecharJanela}) {
    Programa p;
    const auto antes = p.Opcoes();
    ASSERT_EQ(antes.size(), 168u);
    p.janela->Estado().opcoes.EscutarSons = false;  // changed in memory only
    p.janela->move(40, 30);
    p.janela->resize(900, 640);
    std::shared_ptr<cifra::teste::Mensagem> pergunta;
    switch (saida) {
      case SairSim:
      case SairNao:
        pergunta = ResponderMensagem(saida == SairSim ? QMessageBox::Yes : QMessageBox::No);
        QTest::mouseClick(p.Botao("cmdSair"), Qt::LeftButton);
        EXPECT_EQ(pergunta->titulo, QStringLiteral("Cifralumina:"));
        EXPECT_EQ(pergunta->texto,
                  QStringLiteral("Está certo de que deseja encerrar este programa agora?"));
        break;
      case Encerrar: p.janela->findChild<QAction*>(QStringLiteral("mnuEncerrar"))->trigger(); break;
      case FecharJanela: p.janela->close(); break;
    }
    const auto depois = p.Opcoes();
    if (saida == SairNao) {
      EXPECT_TRUE(p.janela->isVisible());
      EXPECT_EQ(depois, antes);
      continue;
    }
    EXPECT_FALSE(p.janela->isVisible()) << saida;
    ASSERT_EQ(depois.size(), 168u);
    EXPECT_EQ(depois[78], 0) << saida;  // EscutarSons off, as in memory
    EXPECT_EQ(antes[78], 0xFF);
    // The next start opens at the size the window was left with.
    p.Abre(false);
    EXPECT_EQ(p.janela->Estado().opcoes.EscutarSons, false);
    EXPECT_EQ(p.janela->size(), QSize(900, 640));
  }
}

TEST(frmPrincipal, ArquivoIlegivelNaPartidaEhAvisadoENuncaSobrescrito) {
  std::shared_ptr<cifra::teste::Mensagem> aviso;
  Programa p([&](const fs::path& pasta) {
    fs::create_directory(pasta / "cifralumina.dat");
    aviso = ResponderMensagem(QMessageBox::Ok);
  });
  EXPECT_TRUE(aviso->vista);
  EXPECT_EQ(aviso->titulo, QStringLiteral("Atenção:"));
  EXPECT_TRUE(aviso->texto.contains(QStringLiteral("cifralumina.dat"))) << aviso->texto.toStdString();
  EXPECT_TRUE(p.janela->Estado().opcoes.EscutarSons);  // first-run values
  p.janela->close();
  EXPECT_TRUE(fs::is_directory(p.pasta / "cifralumina.dat"));
}

}  // namespace
