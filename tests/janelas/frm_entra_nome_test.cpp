// The request dialog driven by keys and clicks: the date box's slashes and
// completion, the sign, every refusal, folding, and the close box; and the
// client register it opens.
#include "janelas/frm_entra_nome.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "apoio/janelas.h"
#include "engine/signo.h"
#include "janelas/frm_cadastro.h"
#include "library/clientes.h"

namespace cifra {
namespace {

struct Dialogo {
  frmEntraNome janela;
  QLineEdit* nome = janela.findChild<QLineEdit*>(QStringLiteral("txtNome"));
  QLineEdit* data = janela.findChild<QLineEdit*>(QStringLiteral("txtDataNasc"));

  Dialogo(const QString& n, const QString& d, frmEntraNome::Finalidade f = frmEntraNome::Finalidade::Analise)
      : janela({6, 12, 2026}, {}, nullptr, f) {
    janela.show();
    janela.activateWindow();  // focus changes need the window in front
    EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
    cifra::teste::Digita(nome, n);
    cifra::teste::Digita(data, d);
  }
  QSpinBox* Ano(const char* caixa) { return cifra::teste::Controle<QSpinBox>(janela, QString::fromLatin1(caixa)); }
};

// Only digits reach the date box, which puts the slashes in; the sign comes
// with a complete date and goes with it; Enter in the date box completes a
// two-digit year and analyses the folded name.
TEST(frmEntraNome, DigitosViramDataComSignoEEnterAnalisaONomeDobrado) {
  Dialogo d(QStringLiteral("joão da conceição"), QStringLiteral("1a2/0-8x1978"));
  EXPECT_EQ(d.data->text(), QStringLiteral("12/08/1978"));
  EXPECT_EQ(d.janela.SignoExibido(), cifra::SignoDaData("12/08"));
  QTest::keyClick(d.data, Qt::Key_Backspace);
  EXPECT_EQ(d.janela.SignoExibido(), 0);
  d.data->selectAll();
  QTest::keyClick(d.data, Qt::Key_Backspace);
  cifra::teste::Digita(d.data, QStringLiteral("200878"));
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/78"));
  QTest::keyClick(d.data, Qt::Key_Return);
  ASSERT_TRUE(d.janela.Pessoa());
  EXPECT_TRUE(d.janela.Pessoa()->Nome == U"JOAO DA CONCEICAO");
  EXPECT_EQ(d.janela.Pessoa()->Nascimento, (cifra::Data{20, 8, 1978}));
  EXPECT_EQ(d.data->text(), QStringLiteral("20/08/1978"));
  EXPECT_EQ(d.janela.windowTitle(), QStringLiteral("Gerando análise, aguarde..."));
  EXPECT_EQ(d.janela.result(), QDialog::Accepted);
}

// Each refusal names its reason (or none, for an empty name), puts the focus
// in the guilty box and loses nothing typed; the close box then cancels. A
// forecast offers this year and the next and refuses its years the same way,
// after the person's own checks; a compatibility wants its second person.
TEST(frmEntraNome, RecusasComAMensagemEOFocoNaCaixaCulpada) {
  using F = frmEntraNome::Finalidade;
  struct Caso { const char* nome; const char* data; std::string_view mensagem; const char* foco; int de = 0, ate = 0;
                F finalidade = F::Analise; };
  const Caso casos[] = {
      {"Maria da Silva", "31/02/1978", cifra::kMensagemDataInvalida, "txtDataNasc"},
      {"", "12/08/1978", "", "txtNome"},
      {"ANA", "12/08/1978", cifra::kMensagemNomeIncompleto, "txtNome"},
      {"", "2a/b", cifra::kMensagemDataInvalida, "txtDataNasc"},  // the date first
      {"ANA", "12081978", cifra::kMensagemNomeIncompleto, "txtNome", 2028, 2027, F::Previsao},
      {"Maria da Silva", "12081978", "A previsão cobre no máximo 10 anos; foram pedidos 11.", "txtAnoFinal", 2026, 2036, F::Previsao},
      {"Maria da Silva", "12081978", "O último ano (2027) vem antes do primeiro (2028).", "txtAnoFinal", 2028, 2027, F::Previsao},
      {"Maria da Silva", "12081978", "O primeiro ano (1977) é anterior ao nascimento (1978).", "txtAnoInicial", 1977, 1980, F::Previsao},
      {"Maria da Silva", "12081978", cifra::kMensagemDataInvalida, "txtDataNasc2", 0, 0, F::Compatibilidade},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.mensagem);
    Dialogo d(QString::fromUtf8(c.nome), QString::fromUtf8(c.data), c.finalidade);
    if (c.de) {
      EXPECT_EQ(std::pair(d.Ano("txtAnoInicial")->value(), d.Ano("txtAnoFinal")->value()), std::pair(2026, 2027));
      cifra::teste::Retrata(&d.janela, QStringLiteral("previsao-dialogo"));
      cifra::teste::Substitui(d.Ano("txtAnoInicial"), QString::number(c.de));
      cifra::teste::Substitui(d.Ano("txtAnoFinal"), QString::number(c.ate));
    }
    cifra::teste::RespondeCaixas caixas;
    cifra::teste::Clica(d.janela, QStringLiteral("cmdOk"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return d.janela.focusWidget() && d.janela.focusWidget()->objectName() == QLatin1String(c.foco);
    }));
    EXPECT_FALSE(d.janela.Pessoa());
    ASSERT_EQ(caixas.Vistas().size(), c.mensagem.empty() ? 0u : 1u);
    if (!c.mensagem.empty()) {
      EXPECT_EQ(caixas.Vistas()[0].titulo, QStringLiteral("Erro:"));
      EXPECT_EQ(caixas.Vistas()[0].icone, QMessageBox::Critical);
      EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), c.mensagem);
    }
    EXPECT_EQ(d.nome->text(), QString::fromUtf8(c.nome));
    EXPECT_EQ(d.janela.Anos(), std::pair(c.de, c.ate));
    d.janela.close();
    EXPECT_EQ(d.janela.result(), QDialog::Rejected);
    EXPECT_FALSE(d.janela.Pessoa());
  }
}

