#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "apoio/janelas.h"
#include "janelas/frm_altera_form.h"
#include "janelas/frm_seleciona_alteracao.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {

using teste::Clica;
using teste::Controle;
using teste::QuandoAbrir;
using teste::RespondeCaixas;

struct Editor : teste::ComConfiguracao, ::testing::Test {
  frmSelecionaAlteracao janela{nullptr, configuracao.pasta, configuracao.titulos};
  void SetUp() override { janela.show(); }
  void Escolhe(const QString& rotulo, const char* botao) {
    auto* item = Controle<QComboBox>(janela, QStringLiteral("cmbItem"));
    item->setCurrentIndex(item->findText(rotulo));
    ASSERT_GE(item->currentIndex(), 0) << rotulo.toStdString();
    Clica(janela, QString::fromLatin1(botao));
  }
};

TEST_F(Editor, CadaEscolhaAbreORegistroCertoDoArquivoCerto) {
  struct Caso { const char* rotulo; const char* botao; const char* arquivo; int registro; };
  const Caso casos[] = {
      {"Segunda Realização (=primeira)", "optNumeros_2", "APICES.DAT", 3},
      {"Presente do Dia do Nascimento", "optNumeroZero", "PRESNASC.DAT", 1},
      {"Desafio Menor Adicional (=menor)", "optNaoPossui", "DESVIDA.DAT", 90},
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
    if (c.registro == 90) teste::Retrata(&janela, QStringLiteral("frmSelecionaAlteracao"));
    Clica(janela, QStringLiteral("cmdAlterarTexto"));
    EXPECT_TRUE(arquivo.endsWith(QLatin1String("/") + QLatin1String(c.arquivo), Qt::CaseInsensitive))
        << c.rotulo << " " << arquivo.toStdString();
    EXPECT_EQ(registro.toInt(), c.registro) << c.rotulo;
  }
}

// A text past the record's 5120 characters: the operator is told by how
// much; "No" keeps it in the editor, "Yes" saves it cut. A line break counts
// two characters (CR LF in the file), and half a line break is none.
TEST_F(Editor, UmTextoLongoSoEGravadoCortadoDepoisDeOOperadorConcordar) {
  const auto antes = teste::LeBytes(pasta / "CVIDA.DAT");
  const QString longo = QString(3000, QLatin1Char('a')) + QLatin1Char('\n') +
                        QString(2117, QLatin1Char('b')) + QLatin1Char('\n') +
                        QString(880, QLatin1Char('c'));
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    teste::Cola(Controle(e, QStringLiteral("txtTexto")), longo);
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
  EXPECT_EQ(LerRegistroDeTexto(configuracao.pasta, "CVIDA.DAT", 1),
            std::string(3000, 'a') + "\r\n" + std::string(2117, 'b'));
}

}  // namespace
}  // namespace cifra
