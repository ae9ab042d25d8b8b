// The settings and editing dialogs, driven as the operator drives them: what
// they change reaches the files and the next analysis; given up, they change
// nothing; what they refuse is said.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <map>
#include <tuple>

#include "apoio/executa.h"
#include "apoio/janelas.h"
#include "janelas/frm_altera_form.h"
#include "janelas/frm_configura_fonte.h"
#include "janelas/frm_configura_programa.h"
#include "janelas/frm_configura_rodape.h"
#include "janelas/frm_edita_calculo.h"
#include "janelas/frm_ordem.h"
#include "janelas/frm_seleciona_alteracao.h"
#include "janelas/frm_selecionar_arquivo.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"
#include "library/ordem.h"

namespace cifra {
namespace {

using teste::Clica;
using teste::Controle;
using teste::QuandoAbrir;
using teste::RespondeCaixas;
using teste::Substitui;

// Order, fonts, lines, a title and a text changed in the dialogs, and what
// they refuse on the way; then a new analysis from the command line on the
// same folder.
TEST(ConfiguracoesNaAnalise, OQueOsDialogosMudamAparecaNaProximaAnalise) {
  teste::ComConfiguracao s;
  Configuracao& c = s.configuracao;
  {  // The life path, first, cannot climb; 29 steps take it to the end, where a 30th only beeps.
    frmOrdem ordem(nullptr, c.pasta, c.ordem);
    ordem.show();
    auto* lista = Controle<QListWidget>(ordem, QStringLiteral("lstPrioridade"));
    EXPECT_EQ(lista->currentItem()->text(), "Caminho da Vida");
    QSignalSpy bipes(&ordem, &frmOrdem::Bipe);
    Clica(ordem, QStringLiteral("cmdPriorizar"));
    for (int i = 0; i < 29; ++i) Clica(ordem, QStringLiteral("cmdDespriorizar"));
    EXPECT_EQ(bipes.count(), 1);
    Clica(ordem, QStringLiteral("cmdDespriorizar"));
    EXPECT_EQ(bipes.count(), 2);
    EXPECT_EQ(lista->item(29)->text(), "Caminho da Vida");
    Clica(ordem, QStringLiteral("cmdOk"));
    EXPECT_EQ(LerOrdemTopicos(c.pasta)[30], 1);
    EXPECT_EQ(c.ordem, LerOrdemTopicos(c.pasta));
  }
  {  // Each family listed once, without fontconfig's foundry; a size past
     // what is drawn kept at the largest. Titles in Liberation Serif 20, italic.
    QStringList familias = frmConfiguraFonte::Familias();
    EXPECT_TRUE(familias.filter(QStringLiteral("[")).isEmpty());
    EXPECT_EQ(familias.removeDuplicates(), 0);
    frmConfiguraFonte fontes(nullptr, c.pasta, c.fontes);
    fontes.show();
    Substitui(Controle<QComboBox>(fontes, QStringLiteral("cmbTamanho_1"))->lineEdit(), QStringLiteral("90"));
    EXPECT_EQ(c.fontes.FonteTitulo.Tamanho, 72);
    Substitui(Controle<QComboBox>(fontes, QStringLiteral("cmbFonte_1"))->lineEdit(), QStringLiteral("Liberation Serif"));
    Substitui(Controle<QComboBox>(fontes, QStringLiteral("cmbTamanho_1"))->lineEdit(), QStringLiteral("20"));
    Clica(fontes, QStringLiteral("chkItalico_1"));
    teste::Retrata(&fontes, QStringLiteral("frmConfiguraFonte"));
    Clica(fontes, QStringLiteral("cmdOk"));
    EXPECT_EQ(LerFontes(c.pasta).FonteTitulo, (Fonte{"Liberation Serif", true, true, 20}));
    EXPECT_EQ(c.fontes, LerFontes(c.pasta));
  }
  {  // A line longer than the printed page is named, with its excess; "Não"
     // keeps the dialog open and the file as it was.
    frmConfiguraRodape rodape(nullptr, c.pasta, c.linhas, c.margens);
    rodape.show();
    Substitui(Controle(rodape, QStringLiteral("txtRodapeLinhaDois")), QString(150, QLatin1Char('W')));
    const auto antes = teste::LeBytes(s.pasta / "rodape.dat");
    {
      RespondeCaixas longa({QMessageBox::No});
      Clica(rodape, QStringLiteral("cmdOk"));
      ASSERT_EQ(longa.Vistas().size(), 1u);
      EXPECT_TRUE(longa.Vistas()[0].texto.startsWith(QStringLiteral("A segunda linha do rodapé passa ")));
    }
    EXPECT_TRUE(rodape.isVisible());
    EXPECT_EQ(teste::LeBytes(s.pasta / "rodape.dat"), antes);
    Substitui(Controle(rodape, QStringLiteral("txtCabecalhoLinhaUm")), QStringLiteral("Estudo de Maria"));
    Substitui(Controle(rodape, QStringLiteral("txtRodapeLinhaUm")), QStringLiteral("Ateliê dos Números"));
    Substitui(Controle(rodape, QStringLiteral("txtRodapeLinhaDois")), QStringLiteral("Fone (11) 5555-0100"));
    teste::Retrata(&rodape, QStringLiteral("frmConfiguraRodape"));
    RespondeCaixas informacao;
    Clica(rodape, QStringLiteral("cmdOk"));
    EXPECT_EQ(LerLinhasRodape(c.pasta), (LinhasRodape{"Ateliê dos Números", "Fone (11) 5555-0100", "Estudo de Maria"}));
    EXPECT_EQ(c.linhas, LerLinhasRodape(c.pasta));
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
  const auto r = teste::Executa({"Maria da Silva", "12/08/1978", "--hoje", "06/12/2026", "--pasta",
                                 s.pasta.Caminho().string(), "--texto", "-"});
  ASSERT_EQ(r.status, 0) << r.erros;
  const QString texto = QString::fromStdString(r.saida);
  const auto caracteristicas = texto.indexOf(QStringLiteral("As Características do Seu Nome"));
  EXPECT_GE(caracteristicas, 0);
  EXPECT_GT(texto.indexOf(QStringLiteral("Sua Estrada de Vida")), caracteristicas) << r.saida;
  EXPECT_FALSE(texto.contains(QStringLiteral("Seu Caminho da Vida")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Nove: quem chega ao fim do ciclo e recomeça.\r\nCom calma.")));
}

// Given up after a change, by the cancel button and by the close box: the
// program's state and every file stay as they were, even for the fonts,
// which the dialog applies at once. Those that ask first stay open on "No".
TEST(DialogoCancelado, NadaMudaNaMemoriaNemNosArquivos) {
  struct Caso {
    const char* janela;
    std::function<std::unique_ptr<QDialog>(Configuracao&)> abre;
    std::function<void(QDialog&)> muda;
    const char* pergunta;  // nullptr: leaves without asking
  };
  const Caso casos[] = {
      {"frmConfiguraFonte",
       [](Configuracao& e) { return std::make_unique<frmConfiguraFonte>(nullptr, e.pasta, e.fontes); },
       [](QDialog& j) {
         Substitui(Controle<QComboBox>(j, QStringLiteral("cmbTamanho_1"))->lineEdit(), QStringLiteral("18"));
         Clica(j, QStringLiteral("chkNegrito_0"));
       },
       nullptr},
      {"frmConfiguraRodape",
       [](Configuracao& e) { return std::make_unique<frmConfiguraRodape>(nullptr, e.pasta, e.linhas, e.margens); },
       [](QDialog& j) { Substitui(Controle(j, QStringLiteral("txtRodapeLinhaUm")), QStringLiteral("Novo")); },
       frmConfiguraRodape::kPerguntaCancelar},
      {"frmEditaCalculo",
       [](Configuracao& e) {
         auto j = std::make_unique<frmEditaCalculo>(nullptr, e.pasta, e.opcoes.NumerosMagicos, nullptr);
         j->DefineArquivoAGravar(kFormulaB);
         return j;
       },
       [](QDialog& j) {
         Clica(j, QStringLiteral("optNumero_2"));
         Clica(j, QStringLiteral("cmdSomarCom"));
       },
       frmEditaCalculo::kPerguntaCancelar},
      {"frmConfiguraPrograma",
       [](Configuracao& e) { return std::make_unique<frmConfiguraPrograma>(nullptr, e.pasta, e.opcoes); },
       [](QDialog& j) {
         Clica(j, QStringLiteral("chkIncluirMapaCarmico"));
         Clica(j, QStringLiteral("chkInterpretacoes_1"));
       },
       nullptr},
  };
  const auto Arquivos = [](const std::filesystem::path& pasta) {
    std::map<std::string, std::vector<uint8_t>> a;
    for (const auto& e : std::filesystem::directory_iterator(pasta)) a[e.path().filename().string()] = teste::LeBytes(e.path());
    return a;
  };
  const auto estado = [](const Configuracao& c) { return std::tuple(c.ordem, c.titulos, c.fontes, c.opcoes, c.linhas); };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.janela);
    teste::ComConfiguracao s;
    const Configuracao antes = s.configuracao;
    const auto arquivos = Arquivos(s.pasta.Caminho());
    for (const bool pelaCaixaDeFechar : {false, true}) {
      const auto janela = c.abre(s.configuracao);
      janela->show();
      c.muda(*janela);
      RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
      const auto sai = [&] {
        if (pelaCaixaDeFechar) return teste::ClicaNaCaixaDeFechar(janela.get());
        Clica(*janela, QStringLiteral("cmdCancelar"));
      };
      sai();
      if (c.pergunta) {
        EXPECT_TRUE(janela->isVisible());  // "No": back to the dialog
        sai();
        ASSERT_EQ(caixas.Vistas().size(), 2u);
        EXPECT_EQ(caixas.Vistas()[1].texto.toStdString(), c.pergunta);
      }
      EXPECT_EQ(caixas.Vistas().size(), c.pergunta ? 2u : 0u);
      EXPECT_FALSE(janela->isVisible());
      EXPECT_EQ(janela->result(), QDialog::Rejected);
      EXPECT_EQ(estado(s.configuracao), estado(antes));
      EXPECT_EQ(Arquivos(s.pasta.Caminho()), arquivos);
    }
  }
}

TEST(frmConfiguraPrograma, DesmarcarTodosOsTopicosMostraOErroENadaMuda) {
  teste::ComConfiguracao s;
  const ProgramOptions antes = s.configuracao.opcoes;
  frmConfiguraPrograma janela(nullptr, s.configuracao.pasta, s.configuracao.opcoes);
  janela.show();
  teste::Retrata(&janela, QStringLiteral("frmConfiguraPrograma"));
  for (int i = 0; i < kTopicos; ++i) {
    auto* topico = Controle<QCheckBox>(janela, QStringLiteral("chkInterpretacoes_%1").arg(i));
    if (topico->isChecked()) Clica(topico);
  }
  RespondeCaixas caixas;
  Clica(janela, QStringLiteral("cmdOk"));
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmConfiguraPrograma::kMensagemSemTopicos);
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(s.configuracao.opcoes, antes);
}

// The formula is shown in words as it is built, with its value for a sample
// person; saved, the file holds its codes and the answer about 11 and 22.
TEST(frmEditaCalculo, FormulaPorExtensoValorEGravacao) {
  teste::ComConfiguracao s;
  frmEditaCalculo janela(nullptr, s.configuracao.pasta, false, nullptr);
  janela.DefineArquivoAGravar(kFormulaB);
  janela.show();
  for (const char* b : {"optNumero_10", "cmdSomarCom", "optNumero_5"}) Clica(janela, QString::fromLatin1(b));
  // 12 letters in MARIA DA SILVA, plus the birth day 12 reduced to 3: 15, which is 6.
  EXPECT_EQ(Controle<QLabel>(janela, QStringLiteral("lblValor"))->text(), "Valor para MARIA DA SILVA, 12/08/1978: 6");
  for (const char* b : {"cmdDiminuirDe", "optNumero_3"}) Clica(janela, QString::fromLatin1(b));
  EXPECT_EQ(Controle<QLabel>(janela, QStringLiteral("lblFormula"))->text(),
            "Total de letras do Nome + Dia do Nascimento − Vogais do Nome");
  teste::Retrata(&janela, QStringLiteral("frmEditaCalculo"));
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Ok});
  Clica(janela, QStringLiteral("cmdEncerrarCalculo"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmEditaCalculo::kPerguntaMestres);
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_EQ(LerFormula(s.configuracao.pasta, kFormulaB), (std::vector<int16_t>{202, 10, 101, 5, 102, 3, 103}));
}

// The text editor: each choice opens its file at its record, "Número 0",
// "Não possui", the karmic map's parts and descriptions and the debts (which
// show their own four numbers) included. A text past the record's 5120 characters: the operator is told by
// how much; "No" keeps it in the editor, "Yes" saves it cut. A line break
// counts two characters (CR LF in the file), and half a line break is none.
TEST(frmSelecionaAlteracao, CadaEscolhaAbreSeuRegistroETextoLongoSoCortadoComConcordancia) {
  teste::ComConfiguracao s;
  frmSelecionaAlteracao janela{nullptr, s.configuracao.pasta, s.configuracao.titulos};
  janela.show();
  teste::Retrata(&janela, QStringLiteral("frmSelecionaAlteracao"));
  auto* item = Controle<QComboBox>(janela, QStringLiteral("cmbItem"));
  const auto escolhe = [&](const char* rotulo, const char* botao) {
    item->setCurrentIndex(item->findText(QString::fromUtf8(rotulo)));
    EXPECT_GE(item->currentIndex(), 0) << rotulo;
    if (botao) Clica(janela, QString::fromLatin1(botao));
  };
  struct Caso { const char* rotulo; const char* botao; const char* comando; const char* arquivo; int registro; };
  const Caso casos[] = {
      {"Segunda Realização (=primeira)", "optNumeros_2", "cmdAlterarTexto", "APICES.DAT", 3},
      {"Presente do Dia do Nascimento", "optNumeroZero", "cmdAlterarTexto", "PRESNASC.DAT", 1},
      {"Desafio Menor Adicional (=menor)", "optNaoPossui", "cmdAlterarTexto", "DESVIDA.DAT", 90},
      {"Tendência Oculta", "optNumeros_8", "cmdAlterarHeader", "DESCCARM.DAT", 3},
      {"Mapa Cármico (descrição geral)", nullptr, "cmdAlterarTexto", "DESCCARM.DAT", 1},
      {"Dívidas Cármicas", "optNumeros_2", "cmdAlterarTexto", "DIVCARM.DAT", 3},  // "Dívida 16"
  };
  for (const Caso& c : casos) {
    QString arquivo, registro;
    QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
      arquivo = Controle<QLabel>(e, QStringLiteral("lblArquivo"))->text();
      registro = Controle<QLabel>(e, QStringLiteral("lblPosicao"))->text();
      Clica(e, QStringLiteral("cmdRetornar"));
    });
    RespondeCaixas caixas({QMessageBox::Yes});
    escolhe(c.rotulo, c.botao);
    Clica(janela, QString::fromLatin1(c.comando));
    EXPECT_TRUE(arquivo.endsWith(QLatin1String("/") + QLatin1String(c.arquivo), Qt::CaseInsensitive)) << c.rotulo;
    EXPECT_EQ(registro.toInt(), c.registro) << c.rotulo;
  }

  {  // The debts, still chosen: four buttons named by the debt, no title to
     // rewrite; back to a topic, its eleven numbers and its title again.
    QStringList vistos;
    for (int i = 0; i < kBotoesDeNumero; ++i) {
      auto* o = Controle<QRadioButton>(janela, QStringLiteral("optNumeros_%1").arg(i));
      if (o->isVisible()) vistos << o->text();
    }
    EXPECT_EQ(vistos, (QStringList{"Dívida 13", "Dívida 14", "Dívida 16", "Dívida 19"}));
    EXPECT_FALSE(Controle(janela, QStringLiteral("cmdAlterarTitulo"))->isEnabled());
    teste::Retrata(&janela, QStringLiteral("editor-dividas-carmicas"));
    escolhe("Caminho da Vida", nullptr);
    EXPECT_TRUE(Controle(janela, QStringLiteral("optNumeros_10"))->isVisible());
    EXPECT_TRUE(Controle(janela, QStringLiteral("cmdAlterarTitulo"))->isEnabled());
  }

  const auto antes = teste::LeBytes(s.pasta / "CVIDA.DAT");
  const QString longo = QString(3000, QLatin1Char('a')) + QLatin1Char('\n') + QString(2117, QLatin1Char('b')) +
                        QLatin1Char('\n') + QString(880, QLatin1Char('c'));
  RespondeCaixas caixas({QMessageBox::No, QMessageBox::Yes});
  QuandoAbrir<frmAlteraForm> editor([&](frmAlteraForm& e) {
    teste::Cola(Controle(e, QStringLiteral("txtTexto")), longo);
    EXPECT_EQ(Controle<QLabel>(e, QStringLiteral("lblRestantes"))->text(), "Passou 881 caracteres do limite de 5120.");
    Clica(e, QStringLiteral("cmdSalvar"));  // No: nothing written, the text stays
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(teste::LeBytes(s.pasta / "CVIDA.DAT"), antes);
    EXPECT_EQ(Controle<QPlainTextEdit>(e, QStringLiteral("txtTexto"))->toPlainText(), longo);
    Clica(e, QStringLiteral("cmdSalvar"));  // Yes: the first 5120 characters
  });
  escolhe("Caminho da Vida", "optNumeros_0");
  Clica(janela, QStringLiteral("cmdAlterarTexto"));
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_TRUE(caixas.Vistas()[0].texto.contains(QStringLiteral("6001 caracteres")));
  EXPECT_EQ(LerRegistroDeTexto(s.configuracao.pasta, "CVIDA.DAT", 1), std::string(3000, 'a') + "\r\n" + std::string(2117, 'b'));
}

