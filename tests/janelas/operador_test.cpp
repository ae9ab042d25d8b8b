// The operator's rough edges: every word the operator sees is Portuguese,
// Qt's own boxes and menus included; the shortcuts the menus advertise do
// what they say; the window fits the screen; a hint is neither covered nor
// left behind.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QHelpEvent>
#include <optional>
#include <string_view>

#include "apoio/janelas.h"
#include "library/clientes.h"
#include "settings/configuracao.h"
#include "janelas/frm_cadastro.h"
#include "janelas/frm_configura_fonte.h"
#include "janelas/frm_configura_rodape.h"
#include "janelas/frm_dicas.h"
#include "janelas/frm_entrada.h"
#include "janelas/frm_exibe_relatorio.h"
#include "janelas/frm_harmoniza_nome.h"
#include "janelas/frm_principal.h"

namespace cifra {
namespace {

// The English words Qt shows when its translations are missing.
const QRegularExpression kIngles(
    QStringLiteral(R"(\b(Yes|No|Cancel|Save|Open|Look in|File name|Print|Undo|Redo|Cut|Copy|Paste|Select All|Close)\b)"));

// The visible texts of a window: its title, buttons, labels, group titles,
// actions of its menus.
QStringList TextosVisiveis(const QWidget& janela) {
  QStringList textos{janela.windowTitle()};
  for (auto* b : janela.findChildren<QAbstractButton*>()) {
    if (b->isVisible()) textos << b->text();
  }
  for (auto* l : janela.findChildren<QLabel*>()) {
    if (l->isVisible()) textos << l->text();
  }
  for (auto* g : janela.findChildren<QGroupBox*>()) {
    if (g->isVisible()) textos << g->title();
  }
  for (auto* a : janela.findChildren<QAction*>()) textos << a->text();
  return textos;
}

QStringList EmIngles(const QStringList& textos) {
  QStringList achados;
  for (QString t : textos) {
    t.remove(QLatin1Char('&'));
    if (const auto m = kIngles.match(t); m.hasMatch()) achados << m.captured(0) + " em \"" + t + "\"";
  }
  return achados;
}

struct Programa {
  cifra::teste::PastaTemporaria pasta;
  cifra::teste::QuandoAbrir<frmEntrada> abertura{[](frmEntrada& e) { e.close(); }};
  std::unique_ptr<frmPrincipal> janela;
  bool geometriaNaPasta = false;
  Programa() { Abre(); }
  void Abre() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((pasta / "config").string()));
    janela = std::make_unique<frmPrincipal>(pasta.Caminho().string(), geometriaNaPasta);
    janela->Inicia();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    janela->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  }
  void Aciona(const char* acao) {
    janela->findChild<QAction*>(QString::fromLatin1(acao))->trigger();
  }
};

TEST(Operador, DialogosCaixasEMenusDoQtSemPalavrasEmIngles) {
  Programa p;
  p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}});
  const char* comandos[] = {"cmdConfigurarFontes",     "cmdConfiguraPrograma", "cmdSobre",
                            "mnuConfigurarRodape",     "mnuAlterarImagemCabecalho",
                            "mnuDefinirCalculoA",      "mnuAlterarOrdem",
                            "mnuAlterarConteudoDasAnalises", "cmdImprimir", "cmdSair",
                            "cmdCriaPrevisao",         "mnuPrevisoesDoCadastro", "mnuSalvarOdt",
                            "cmdCompatibilidade"};
  for (const char* comando : comandos) {
    SCOPED_TRACE(comando);
    QStringList vistos;
    // The first window the command opens, and a box or file dialog it opens
    // in turn (the print dialog's "Salvar PDF...", the questions).
    cifra::teste::QuandoAbrirModal([&](QWidget* dialogo) {
      vistos << TextosVisiveis(*dialogo);
      if (qobject_cast<QMessageBox*>(dialogo)) {
        cifra::teste::Retrata(dialogo, QStringLiteral("pergunta-sair"));
      }
      if (auto* pdf = dialogo->findChild<QAbstractButton*>(QStringLiteral("cmdSalvarPdf"))) {
        cifra::teste::QuandoAbrirModal([&](QWidget* arquivo) {
          vistos << TextosVisiveis(*arquivo);
          cifra::teste::Retrata(arquivo, QStringLiteral("salvar-pdf"));
          qobject_cast<QDialog*>(arquivo)->reject();
        });
        pdf->click();
      }
      if (auto* caixa = qobject_cast<QMessageBox*>(dialogo)) {
        caixa->button(QMessageBox::No) ? caixa->button(QMessageBox::No)->click() : caixa->reject();
      } else if (auto* d = qobject_cast<QDialog*>(dialogo)) {
        d->QDialog::reject();
      }
    });
    // The print dialog says once that there is no printer here.
    std::optional<cifra::teste::RespondeCaixas> avisos;
    if (std::string_view(comando) == "cmdImprimir") avisos.emplace();
    p.Aciona(comando);
    EXPECT_FALSE(vistos.isEmpty());
    EXPECT_EQ(EmIngles(vistos), QStringList());
  }
  {  // The harmonisation window, which is not modal.
    p.Aciona("cmdHarmonizaNome");
    QWidget* harmonizacao = p.janela->Harmonizacao();
    ASSERT_TRUE(harmonizacao);
    EXPECT_EQ(EmIngles(TextosVisiveis(*harmonizacao)), QStringList());
    harmonizacao->close();
  }
  // The right-click menu of a text box.
  QLineEdit caixa;
  std::unique_ptr<QMenu> menu(caixa.createStandardContextMenu());
  menu->popup(QPoint(0, 0));
  cifra::teste::Retrata(menu.get(), QStringLiteral("menu-caixa-de-texto"));
  menu->hide();
  QStringList itens;
  for (QAction* a : menu->actions()) itens << a->text();
  EXPECT_EQ(EmIngles(itens), QStringList());
  EXPECT_TRUE(itens.join(' ').contains(QStringLiteral("Desfazer"))) << itens.join('|').toStdString();
}

