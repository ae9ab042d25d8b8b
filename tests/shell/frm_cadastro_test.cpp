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

TEST(frmCadastro, CadastraFiltraAlteraExcluiECarregaUmCliente) {
  cifra::teste::PastaTemporaria raiz;
  const cifra::PastaDeDados pasta(raiz.Caminho());
  frmCadastro janela(pasta);
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  auto* combo = cifra::teste::Controle<QComboBox>(janela, QStringLiteral("cmbClientes"));
  auto* filtro = cifra::teste::Controle<QLineEdit>(janela, QStringLiteral("txtFiltro"));
  const auto caixa = [&](const char* nome) {
    return cifra::teste::Controle<QLineEdit>(janela, QString::fromLatin1(nome))->text();
  };
  const auto clica = [&](const char* botao) { cifra::teste::Clica(janela, QString::fromLatin1(botao)); };
  const auto nomes = [&] {
    QStringList n;
    for (int i = 0; i < combo->count(); ++i) n << combo->itemText(i);
    return n;
  };
  const auto filtra = [&](const QString& texto) {
    filtro->setFocus();
    filtro->selectAll();
    QTest::keyClick(filtro, Qt::Key_Backspace);
    cifra::teste::Digita(filtro, texto);
  };
  const auto escolhe = [&](int posicao) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < posicao; ++i) QTest::keyClick(combo, Qt::Key_Down);
  };

  {
    Roteiro r = NovoCliente("Ana Conceição", "Rua das Flores, 10", "Recife - PE", "5/3/1990",
                            "50000-000", "(81) 3333-4444");
    clica("cmdPrepToInserir");
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
    clica("cmdPrepToInserir");
    EXPECT_TRUE(r.textos.value(5).contains(QStringLiteral("não é válida")));
  }
  {
    Roteiro r = NovoCliente("Helga Müller", "Rua XV de Novembro, 5", "Blumenau - SC", "29-2-00",
                            "89010-000", "(47) 3322-1100");
    clica("cmdPrepToInserir");
  }
  EXPECT_EQ(nomes(), (QStringList{"Ana Conceição", "JOÃO DA SILVA", "Helga Müller"}));
  EXPECT_EQ(combo->currentText(), QStringLiteral("Helga Müller"));  // the new one is selected
  EXPECT_EQ(caixa("txtDataNasc"), QStringLiteral("29/02/2000"));
  ASSERT_EQ(cifra::LerClientes(pasta).size(), 3u);
  EXPECT_EQ(cifra::LerClientes(pasta)[0].DataNascimento, "05/03/1990");
  escolhe(0);
  cifra::teste::Retrata(&janela, QStringLiteral("frm-cadastro"));

  // The filter: part of the name, without accents or capitals.
  filtra(QStringLiteral("joao"));
  EXPECT_EQ(nomes(), QStringList{"JOÃO DA SILVA"});
  EXPECT_EQ(caixa("txtCidadeUf"), QStringLiteral("Belém - PA"));

  // Change João's postal code; every other answer is kept as it was offered.
  {
    Roteiro r{{"Aviso:", R::Sim},      {"Nome:", R::Mantem},
              {"Endereço:", R::Mantem}, {"Cidade - UF:", R::Mantem},
              {"Data de Nascimento:", R::Mantem}, {"Cep:", R::Digita, "66000-000"},
              {"Telefone:", R::Mantem}};
    clica("cmdAlterar");
  }
  EXPECT_EQ(caixa("txtCEP"), QStringLiteral("66000-000"));
  EXPECT_EQ(cifra::LerClientes(pasta)[1].Endereco, "Av. Brasil, 2000");

  // Remove Ana: the first answer is no, the second yes.
  filtra(QString());
  escolhe(0);
  {
    Roteiro r{{"Atenção:", R::Nao}, {"Atenção:", R::Sim}};
    clica("cmdExcluir");
    EXPECT_EQ(combo->count(), 3);
    clica("cmdExcluir");
    EXPECT_TRUE(r.textos.value(0).contains(QStringLiteral("Ana Conceição")));
  }
  EXPECT_EQ(nomes(), (QStringList{"JOÃO DA SILVA", "Helga Müller"}));
  EXPECT_EQ(cifra::LerClientes(pasta).size(), 2u);

  // Recall Helga: the register closes and hands back her name and date.
  escolhe(1);
  clica("cmdRetrieve");
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  ASSERT_TRUE(janela.Escolhido().has_value());
  EXPECT_EQ(janela.Escolhido()->Nome, "Helga Müller");
  EXPECT_EQ(janela.Escolhido()->DataNascimento, "29/02/2000");
}

}  // namespace
