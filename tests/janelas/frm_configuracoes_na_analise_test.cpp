// The operator's road through the settings: order, fonts, lines, a title and
// a text changed in the dialogs, then a new analysis from the program itself.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>

#include "apoio/janelas.h"
#include "janelas/frm_altera_form.h"
#include "janelas/frm_ordem.h"
#include "janelas/frm_seleciona_alteracao.h"
#include "janelas/frm_configura_fonte.h"
#include "janelas/frm_configura_rodape.h"

namespace cifra {
namespace {

using teste::Clica;
using teste::Controle;
using teste::QuandoAbrir;
using teste::Substitui;

QString Programa(const QStringList& argumentos) {
  QProcess programa;
  programa.start(QStringLiteral(CIFRA_PROGRAMA), argumentos);
  EXPECT_TRUE(programa.waitForFinished(60000));
  EXPECT_EQ(programa.exitCode(), 0) << programa.readAllStandardError().toStdString();
  return QString::fromUtf8(programa.readAllStandardOutput());
}

TEST(ConfiguracoesNaAnalise, OQueOsDialogosMudamAparecaNaProximaAnalise) {
  teste::ComConfiguracao s;
  Configuracao& c = s.configuracao;
  const auto& pasta = s.pasta;
  {  // "Características do Nome" (topic 27) climbs to the top.
    frmOrdem ordem(nullptr, c.pasta, c.ordem);
    ordem.show();
    auto* lista = Controle<QListWidget>(ordem, QStringLiteral("lstPrioridade"));
    lista->scrollToItem(lista->item(26));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(26)).center());
    ASSERT_EQ(lista->currentItem()->text(), "Características do Nome");
    for (int i = 0; i < 26; ++i) Clica(ordem, QStringLiteral("cmdPriorizar"));
    Clica(ordem, QStringLiteral("cmdOk"));
  }
  {  // Titles in Liberation Serif 20, bold and italic.
    frmConfiguraFonte fontes(nullptr, c.pasta, c.fontes);
    fontes.show();
    Substitui(Controle<QComboBox>(fontes, QStringLiteral("cmbFonte_1"))->lineEdit(),
              QStringLiteral("Liberation Serif"));
    Substitui(Controle<QComboBox>(fontes, QStringLiteral("cmbTamanho_1"))->lineEdit(), QStringLiteral("20"));
    Clica(fontes, QStringLiteral("chkItalico_1"));
    teste::Retrata(&fontes, QStringLiteral("frmConfiguraFonte"));
    Clica(fontes, QStringLiteral("cmdOk"));
  }
  {
    frmConfiguraRodape rodape(nullptr, c.pasta, c.linhas, c.margens);
    rodape.show();
    Substitui(Controle(rodape, QStringLiteral("txtCabecalhoLinhaUm")), QStringLiteral("Estudo de Maria"));
    Substitui(Controle(rodape, QStringLiteral("txtRodapeLinhaUm")), QStringLiteral("Ateliê dos Números"));
    Substitui(Controle(rodape, QStringLiteral("txtRodapeLinhaDois")), QStringLiteral("Fone (11) 5555-0100"));
    teste::Retrata(&rodape, QStringLiteral("frmConfiguraRodape"));
    teste::RespondeCaixas informacao;
    Clica(rodape, QStringLiteral("cmdOk"));
  }
  {  // The life path's title, and the text of its number 9.
    frmSelecionaAlteracao editor(nullptr, c.pasta, c.titulos);
    editor.show();
    const QString novos[] = {QStringLiteral("Sua Estrada de Vida"),
                             QStringLiteral("Nove: quem chega ao fim do ciclo e recomeça.\nCom calma.")};
    int n = 0;
    QuandoAbrir<frmAlteraForm> escreve([&](frmAlteraForm& e) {
      teste::Cola(Controle(e, QStringLiteral("txtTexto")), novos[n++]);
      Clica(e, QStringLiteral("cmdSalvar"));
    });
    Clica(editor, QStringLiteral("cmdAlterarTitulo"));
    Clica(editor, QStringLiteral("optNumeros_8"));
    Clica(editor, QStringLiteral("cmdAlterarTexto"));
    ASSERT_EQ(escreve.Abertas(), 2);
  }

  const QStringList pedido{QStringLiteral("analise"), QStringLiteral("Maria da Silva"),
                           QStringLiteral("12/08/1978"), QStringLiteral("--hoje"),
                           QStringLiteral("06/12/2026"), QStringLiteral("--pasta"),
                           QString::fromStdString(pasta.Caminho().string())};
  const QString texto = Programa(pedido + QStringList{QStringLiteral("--texto"), QStringLiteral("-")});
  const auto caracteristicas = texto.indexOf(QStringLiteral("As Características do Seu Nome"));
  const auto caminho = texto.indexOf(QStringLiteral("Sua Estrada de Vida"));
  EXPECT_GE(caracteristicas, 0);
  EXPECT_GT(caminho, caracteristicas) << texto.toStdString();
  EXPECT_FALSE(texto.contains(QStringLiteral("Seu Caminho da Vida")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Nove: quem chega ao fim do ciclo e recomeça.\r\nCom calma.")));

  // The pages: fonts and lines are seen there, so page 1 is kept to be looked at.
  const auto paginas = pasta / "paginas";
  Programa(pedido + QStringList{QStringLiteral("--png"), QString::fromStdString(paginas.string())});
  ASSERT_TRUE(std::filesystem::exists(paginas / "page-1.png"));
  teste::GuardaImagem(QImage(QString::fromStdString((paginas / "page-1.png").string())),
                      QStringLiteral("analise-apos-configuracoes.png"));
}

}  // namespace
}  // namespace cifra
