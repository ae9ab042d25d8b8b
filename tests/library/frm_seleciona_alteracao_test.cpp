#include <gtest/gtest.h>

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "apoio/pasta_temporaria.h"
#include "apoio/respostas_de_caixas.h"
#include "library/frm_altera_form.h"
#include "library/frm_seleciona_alteracao.h"
#include "shell/estado.h"

namespace cifra {
namespace {

using teste::PastaTemporaria;
using teste::QuandoAbrir;
using teste::RespondeCaixas;

template <class T = QWidget>
T* Controle(QWidget& j, const QString& nome) {
  auto* c = j.findChild<T*>(nome);
  EXPECT_NE(c, nullptr) << nome.toStdString();
  return c;
}
void Clica(QWidget& j, const QString& nome) { teste::Clica(Controle(j, nome)); }

void Escolhe(frmSelecionaAlteracao& j, const QString& rotulo, const QString& botao) {
  auto* item = Controle<QComboBox>(j, QStringLiteral("cmbItem"));
  item->setCurrentIndex(item->findText(rotulo));
  ASSERT_GE(item->currentIndex(), 0) << rotulo.toStdString();
  Clica(j, botao);
}

// Replaces the editor's text by pasting, as the operator brings a long text in.
void Cola(frmAlteraForm& editor, const QString& texto) {
  auto* caixa = Controle<QPlainTextEdit>(editor, QStringLiteral("txtTexto"));
  QApplication::clipboard()->setText(texto);
  caixa->setFocus();
  QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(caixa, Qt::Key_V, Qt::ControlModifier);
}

// The file with record n (of `tamanho` bytes) holding `texto`, blank-padded.
std::vector<uint8_t> ComRegistro(std::vector<uint8_t> arquivo, int n, const std::string& texto,
                                 size_t tamanho) {
  const size_t inicio = static_cast<size_t>(n - 1) * tamanho;
  if (arquivo.size() < inicio + tamanho) arquivo.resize(inicio + tamanho, ' ');
  for (size_t i = 0; i < tamanho; ++i) {
    arquivo[inicio + i] = i < texto.size() ? static_cast<uint8_t>(texto[i]) : ' ';
  }
  return arquivo;
}

struct Editor : ::testing::Test {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmSelecionaAlteracao janela{nullptr, estado};
  void SetUp() override { janela.show(); }
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
    RespondeCaixas caixas({QMessageBox::Yes});
    QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
      arquivo = Controle<QLabel>(e, QStringLiteral("lblArquivo"))->text();
      registro = Controle<QLabel>(e, QStringLiteral("lblPosicao"))->text();
      Clica(e, QStringLiteral("cmdRetornar"));
    });
    auto* item = Controle<QComboBox>(janela, QStringLiteral("cmbItem"));
    item->setCurrentIndex(item->findText(QString::fromUtf8(c.rotulo)));
    Clica(janela, QString::fromLatin1(c.botao));
    Clica(janela, QStringLiteral("cmdAlterarTexto"));
    EXPECT_EQ(editor.Abertas(), 1) << c.rotulo;
    EXPECT_TRUE(arquivo.endsWith(QLatin1String("/") + QLatin1String(c.arquivo), Qt::CaseInsensitive))
        << c.rotulo << " " << arquivo.toStdString();
    EXPECT_EQ(registro.toInt(), c.registro) << c.rotulo;
  }
  // The extra buttons show only for the topics they belong to; one chosen
  // and then hidden gives way to the first number.
  auto* item = Controle<QComboBox>(janela, QStringLiteral("cmbItem"));
  item->setCurrentIndex(14);
  Clica(janela, QStringLiteral("optNaoPossui"));
  item->setCurrentIndex(0);
  EXPECT_FALSE(Controle(janela, QStringLiteral("optNumeroZero"))->isVisible());
  EXPECT_FALSE(Controle(janela, QStringLiteral("optNaoPossui"))->isVisible());
  EXPECT_TRUE(Controle<QRadioButton>(janela, QStringLiteral("optNumeros_0"))->isChecked());
}