// The shortcuts the menus advertise: Ctrl+Q asks before leaving; Ctrl+F6
// and Ctrl+Shift+F6 go through the analyses, which the Window menu lists
// by person with the one in front checked.
TEST(Operador, AtalhosEMenuJanela) {
  Programa p;
  QString pergunta;
  cifra::teste::QuandoAbrirModal([&](QWidget* w) {
    auto* caixa = qobject_cast<QMessageBox*>(w);
    ASSERT_TRUE(caixa);
    pergunta = caixa->text() + "|" + caixa->button(QMessageBox::Yes)->text() + "|" +
               caixa->button(QMessageBox::No)->text();
    caixa->button(QMessageBox::No)->click();
  });
  QTest::keyClick(p.janela.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(pergunta, QStringLiteral("Está certo de que deseja encerrar este programa agora?|&Sim|&Não"));

  frmExibeRelatorio* maria = p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}, U"MARIA DA SILVA"});
  frmExibeRelatorio* joao = p.janela->CriaAnalise({U"JOAO ARAUJO", {5, 3, 1980}, U"JOÃO ARAÚJO"});
  frmExibeRelatorio* ana = p.janela->CriaAnalise({U"ANA SOUZA", {1, 1, 2000}, U"ANA SOUZA"});
  ASSERT_TRUE(maria && joao && ana);
  EXPECT_EQ(ana->windowTitle(), QStringLiteral("ANA SOUZA – 01/01/2000"));
  auto* menu = p.janela->findChild<QMenu*>(QStringLiteral("mnuJanela"));
  menu->popup(p.janela->mapToGlobal(QPoint(40, 20)));
  cifra::teste::Retrata(menu, QStringLiteral("menu-janela"));
  menu->hide();
  QStringList listadas;
  for (QAction* a : menu->actions()) {
    if (a->objectName().startsWith(QStringLiteral("mnuJanelaAnalise"))) {
      listadas << a->text() + (a->isChecked() ? "*" : "");
    }
  }
  EXPECT_EQ(listadas, (QStringList{"&1 MARIA DA SILVA – 12/08/1978", "&2 JOÃO ARAÚJO – 05/03/1980",
                                   "&3 ANA SOUZA – 01/01/2000*"}));
  p.janela->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(p.janela.get()));
  QTest::keyClick(p.janela.get(), Qt::Key_F6, Qt::ControlModifier);
  EXPECT_NE(p.janela->ExibidorAtivo(), ana);
  QTest::keyClick(p.janela.get(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(p.janela->ExibidorAtivo(), ana);

  // Cascaded, each keeps two thirds of the area.
  p.janela->findChild<QAction*>(QStringLiteral("mnuJanelaEmCascata"))->trigger();
  const QSize area = p.janela->Area().viewport()->size();
  for (auto* e : {maria, joao, ana}) {
    EXPECT_EQ(e->parentWidget()->size(), QSize(area.width() * 2 / 3, area.height() * 2 / 3));
  }
  EXPECT_LT(maria->parentWidget()->pos().y(), joao->parentWidget()->pos().y());
  cifra::teste::GuardaImagem(p.janela->grab().toImage(), QStringLiteral("principal-cascata.png"));
}

// A size kept from a larger screen (or a scale of 200 %) never opens the
// window past the screen it opens on.
TEST(Operador, JanelaGuardadaMaiorQueATelaCabeNela) {
  Programa p;
  p.janela->resize(5000, 4000);
  p.janela->close();
  p.Abre();
  const QRect tela = p.janela->screen()->availableGeometry();
  EXPECT_TRUE(tela.contains(p.janela->geometry()));
  EXPECT_EQ(p.janela->size(), tela.size() * 0.9);

  // With a data folder named by the operator, the folder keeps the size.
  p.janela->close();
  p.geometriaNaPasta = true;
  p.Abre();
  p.janela->resize(600, 400);
  p.janela->close();
  EXPECT_TRUE(std::filesystem::exists(p.pasta / "janela.ini"));
  p.geometriaNaPasta = false;
  p.Abre();
  EXPECT_NE(p.janela->size(), QSize(600, 400));
  p.janela->close();
  p.geometriaNaPasta = true;
  p.Abre();
  EXPECT_EQ(p.janela->size(), QSize(600, 400));
}

// The hint of a toolbar button stands alone (no Qt tooltip over it), fits
// each text anew, and closes when the pointer goes straight onto the page.
TEST(Operador, DicaSozinhaDoTamanhoDoTextoFechaNaPagina) {
  Programa p;
  frmExibeRelatorio* exibidor = p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}});
  ASSERT_TRUE(exibidor);
  auto* barra = p.janela->findChild<QToolBar*>(QStringLiteral("picMenu"));
  const auto sobre = [&](const char* acao) {
    QWidget* b = barra->widgetForAction(p.janela->findChild<QAction*>(QLatin1String(acao)));
    QTest::mouseMove(b, b->rect().center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return b;
  };
  QWidget* configura = sobre("cmdConfiguraPrograma");
  QPointer<frmDicas> dica = p.janela->Dicas().Dica();
  ASSERT_TRUE(dica);
  const int longa = dica->width();
  QHelpEvent pedido(QEvent::ToolTip, configura->rect().center(), configura->mapToGlobal(configura->rect().center()));
  EXPECT_TRUE(QCoreApplication::sendEvent(configura, &pedido) && pedido.isAccepted());
  EXPECT_FALSE(QToolTip::isVisible());
  sobre("cmdAjuda");
  ASSERT_EQ(p.janela->Dicas().Dica(), dica.data());
  EXPECT_LT(dica->width(), longa) << dica->Texto().toStdString();
  QWidget* pagina = exibidor->Vista().viewport();
  QTest::mouseMove(pagina, pagina->rect().center());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(dica);
}

