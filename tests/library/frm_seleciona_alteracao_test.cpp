#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "apoio/janelas.h"
#include "library/frm_altera_form.h"
#include "library/frm_seleciona_alteracao.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {

using teste::Clica;
using teste::Controle;
using teste::QuandoAbrir;
using teste::RespondeCaixas;

// Replaces the editor's text by pasting, as the operator brings a long text in.
void Cola(frmAlteraForm& editor, const QString& texto) {
  auto* caixa = Controle<QPlainTextEdit>(editor, QStringLiteral("txtTexto"));
  QApplication::clipboard()->setText(texto);
  caixa->setFocus();
  QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(caixa, Qt::Key_V, Qt::ControlModifier);
}

struct Editor : teste::ComEstado, ::testing::Test {
  frmSelecionaAlteracao janela{nullptr, estado};
  void SetUp() override { janela.show(); }
  QComboBox* Item() { return Controle<QComboBox>(janela, QStringLiteral("cmbItem")); }
  void Escolhe(const QString& rotulo, const char* botao) {
    Item()->setCurrentIndex(Item()->findText(rotulo));
    ASSERT_GE(Item()->currentIndex(), 0) << rotulo.toStdString();
    Clica(janela, QString::fromLatin1(botao));
  }
};

TEST_F(Editor, CadaEscolhaAbreORegistroCertoDoArquivoCerto) {
  struct Caso {
    const char* rotulo;
    const char* botao;
    const char* arquivo;
    int registro;
  };
  const Caso casos[] = {
      {"Segunda Realização (=primeira)", "optNumeros_2", "APICES.DAT", 3},
      {"Desafio Maior", "optNumeros_8", "DESVIDA.DAT", 1},
      {"Desafio Maior", "optNumeros_0", "DESVIDA.DAT", 2},
      {"Desafios do Dia do Nascimento", "optNumeros_10", "DESNASC.DAT", 12},
      {"Presente do Dia do Nascimento", "optNumeroZero", "PRESNASC.DAT", 1},
      {"Desafio Menor Adicional (=menor)", "optNaoPossui", "DESVIDA.DAT", 90},
      {"Número da Expressão", "optNumeros_9", "INTEXEXP.DAT", 10},
  };
  for (const Caso& c : casos) {
    QString arquivo, registro;
    QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
      arquivo = Controle<QLabel>(e, QStringLiteral("lblArquivo"))->text();
      registro = Controle<QLabel>(e, QStringLiteral("lblPosicao"))->text();
      Clica(e, QStringLiteral("cmdRetornar"));
    });
    RespondeCaixas caixas({QMessageBox::Yes});
    Escolhe(QString::fromUtf8(c.rotulo), c.botao);
    Clica(janela, QStringLiteral("cmdAlterarTexto"));
    EXPECT_EQ(editor.Abertas(), 1) << c.rotulo;
    EXPECT_TRUE(arquivo.endsWith(QLatin1String("/") + QLatin1String(c.arquivo), Qt::CaseInsensitive))
        << c.rotulo << " " << arquivo.toStdString();
    EXPECT_EQ(registro.toInt(), c.registro) << c.rotulo;
  }
  // The extra buttons show only for the topics they belong to; one chosen
  // and then hidden gives way to the first number.
  Item()->setCurrentIndex(14);
  Clica(janela, QStringLiteral("optNaoPossui"));
  teste::Retrata(&janela, QStringLiteral("frmSelecionaAlteracao"));
  Item()->setCurrentIndex(0);
  EXPECT_FALSE(Controle(janela, QStringLiteral("optNumeroZero"))->isVisible());
  EXPECT_FALSE(Controle(janela, QStringLiteral("optNaoPossui"))->isVisible());
  EXPECT_TRUE(Controle<QRadioButton>(janela, QStringLiteral("optNumeros_0"))->isChecked());
}

