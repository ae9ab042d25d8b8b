// The client register driven as the operator does: buttons clicked, each
// input box and question answered from the keyboard or the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

#include "apoio/janelas.h"
#include "shell/clientes.h"
#include "shell/frm_cadastro.h"

namespace {

// Answers the modal boxes as they appear, in order, checking each title.
class Roteiro {
 public:
  enum Acao { Sim, Nao, Ok, Digita, Mantem, Cancela };
  struct Passo {
    QString titulo;
    Acao acao;
    QString texto = {};
  };

  Roteiro(std::initializer_list<Passo> passos) : passos_(passos) {
    QObject::connect(&relogio_, &QTimer::timeout, [this] { Responde(); });
    relogio_.start(5);
  }
  ~Roteiro() { EXPECT_TRUE(passos_.empty()) << passos_.size() << " boxes never appeared"; }

  QStringList textos;  // what each box said

 private:
  void Responde() {
    QWidget* caixa = QApplication::activeModalWidget();
    if (!caixa || !caixa->isVisible() || caixa == respondida_ || passos_.empty()) return;
    if (!qobject_cast<QMessageBox*>(caixa) && !qobject_cast<QInputDialog*>(caixa)) return;
    respondida_ = caixa;
    const Passo p = passos_.front();
    passos_.pop_front();
    EXPECT_EQ(caixa->windowTitle(), p.titulo);
    if (auto* m = qobject_cast<QMessageBox*>(caixa)) {
      textos << m->text();
      const auto botao = p.acao == Sim ? QMessageBox::Yes : p.acao == Nao ? QMessageBox::No : QMessageBox::Ok;
      ASSERT_NE(m->button(botao), nullptr) << p.titulo.toStdString();
      QTest::mouseClick(m->button(botao), Qt::LeftButton);
      return;
    }
    auto* d = qobject_cast<QInputDialog*>(caixa);
    textos << d->labelText();
    auto* linha = d->findChild<QLineEdit*>();
    ASSERT_NE(linha, nullptr);
    if (p.acao == Cancela) {
      QTest::keyClick(linha, Qt::Key_Escape);
      return;
    }
    if (p.acao == Digita) {
      linha->selectAll();
      QTest::keyClick(linha, Qt::Key_Backspace);
      cifra::teste::Digita(linha, p.texto);
    }
    QTest::keyClick(linha, Qt::Key_Return);
  }

  std::deque<Passo> passos_;
  QTimer relogio_;
  QPointer<QWidget> respondida_;
};

using R = Roteiro;

// A new client typed in full, every box answered.
Roteiro NovoCliente(const QString& nome, const QString& endereco, const QString& cidade,
                    const QString& data, const QString& cep, const QString& telefone) {
  return {{"Aviso:", R::Sim},
          {"Nome:", R::Digita, nome},
          {"Endereço:", R::Digita, endereco},
          {"Cidade - UF:", R::Digita, cidade},
          {"Data de Nascimento:", R::Digita, data},
          {"Cep:", R::Digita, cep},
          {"Telefone:", R::Digita, telefone}};
}

struct Tela {
  explicit Tela(frmCadastro& j)
      : combo(j.findChild<QComboBox*>(QStringLiteral("cmbClientes"))),
        filtro(j.findChild<QLineEdit*>(QStringLiteral("txtFiltro"))),
        cidade(j.findChild<QLineEdit*>(QStringLiteral("txtCidadeUf"))),
        cep(j.findChild<QLineEdit*>(QStringLiteral("txtCEP"))),
        nascimento(j.findChild<QLineEdit*>(QStringLiteral("txtDataNasc"))),
        carregar(j.findChild<QPushButton*>(QStringLiteral("cmdRetrieve"))),
        cadastrar(j.findChild<QPushButton*>(QStringLiteral("cmdPrepToInserir"))),
        alterar(j.findChild<QPushButton*>(QStringLiteral("cmdAlterar"))),
        excluir(j.findChild<QPushButton*>(QStringLiteral("cmdExcluir"))) {}
  QStringList Nomes() const {
    QStringList n;
    for (int i = 0; i < combo->count(); ++i) n << combo->itemText(i);
    return n;
  }
  void Filtra(const QString& texto) {
    filtro->setFocus();
    filtro->selectAll();
    QTest::keyClick(filtro, Qt::Key_Backspace);
    cifra::teste::Digita(filtro, texto);
  }
  void Escolhe(int posicao) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < posicao; ++i) QTest::keyClick(combo, Qt::Key_Down);
  }
  QComboBox* combo;
  QLineEdit *filtro, *cidade, *cep, *nascimento;
  QPushButton *carregar, *cadastrar, *alterar, *excluir;
};