using cifra::teste::RespondeCaixas;
constexpr auto Sim = QMessageBox::Yes, Nao = QMessageBox::No, Cancela = QMessageBox::Cancel;

// The client register driven as the operator does: buttons clicked, each
// input box and question answered from the keyboard or the mouse.
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

  {  // Every field asked in turn.
    RespondeCaixas r({Sim, "Ana Conceição", "Rua das Flores, 10", "Recife - PE", "5/3/1990",
                      "50000-000", "(81) 3333-4444"});
    clica("cmdPrepToInserir");
    EXPECT_EQ(r.Titulos(), (QStringList{"Aviso:", "Nome:", "Endereço:", "Cidade - UF:",
                                        "Data de Nascimento:", "Cep:", "Telefone:"}));
  }
  {  // An impossible date, then one no analysis accepts, are asked again; a
     // cancelled box leaves its field blank.
    RespondeCaixas r({Sim, "JOÃO DA SILVA", "Av. Brasil, 2000", "Belém - PA", "31/02/1978",
                      "01/01/3000", "12081978", Cancela, Cancela});
    clica("cmdPrepToInserir");
    ASSERT_EQ(r.Vistas().size(), 9u);
    EXPECT_EQ(r.Vistas()[5].titulo, QStringLiteral("Data de Nascimento:"));
    EXPECT_TRUE(r.Vistas()[5].texto.contains(QStringLiteral("não é válida")));
    EXPECT_TRUE(r.Vistas()[6].texto.contains(QStringLiteral("entre 01/01/1000 e a data de hoje")));
  }
  {
    RespondeCaixas r({Sim, "Helga Müller", "Rua XV de Novembro, 5", "Blumenau - SC", "29-2-00",
                      "89010-000", "(47) 3322-1100"});
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
    RespondeCaixas r({Sim, {}, {}, {}, {}, "66000-000", {}});
    clica("cmdAlterar");
    EXPECT_EQ(r.Vistas().size(), 7u);
  }
  EXPECT_EQ(caixa("txtCEP"), QStringLiteral("66000-000"));
  EXPECT_EQ(cifra::LerClientes(pasta)[1].Endereco, "Av. Brasil, 2000");

  // Remove Ana: the first answer is no, the second yes.
  filtra(QString());
  escolhe(0);
  {
    RespondeCaixas r({Nao, Sim});
    clica("cmdExcluir");
    EXPECT_EQ(combo->count(), 3);
    clica("cmdExcluir");
    ASSERT_EQ(r.Vistas().size(), 2u);
    EXPECT_TRUE(r.Vistas()[0].texto.contains(QStringLiteral("Ana Conceição")));
  }
  EXPECT_EQ(nomes(), (QStringList{"JOÃO DA SILVA", "Helga Müller"}));
  EXPECT_EQ(cifra::LerClientes(pasta).size(), 2u);

  {  // The longest name the register holds leaves the window as wide as it was.
    const int largura = janela.width();
    const std::string nome(100, 'M');
    RespondeCaixas r({Sim, nome.c_str(), "Rua 1", "Natal - RN", "1/1/1990", {}, {}});
    clica("cmdPrepToInserir");
    EXPECT_EQ(combo->currentText().size(), 100);
    EXPECT_EQ(janela.width(), largura);
    EXPECT_LE(janela.minimumSizeHint().width(), largura);
  }

  {  // A name the register cannot keep (a Polish "Ł") is asked again, naming
     // the characters, instead of turning into "?" on its way to the analysis.
    RespondeCaixas r({Sim, "Łukasz Wałęsa", "Lukasz Walesa", "", "", "01/01/1980", "", ""});
    clica("cmdPrepToInserir");
    ASSERT_GE(r.Vistas().size(), 3u);
    EXPECT_TRUE(r.Vistas()[2].texto.contains(QStringLiteral("“Ł”, “ł”, “ę”"))) << r.Vistas()[2].texto.toStdString();
  }
  EXPECT_EQ(cifra::LerClientes(pasta).back().Nome, "Lukasz Walesa");

  // Another program renames Helga meanwhile: choosing her reads the list again.
  cifra::Cliente helga = cifra::LerClientes(pasta)[1];
  helga.Nome = "Helga Müller Braun";
  cifra::AlterarCliente(pasta, 1, cifra::LerCadastro(pasta)[1], helga);
  escolhe(1);
  EXPECT_EQ(nomes()[1], QStringLiteral("Helga Müller Braun"));

  // Recall Helga: the register closes and hands back her name and date.
  clica("cmdRetrieve");
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  ASSERT_TRUE(janela.Escolhido().has_value());
  EXPECT_EQ(janela.Escolhido()->Nome, "Helga Müller Braun");
  EXPECT_EQ(janela.Escolhido()->DataNascimento, "29/02/2000");
}

}  // namespace
}  // namespace cifra