// A line break counts two characters (CR LF in the file); the cut falls
// between its two halves, and half a line break is none.
TEST_F(Editor, UmTextoLongoSoEGravadoCortadoDepoisDeOOperadorConcordar) {
  const auto antes = teste::LeBytes(pasta / "CVIDA.DAT");
  const QString longo = QString(3000, QLatin1Char('a')) + QLatin1Char('\n') +
                        QString(2117, QLatin1Char('b')) + QLatin1Char('\n') +
                        QString(880, QLatin1Char('c'));
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    Cola(e, longo);
    EXPECT_EQ(Controle<QLabel>(e, QStringLiteral("lblRestantes"))->text(),
              "Passou 881 caracteres do limite de 5120.");
    teste::Retrata(&e, QStringLiteral("frmAlteraForm"));
    Clica(e, QStringLiteral("cmdSalvar"));  // No: nothing written, the text stays
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(teste::LeBytes(pasta / "CVIDA.DAT"), antes);
    EXPECT_EQ(Controle<QPlainTextEdit>(e, QStringLiteral("txtTexto"))->toPlainText(), longo);
    Clica(e, QStringLiteral("cmdSalvar"));  // Yes: the first 5120 characters
  });
  Escolhe(QStringLiteral("Caminho da Vida"), "optNumeros_0");
  Clica(janela, QStringLiteral("cmdAlterarTexto"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("6001 caracteres")));
  EXPECT_EQ(LerRegistroDeTexto(estado.pasta, "CVIDA.DAT", 1),
            std::string(3000, 'a') + "\r\n" + std::string(2117, 'b'));
}

TEST_F(Editor, CaracteresQueOArquivoNaoGuardaSaoNomeadosENadaEGravado) {
  const auto antes = teste::LeBytes(pasta / "CVIDA.DAT");
  RespondeCaixas caixas({QMessageBox::Ok, QMessageBox::Yes});
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    Cola(e, QStringLiteral("Sorria 😀 e siga, Ж"));
    EXPECT_TRUE(Controle<QLabel>(e, QStringLiteral("lblRestantes"))->text().contains(
        QStringLiteral("Não podem ser gravados: “😀”, “Ж”.")));
    Clica(e, QStringLiteral("cmdSalvar"));
    EXPECT_TRUE(e.isVisible());
    teste::ClicaNaCaixaDeFechar(&e);  // the close box asks as "Retornar sem Salvar" does
  });
  Escolhe(QStringLiteral("Caminho da Vida"), "optNumeros_0");
  Clica(janela, QStringLiteral("cmdAlterarTexto"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("“😀”, “Ж”")));
  EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), frmAlteraForm::kPerguntaCancelar);
  EXPECT_EQ(teste::LeBytes(pasta / "CVIDA.DAT"), antes);
}

TEST_F(Editor, TituloEDescricaoRecusadosOndeSaoPadrao) {
  RespondeCaixas caixas;
  Escolhe(QStringLiteral("Ciclo Produtivo"), "cmdAlterarHeader");
  Clica(janela, QStringLiteral("cmdAlterarTitulo"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmSelecionaAlteracao::kSemCabecalho);
  EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), frmSelecionaAlteracao::kTituloPadrao);
  EXPECT_TRUE(janela.isVisible());
}

TEST_F(Editor, UmTituloNovoVaiAoArquivoCortadoEm120EParaAProximaAnalise) {
  const std::string titulo = "Seu caminho " + std::string(130, '*');
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    EXPECT_EQ(Controle<QPlainTextEdit>(e, QStringLiteral("txtTexto"))->toPlainText().toStdString(),
              estado.titulos[1]);
    Cola(e, QString::fromStdString(titulo));
    Clica(e, QStringLiteral("cmdSalvar"));
  });
  RespondeCaixas caixas({QMessageBox::Yes});
  Escolhe(QStringLiteral("Caminho da Vida"), "cmdAlterarTitulo");
  EXPECT_EQ(LerRegistroDeTexto(estado.pasta, "Header.DAT", 1), titulo.substr(0, 120));
  EXPECT_EQ(estado.titulos[1], titulo.substr(0, 120));
}

}  // namespace
}  // namespace cifra