TEST(frmCadastro, CadastraFiltraAlteraExcluiECarregaUmCliente) {
  cifra::teste::PastaTemporaria raiz;
  const cifra::PastaDeDados pasta(raiz.Caminho());
  frmCadastro janela(pasta);
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  Tela t(janela);

  {  // An empty register has nothing to load.
    Roteiro r{{"Erro:", R::Ok}};
    QTest::mouseClick(t.carregar, Qt::LeftButton);
    EXPECT_EQ(r.textos.value(0),
              QStringLiteral("Desculpe, mas é impossível carregar um cliente que não consta no cadastro!"));
  }
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(t.combo->count(), 0);
  EXPECT_FALSE(t.alterar->isEnabled());

  {  // Thought better of it: nothing is asked, nothing written.
    Roteiro r{{"Aviso:", R::Nao}};
    QTest::mouseClick(t.cadastrar, Qt::LeftButton);
  }
  EXPECT_FALSE(std::filesystem::exists(raiz / "caduser.dat"));

  {
    Roteiro r = NovoCliente("Ana Conceição", "Rua das Flores, 10", "Recife - PE", "5/3/1990",
                            "50000-000", "(81) 3333-4444");
    QTest::mouseClick(t.cadastrar, Qt::LeftButton);
    EXPECT_EQ(r.textos.value(1), QStringLiteral("Digite o NOME da pessoa a ser inclusa no cadastro:"));
  }
  {  // An impossible date is asked again; a cancelled box leaves its field blank.
    Roteiro r{{"Aviso:", R::Sim},
              {"Nome:", R::Digita, "JOÃO DA SILVA"},
              {"Endereço:", R::Digita, "Av. Brasil, 2000"},
              {"Cidade - UF:", R::Digita, "Belém - PA"},
              {"Data de Nascimento:", R::Digita, "31/02/1978"},
              {"Data de Nascimento:", R::Digita, "12081978"},
              {"Cep:", R::Cancela},
              {"Telefone:", R::Cancela}};
    QTest::mouseClick(t.cadastrar, Qt::LeftButton);
    EXPECT_TRUE(r.textos.value(5).contains(QStringLiteral("não é válida")));
  }
  {  // Cancelling the date gives up the client.
    Roteiro r{{"Aviso:", R::Sim},
              {"Nome:", R::Digita, "Desistente"},
              {"Endereço:", R::Cancela},
              {"Cidade - UF:", R::Cancela},
              {"Data de Nascimento:", R::Cancela}};
    QTest::mouseClick(t.cadastrar, Qt::LeftButton);
  }
  {
    Roteiro r = NovoCliente("Helga Müller", "Rua XV de Novembro, 5", "Blumenau - SC", "29-2-00",
                            "89010-000", "(47) 3322-1100");
    QTest::mouseClick(t.cadastrar, Qt::LeftButton);
  }
  EXPECT_EQ(t.Nomes(), (QStringList{"Ana Conceição", "JOÃO DA SILVA", "Helga Müller"}));
  EXPECT_EQ(t.combo->currentText(), QStringLiteral("Helga Müller"));  // the new one is selected
  EXPECT_EQ(t.nascimento->text(), QStringLiteral("29/02/2000"));
  const auto noArquivo = cifra::LerClientes(pasta);
  ASSERT_EQ(noArquivo.size(), 3u);
  EXPECT_EQ(noArquivo[0].DataNascimento, "05/03/1990");
  EXPECT_EQ(noArquivo[1].DataNascimento, "12/08/1978");
  EXPECT_EQ(noArquivo[1].Cep, "");

  t.Escolhe(0);
  EXPECT_EQ(t.cidade->text(), QStringLiteral("Recife - PE"));
  cifra::teste::Retrata(&janela, QStringLiteral("frm-cadastro"));

  // The filter: part of the name, without accents or capitals.
  t.Filtra(QStringLiteral("joao"));
  EXPECT_EQ(t.Nomes(), QStringList{"JOÃO DA SILVA"});
  EXPECT_EQ(t.cidade->text(), QStringLiteral("Belém - PA"));
  t.Filtra(QStringLiteral("xyz"));
  EXPECT_EQ(t.combo->count(), 0);
  EXPECT_EQ(t.cidade->text(), QString());
  EXPECT_FALSE(t.excluir->isEnabled());

  // Change João's postal code; every other answer is kept as it was offered.
  t.Filtra(QStringLiteral("silva"));
  {
    Roteiro r{{"Aviso:", R::Sim},      {"Nome:", R::Mantem},
              {"Endereço:", R::Mantem}, {"Cidade - UF:", R::Mantem},
              {"Data de Nascimento:", R::Mantem}, {"Cep:", R::Digita, "66000-000"},
              {"Telefone:", R::Mantem}};
    QTest::mouseClick(t.alterar, Qt::LeftButton);
  }
  EXPECT_EQ(t.cep->text(), QStringLiteral("66000-000"));
  EXPECT_EQ(t.combo->currentText(), QStringLiteral("JOÃO DA SILVA"));
  {  // Cancelling a box while changing gives up the change.
    Roteiro r{{"Aviso:", R::Sim}, {"Nome:", R::Digita, "Outro Nome"}, {"Endereço:", R::Cancela}};
    QTest::mouseClick(t.alterar, Qt::LeftButton);
  }
  EXPECT_EQ(cifra::LerClientes(pasta)[1].Nome, "JOÃO DA SILVA");
  EXPECT_EQ(cifra::LerClientes(pasta)[1].Cep, "66000-000");
  EXPECT_EQ(cifra::LerClientes(pasta)[1].Endereco, "Av. Brasil, 2000");

  // Remove Ana: the first answer is no, the second yes.
  t.Filtra(QString());
  EXPECT_EQ(t.combo->count(), 3);
  t.Escolhe(0);
  {
    Roteiro r{{"Atenção:", R::Nao}};
    QTest::mouseClick(t.excluir, Qt::LeftButton);
    EXPECT_TRUE(r.textos.value(0).contains(QStringLiteral("Ana Conceição")));
  }
  EXPECT_EQ(t.combo->count(), 3);
  {
    Roteiro r{{"Atenção:", R::Sim}};
    QTest::mouseClick(t.excluir, Qt::LeftButton);
  }
  EXPECT_EQ(t.Nomes(), (QStringList{"JOÃO DA SILVA", "Helga Müller"}));
  EXPECT_EQ(cifra::LerClientes(pasta).size(), 2u);

  // Recall Helga: the register closes and hands back her name and date.
  t.Escolhe(1);
  QTest::mouseClick(t.carregar, Qt::LeftButton);
  EXPECT_FALSE(janela.isVisible());
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  ASSERT_TRUE(janela.Escolhido().has_value());
  EXPECT_EQ(janela.Escolhido()->Nome, "Helga Müller");
  EXPECT_EQ(janela.Escolhido()->DataNascimento, "29/02/2000");
}

TEST(frmCadastro, FecharSemEscolherNaoDevolveNinguemEMostraRegistroDanificado) {
  cifra::teste::PastaTemporaria raiz;
  const cifra::PastaDeDados pasta(raiz.Caminho());
  cifra::AcrescentarCliente(pasta, {"Ana", "", "", "", "", "05/03/1990"});
  auto bytes = cifra::teste::LeBytes(raiz / "caduser.dat");
  bytes.insert(bytes.end(), bytes.begin(), bytes.begin() + 50);  // a write cut short
  cifra::teste::EscreveBytes(raiz / "caduser.dat", bytes);
  frmCadastro janela(pasta);
  janela.show();
  Tela t(janela);
  EXPECT_EQ(t.Nomes(), (QStringList{"Ana", "Ana  [registro danificado]"}));
  janela.close();  // the close box is the cancel button
  EXPECT_FALSE(janela.Escolhido().has_value());
  EXPECT_EQ(cifra::teste::LeBytes(raiz / "caduser.dat"), bytes);  // nothing dropped
}

}  // namespace