TEST_F(Editor, SalvarGravaOTextoComQuebrasCRLFSoNoSeuRegistro) {
  const auto antes = teste::LeBytes(pasta / "DESVIDA.DAT");
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    auto* caixa = Controle<QPlainTextEdit>(e, QStringLiteral("txtTexto"));
    caixa->setFocus();
    QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
    teste::Escreve(caixa, QStringLiteral("Sem desafio: calma.\nSegunda linha"));
    EXPECT_EQ(Controle<QLabel>(e, QStringLiteral("lblRestantes"))->text(),
              "Restam 5086 de 5120 caracteres.");
    teste::Retrata(&e, QStringLiteral("frmAlteraForm"));
    Clica(e, QStringLiteral("cmdSalvar"));
  });
  Escolhe(janela, QStringLiteral("Desafio Maior"), QStringLiteral("optNumeros_8"));
  Clica(janela, QStringLiteral("cmdAlterarTexto"));
  ASSERT_EQ(editor.Abertas(), 1);
  EXPECT_EQ(teste::LeBytes(pasta / "DESVIDA.DAT"),
            ComRegistro(antes, 1, "Sem desafio: calma.\r\nSegunda linha", 5120));
}

TEST_F(Editor, UmTextoDe6000CaracteresSoEGravadoCortadoDepoisDeOOperadorConcordar) {
  const auto antes = teste::LeBytes(pasta / "CVIDA.DAT");
  const QString longo = QString(3000, QLatin1Char('a')) + QString(3000, QLatin1Char('b'));
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    Cola(e, longo);
    EXPECT_EQ(Controle<QLabel>(e, QStringLiteral("lblRestantes"))->text(),
              "Passou 880 caracteres do limite de 5120.");
    Clica(e, QStringLiteral("cmdSalvar"));  // No: nothing written, the text stays
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(teste::LeBytes(pasta / "CVIDA.DAT"), antes);
    EXPECT_EQ(Controle<QPlainTextEdit>(e, QStringLiteral("txtTexto"))->toPlainText(), longo);
    Clica(e, QStringLiteral("cmdSalvar"));  // Yes: the first 5120 characters
  });
  Escolhe(janela, QStringLiteral("Caminho da Vida"), QStringLiteral("optNumeros_0"));
  Clica(janela, QStringLiteral("cmdAlterarTexto"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, "Atenção:");
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("6000 caracteres")));
  EXPECT_EQ(teste::LeBytes(pasta / "CVIDA.DAT"),
            ComRegistro(antes, 1, std::string(3000, 'a') + std::string(2120, 'b'), 5120));
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
  Escolhe(janela, QStringLiteral("Caminho da Vida"), QStringLiteral("optNumeros_0"));
  Clica(janela, QStringLiteral("cmdAlterarTexto"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("“😀”, “Ж”")));
  EXPECT_EQ(caixas.Vistas()[1].titulo, "Importante:");
  EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), frmAlteraForm::kPerguntaCancelar);
  EXPECT_EQ(teste::LeBytes(pasta / "CVIDA.DAT"), antes);
}

TEST_F(Editor, TituloEDescricaoRecusadosOndeSaoPadrao) {
  RespondeCaixas caixas;
  Escolhe(janela, QStringLiteral("Ciclo Produtivo"), QStringLiteral("cmdAlterarHeader"));
  Clica(janela, QStringLiteral("cmdAlterarTitulo"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, "Advertência:");
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmSelecionaAlteracao::kSemCabecalho);
  EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), frmSelecionaAlteracao::kTituloPadrao);
  EXPECT_TRUE(janela.isVisible());
}

TEST_F(Editor, UmTituloNovoVaiAoArquivoCortadoEm120EParaAProximaAnalise) {
  const auto antes = teste::LeBytes(pasta / "Header.DAT");
  const std::string titulo = "Seu caminho " + std::string(130, '*');
  RespondeCaixas caixas({QMessageBox::Yes});
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    EXPECT_EQ(Controle<QPlainTextEdit>(e, QStringLiteral("txtTexto"))->toPlainText().toStdString(),
              estado.titulos[1]);
    Cola(e, QString::fromStdString(titulo));
    Clica(e, QStringLiteral("cmdSalvar"));
  });
  Escolhe(janela, QStringLiteral("Caminho da Vida"), QStringLiteral("cmdAlterarTitulo"));
  EXPECT_EQ(teste::LeBytes(pasta / "Header.DAT"), ComRegistro(antes, 1, titulo.substr(0, 120), 120));
  EXPECT_EQ(estado.titulos[1], titulo.substr(0, 120));
  Controle<QComboBox>(janela, QStringLiteral("cmbItem"))->setCurrentIndex(14);
  Clica(janela, QStringLiteral("optNaoPossui"));
  teste::Retrata(&janela, QStringLiteral("frmSelecionaAlteracao"));
}

}  // namespace
}  // namespace cifra