// A name the register cannot keep (a Polish "Ł") is asked again, naming the
// characters, instead of turning into "?" on its way into the analysis.
TEST(Operador, CadastroRecusaCaracteresQueNaoGuarda) {
  cifra::teste::PastaTemporaria raiz;
  const cifra::PastaDeDados pasta(raiz.Caminho());
  frmCadastro janela(pasta);
  janela.show();
  cifra::teste::RespondeCaixas caixas(
      {QMessageBox::Yes, "Łukasz Wałęsa", "Lukasz Walesa", "", "", "01/01/1980", "", ""});
  cifra::teste::Clica(janela, QStringLiteral("cmdPrepToInserir"));
  ASSERT_GE(caixas.Vistas().size(), 3u);
  EXPECT_TRUE(caixas.Vistas()[2].texto.contains(QStringLiteral("“Ł”, “ł”, “ę”")))
      << caixas.Vistas()[2].texto.toStdString();
  const auto clientes = cifra::LerCadastro(pasta);
  ASSERT_EQ(clientes.size(), 1u);
  EXPECT_EQ(clientes[0].cliente.Nome, "Lukasz Walesa");
}

// A footer line longer than the printed page is named, with its excess, when
// the operator confirms; "Não" keeps the dialog open and the file as it was.
TEST(Operador, RodapeLongoEhAvisadoAntesDeGravar) {
  cifra::teste::ComConfiguracao c;
  cifra::frmConfiguraRodape janela(nullptr, c.configuracao.pasta, c.configuracao.linhas,
                                   c.configuracao.margens);
  janela.show();
  cifra::teste::Substitui(cifra::teste::Controle(janela, QStringLiteral("txtRodapeLinhaDois")),
                          QString(150, QLatin1Char('W')));
  const auto antes = cifra::teste::LeBytes(c.pasta / "rodape.dat");
  cifra::teste::RespondeCaixas caixas({QMessageBox::No});
  cifra::teste::Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_TRUE(caixas.Vistas()[0].texto.startsWith(
      QStringLiteral("A segunda linha do rodapé passa ")))
      << caixas.Vistas()[0].texto.toStdString();
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(cifra::teste::LeBytes(c.pasta / "rodape.dat"), antes);
}

// The fonts dialog lists each family once, without fontconfig's foundry, and
// keeps a size within what is drawn: the sample and the file agree.
TEST(Operador, FontesSemFundicaoETamanhoQueSeDesenha) {
  QStringList familias = cifra::frmConfiguraFonte::Familias();
  EXPECT_TRUE(familias.filter(QStringLiteral("[")).isEmpty());
  EXPECT_EQ(familias.removeDuplicates(), 0);
  cifra::teste::ComConfiguracao c;
  cifra::frmConfiguraFonte janela(nullptr, c.configuracao.pasta, c.configuracao.fontes);
  janela.show();
  auto* tamanho = cifra::teste::Controle<QComboBox>(janela, QStringLiteral("cmbTamanho_1"));
  cifra::teste::Substitui(tamanho->lineEdit(), QStringLiteral("90"));
  EXPECT_EQ(c.configuracao.fontes.FonteTitulo.Tamanho, 72);
}

}  // namespace
}  // namespace cifra
