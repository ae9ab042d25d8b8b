// The operator's rough edges: every word the operator sees is Portuguese,
// Qt's own boxes and menus included; the shortcuts the menus advertise do
// what they say; the window fits the screen; a hint is neither covered nor
// left behind.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolTip>
#include <QHelpEvent>
#include <QPainter>
#include <optional>
#include <string_view>

#include "apoio/programa.h"
#include "janelas/frm_dicas.h"
#include "janelas/frm_exibe_relatorio.h"
#include "janelas/frm_harmoniza_nome.h"

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

using cifra::teste::Programa;

// Every command of the toolbar and the menus opens its own window, whole on
// a 1280 x 800 screen, whose words are all Portuguese, Qt's own boxes and
// file dialogs included; the window's close box leaves it.
TEST(Operador, CadaComandoAbreSuaJanelaSemPalavrasEmIngles) {
  Programa p;
  p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}});
  const std::pair<const char*, const char*> comandos[] = {
      {"cmdConfigurarFontes", "frmConfiguraFonte"},     {"cmdConfiguraPrograma", "frmConfiguraPrograma"},
      {"cmdAjuda", "frmAjuda"},                         {"cmdSobre", "frmSobre"},
      {"mnuConfigurarRodape", "frmConfiguraRodape"},    {"mnuAlterarImagemCabecalho", "frmSelecionarArquivo"},
      {"mnuDefinirCalculoA", "frmEditaCalculo"},        {"mnuDefinirCalculoB", "frmEditaCalculo"},
      {"mnuAlterarOrdem", "frmOrdem"},                  {"mnuAlterarConteudoDasAnalises", "frmSelecionaAlteracao"},
      {"cmdCriaPrevisao", "frmEntraNome"},              {"mnuPrevisoesDoCadastro", "frmPrevisoesDoCadastro"},
      {"cmdCompatibilidade", "frmEntraNome"},           {"cmdImprimir", "frmImprimir"},
      {"cmdSair", "QMessageBox"},                       {"mnuSalvarOdt", "dlgSalvarOdt"},
  };
  for (const auto& [comando, esperada] : comandos) {
    SCOPED_TRACE(comando);
    QString aberta;
    QSize tamanho;
    QStringList vistos;
    // The first window the command opens, and the file dialog of the print
    // dialog's "Salvar PDF...".
    cifra::teste::QuandoAbrirModal([&](QWidget* dialogo) {
      aberta = dialogo->objectName().isEmpty() ? QString::fromLatin1(dialogo->metaObject()->className())
                                               : dialogo->objectName();
      tamanho = dialogo->frameGeometry().size().expandedTo(dialogo->minimumSizeHint());
      vistos << TextosVisiveis(*dialogo);
      if (qobject_cast<QMessageBox*>(dialogo)) cifra::teste::Retrata(dialogo, QStringLiteral("pergunta-sair"));
      if (auto* pdf = dialogo->findChild<QAbstractButton*>(QStringLiteral("cmdSalvarPdf"))) {
        cifra::teste::QuandoAbrirModal([&](QWidget* arquivo) {
          vistos << TextosVisiveis(*arquivo);
          cifra::teste::Retrata(arquivo, QStringLiteral("salvar-pdf"));
          qobject_cast<QDialog*>(arquivo)->reject();
        });
        pdf->click();
      }
      dialogo->close();  // as the close box does; the question to leave takes it as "Não"
    });
    // Some ask before dropping what was typed ("Sim"); the print dialog says
    // once that there is no printer here. The question to leave is the
    // command's own window.
    std::optional<cifra::teste::RespondeCaixas> caixas;
    if (std::string_view(comando) != "cmdSair") caixas.emplace(std::deque<cifra::teste::Resposta>{QMessageBox::Yes});
    p.Aciona(comando);
    EXPECT_EQ(aberta, QString::fromLatin1(esperada));
    // Whole on a 1280 x 800 screen, as a laptop at 200 % gives.
    EXPECT_TRUE(tamanho.width() <= 1280 && tamanho.height() <= 800) << tamanho.width() << " x " << tamanho.height();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(EmIngles(vistos), QStringList());
    p.Ativa();
  }
  {  // The harmonisation window is not modal: it opens beside the main window.
    p.Aciona("cmdHarmonizaNome");
    QWidget* harmonizacao = p.janela->Harmonizacao();
    ASSERT_TRUE(harmonizacao && harmonizacao->isVisible());
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

// The shortcuts the menus advertise (Ctrl+Q is tried with the other ways
// out): Ctrl+F6 and Ctrl+Shift+F6 go through the analyses, which the Window
// menu lists by person with the one in front checked.
TEST(Operador, AtalhosEMenuJanela) {
  Programa p;
  frmExibeRelatorio* maria = p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}, U"MARIA DA SILVA"});
  frmExibeRelatorio* joao = p.janela->CriaAnalise({U"JOAO ARAUJO", {5, 3, 1980}, U"JOÃO ARAÚJO"});
  frmExibeRelatorio* ana = p.janela->CriaAnalise({U"ANA SOUZA", {1, 1, 2000}, U"ANA SOUZA"});
  ASSERT_TRUE(maria && joao && ana);
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
  p.Ativa();
  QTest::keyClick(p.janela.get(), Qt::Key_F6, Qt::ControlModifier);
  EXPECT_NE(p.janela->ExibidorAtivo(), ana);
  QTest::keyClick(p.janela.get(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(p.janela->ExibidorAtivo(), ana);

  // Cascaded, each keeps two thirds of the area.
  p.Aciona("mnuJanelaEmCascata");
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
  p.Abre(false);
  const QRect tela = p.janela->screen()->availableGeometry();
  EXPECT_TRUE(tela.contains(p.janela->geometry()));
  EXPECT_EQ(p.janela->size(), tela.size() * 0.9);

  // With a data folder named by the operator, the folder keeps the size.
  p.janela->close();
  p.geometriaNaPasta = true;
  p.Abre(false);
  p.janela->resize(600, 400);
  p.janela->close();
  p.geometriaNaPasta = false;  // (where the file goes, the SIGTERM test shows)
  p.Abre(false);
  EXPECT_NE(p.janela->size(), QSize(600, 400));
  p.janela->close();
  p.geometriaNaPasta = true;
  p.Abre(false);
  EXPECT_EQ(p.janela->size(), QSize(600, 400));
}

// The hint follows the mouse from button to button of the toolbar, just
// below it, alone (no Qt tooltip over it) and fitted to each text anew; the
// toolbar's background, the empty area and an analysis's page close it.
TEST(Operador, DicaSegueOMouseNaBarraEFechaForaDela) {
  Programa p;
  const auto passa = [](QWidget* w, QPoint ponto) {
    QTest::mouseMove(w, ponto);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // a closed hint goes
  };
  const auto sobre = [&](const char* botao) {
    QWidget* b = p.Botao(botao);
    passa(b, b->rect().center());
    return b;
  };
  QWidget* configura = sobre("cmdConfiguraPrograma");
  QPointer<frmDicas> dica = p.janela->Dicas().Dica();
  ASSERT_TRUE(dica);
  const int x0 = dica->x(), longa = dica->width();
  QHelpEvent pedido(QEvent::ToolTip, configura->rect().center(), configura->mapToGlobal(configura->rect().center()));
  EXPECT_TRUE(QCoreApplication::sendEvent(configura, &pedido) && pedido.isAccepted());
  EXPECT_FALSE(QToolTip::isVisible());
  QWidget* imprimir = sobre("cmdImprimir");
  EXPECT_EQ(p.janela->Dicas().Dica(), dica.data());  // the same hint moves and changes its text
  EXPECT_TRUE(dica->Texto().startsWith(QStringLiteral("Utilize este botão para imprimir")));
  EXPECT_EQ(dica->x() - x0, imprimir->x() - configura->x());
  sobre("cmdAjuda");
  EXPECT_LT(dica->width(), longa) << dica->Texto().toStdString();
  sobre("cmdImprimir");
  {  // The picture of the manual: the window with the hint where it stands.
    QImage imagem = p.janela->grab().toImage();
    QPainter pintor(&imagem);
    pintor.drawPixmap(p.janela->mapFromGlobal(dica->pos()), dica->grab());
    pintor.end();
    cifra::teste::GuardaImagem(imagem, QStringLiteral("frm-dicas.png"));
  }
  auto* barra = p.janela->findChild<QToolBar*>(QStringLiteral("picMenu"));
  passa(barra, QPoint(barra->width() - 10, barra->height() / 2));
  EXPECT_FALSE(dica);
  for (const bool naPagina : {false, true}) {  // the empty area, then an analysis's page
    frmExibeRelatorio* exibidor = naPagina ? p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}}) : nullptr;
    QWidget* fundo = naPagina ? exibidor->Vista().viewport() : p.janela->Area().viewport();
    sobre("cmdSobre");
    ASSERT_TRUE(p.janela->Dicas().Dica());
    passa(fundo, fundo->rect().center());
    EXPECT_EQ(p.janela->Dicas().Dica(), nullptr) << naPagina;
  }
}

}  // namespace
}  // namespace cifra