// Qt's own file dialog: Enter on a folder opens it and chooses nothing; a
// file that does not load as a picture is refused and the picture in use
// stays; a picture shows in the preview and is chosen; the signs' button
// brings the signs back.
TEST(frmSelecionarArquivo, EnterAbreAPastaEFiguraSoPorEscolha) {
  teste::ComConfiguracao s;
  teste::PastaTemporaria figuras;
  std::filesystem::create_directory(figuras / "Fotos");
  const QString fotos = QString::fromStdString((figuras / "Fotos").string());
  QImage imagem(40, 30, QImage::Format_RGB32);
  imagem.fill(Qt::darkCyan);
  imagem.save(fotos + QStringLiteral("/Foto.PNG"), "PNG");
  teste::EscreveBytes(figuras / "Fotos" / "quebrada.jpg", teste::Bytes("isto não é uma figura"));
  frmSelecionarArquivo janela(nullptr, s.configuracao.pasta, s.configuracao.opcoes);
  auto* modelo = janela.findChild<QFileSystemModel*>();
  ASSERT_TRUE(modelo);
  janela.setDirectory(QString::fromStdString(figuras.Caminho().string()));
  janela.show();
  auto* nome = Controle<QLineEdit>(janela, QStringLiteral("fileNameEdit"));
  const auto digita = [&](const char* texto) {
    // Qt follows what is typed only in the box that has the focus; here a
    // window closed does not give it back by itself.
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    Substitui(nome, QString::fromUtf8(texto));
  };
  const auto tecla = [&](const char* texto) {
    digita(texto);
    // With the completion's list open, Enter goes to the list.
    QWidget* lista = nome->completer()->popup();
    QTest::keyClick(lista->isVisible() ? lista : nome, Qt::Key_Return);
  };
  QSignalSpy carregada(modelo, &QFileSystemModel::directoryLoaded);
  tecla("Fotos");
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(janela.directory().absolutePath(), fotos);
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, "[Nulo]");
  if (carregada.isEmpty()) {
    ASSERT_TRUE(carregada.wait());  // Qt lists a folder in the background
  }
  {
    RespondeCaixas caixas;
    tecla("quebrada.jpg");
    ASSERT_EQ(caixas.Vistas().size(), 1u);
    EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmSelecionarArquivo::kFiguraInvalida);
  }
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, "[Nulo]");
  digita("Foto.PNG");
  EXPECT_FALSE(Controle<QLabel>(janela, QStringLiteral("picPreview"))->pixmap().isNull());
  teste::Retrata(&janela, QStringLiteral("frmSelecionarArquivo"));
  tecla("Foto.PNG");
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, (fotos + QStringLiteral("/Foto.PNG")).toStdString());
  EXPECT_EQ(CarregarConfiguracao(s.pasta.Caminho().string()).opcoes.ImagemCabecalho,
            s.configuracao.opcoes.ImagemCabecalho);  // saved at once
  frmSelecionarArquivo outra(nullptr, s.configuracao.pasta, s.configuracao.opcoes);
  outra.show();
  Clica(outra, QStringLiteral("cmdDefinirPadrao"));
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, "[Nulo]");
}

}  // namespace
}  // namespace cifra
