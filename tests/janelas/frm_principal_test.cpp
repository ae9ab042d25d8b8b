// The operator's road through the main window and its opening window, with
// real clicks and keys.
#include "janelas/frm_principal.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTableView>
#include <QPlainTextEdit>
#include <QThreadPool>
#include <QScrollBar>
#include <filesystem>
#include <csignal>
#include <unistd.h>
#include <optional>
#include <tuple>

#include "apoio/executa.h"
#include "apoio/processo.h"
#include "apoio/programa.h"
#include "janelas/frm_configura_programa.h"
#include "janelas/dicas.h"
#include "janelas/frm_edita_calculo.h"
#include "janelas/frm_entrada.h"
#include "janelas/frm_exibe_relatorio.h"
#include "janelas/frm_harmoniza_nome.h"
#include "janelas/frm_imprimir.h"
#include "janelas/frm_previsoes_cadastro.h"
#include "library/clientes.h"
#include "presentation/compatibilidade_em_paginas.h"
#include "presentation/previsao_em_paginas.h"

namespace cifra {
namespace {

namespace fs = std::filesystem;
using cifra::teste::Programa;
using cifra::teste::QuandoAbrir;
using cifra::teste::RespondeCaixas;

// Maria da Silva typed into the request's boxes.
void DigitaMaria(QWidget* pedido) {
  cifra::teste::Digita(pedido->findChild<QLineEdit*>(QStringLiteral("txtNome")), QStringLiteral("Maria da Silva"));
  cifra::teste::Digita(pedido->findChild<QLineEdit*>(QStringLiteral("txtDataNasc")), QStringLiteral("12081978"));
}

// "Criar", then the request dialog driven by `pedido`.
frmExibeRelatorio* Cria(Programa& p, std::function<void(QWidget*)> pedido) {
  cifra::teste::QuandoAbrirModal(std::move(pedido));
  QTest::mouseClick(p.Botao("cmdCriaAnalise"), Qt::LeftButton);
  p.Ativa();
  return p.janela->ExibidorAtivo();
}

// The same person's analysis (or, with extras, forecast) as the command line
// writes it.
QString TextoDaLinhaDeComando(Programa& p, const char* nome, const char* data, std::vector<std::string> extras = {}) {
  std::vector<std::string> args{nome, data, "--pasta", p.pasta.Caminho().string(), "--hoje",
                                QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString(),
                                "--texto", "-"};
  args.insert(args.end(), extras.begin(), extras.end());
  const auto r = cifra::teste::Executa(args, !extras.empty());
  EXPECT_EQ(r.status, 0) << r.erros;
  return QString::fromStdString(r.saida);
}

// The file name the print dialog's "Salvar PDF" offers for the document in front.
QString PdfOferecido(frmPrincipal& j) {
  RespondeCaixas caixas;  // the missing printer
  QString oferecido;
  QuandoAbrir<QFileDialog> escolha([&](QFileDialog& e) {
    oferecido = e.selectedFiles().value(0);
    e.reject();
  });
  QuandoAbrir<frmImprimir> impressao([](frmImprimir& d) {
    QTest::mouseClick(d.findChild<QWidget*>(QStringLiteral("cmdSalvarPdf")), Qt::LeftButton);
    d.reject();
  });
  j.AbrirImpressao();
  return oferecido;
}

// One box of the options dialog clicked, then Ok.
void ClicaNasOpcoes(frmPrincipal& j, const char* caixa) {
  QuandoAbrir<cifra::frmConfiguraPrograma> opcoes([caixa](cifra::frmConfiguraPrograma& o) {
    cifra::teste::Clica(o, QString::fromLatin1(caixa));
    cifra::teste::Clica(o, QStringLiteral("cmdOk"));
  });
  j.AbrirOpcoes();
}

// A first start; a typed request read page by page and zoomed; the second
// analysis a client recalled from the register: the request's two boxes are
// filled from it, and the question about the analysis shown is answered
// "Não", so both stay open side by side.
TEST(frmPrincipal, CaminhoDoOperadorDaPrimeiraPartidaAoCadastro) {
  Programa p;
  frmPrincipal& j = *p.janela;
  EXPECT_EQ(p.abertura.Abertas(), 1);
  frmExibeRelatorio* primeira = Cria(p, [](QWidget* w) {
    DigitaMaria(w);
    cifra::teste::Clica(*w, QStringLiteral("cmdOk"));
  });
  ASSERT_TRUE(primeira);
  const int total = primeira->TotalDePaginas();
  ASSERT_GE(total, 2);
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 1 de %1").arg(total));

  // Fitted: nothing to scroll sideways. Keys and the navigation pictures turn
  // pages; each page keeps where it was left; the last page stops them.
  VistaDaFolha& vista = primeira->Vista();
  QScrollBar* vertical = vista.verticalScrollBar();
  EXPECT_TRUE(QTest::qWaitFor([&] { return vista.horizontalScrollBar()->maximum() == 0; }));
  QTest::keyClick(&vista, Qt::Key_Down);
  const int desceu = vertical->value();
  EXPECT_GT(desceu, 0);
  QTest::keyClick(&vista, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 2 de %1").arg(total));
  EXPECT_EQ(vertical->value(), 0);
  p.Clica("picVolta");
  EXPECT_EQ(primeira->PaginaExibida(), 1);
  EXPECT_EQ(vertical->value(), desceu);
  for (int i = 1; i < total + 2; ++i) p.Clica("picAvanca");
  EXPECT_EQ(primeira->PaginaExibida(), total);
  QTest::keyClick(&vista, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(primeira->PaginaExibida(), total - 1);

  // Zoom: Ctrl + and the wheel with Ctrl enlarge, Ctrl 0 fits the width again.
  const double ajustado = vista.Zoom();
  QTest::keyClick(&vista, Qt::Key_Plus, Qt::ControlModifier);
  const QPoint meio(vista.viewport()->width() / 2, vista.viewport()->height() / 3);
  QWheelEvent roda(meio, vista.viewport()->mapToGlobal(meio), QPoint(), QPoint(0, 240), Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(vista.viewport(), &roda);
  EXPECT_DOUBLE_EQ(vista.Zoom(), cifra::ZoomVizinho(ajustado, +3));
  QTest::keyClick(&vista, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(vista.Zoom(), ajustado);

  cifra::AcrescentarCliente(cifra::PastaDeDados(p.pasta.Caminho()),
                            {"Ana Beatriz Conceição", "", "Recife/PE", "", "", "07/11/1985"});
  QString nome, data;
  frmExibeRelatorio* segunda = nullptr;
  {
    RespondeCaixas pergunta({QMessageBox::No});
    segunda = Cria(p, [&](QWidget* pedido) {
      cifra::teste::QuandoAbrirModal([](QWidget* cadastro) { cifra::teste::Clica(*cadastro, QStringLiteral("cmdRetrieve")); });
      cifra::teste::Clica(*pedido, QStringLiteral("cmdCadastro"));
      nome = pedido->findChild<QLineEdit*>(QStringLiteral("txtNome"))->text();
      data = pedido->findChild<QLineEdit*>(QStringLiteral("txtDataNasc"))->text();
      cifra::teste::Clica(*pedido, QStringLiteral("cmdOk"));
    });
    ASSERT_EQ(pergunta.Vistas().size(), 1u);
    EXPECT_TRUE(pergunta.Vistas()[0].texto.startsWith(QStringLiteral("Há uma análise sendo exibida")));
  }
  EXPECT_EQ(nome + QLatin1Char(' ') + data, QStringLiteral("Ana Beatriz Conceição 07/11/1985"));
  ASSERT_TRUE(segunda && segunda != primeira);
  EXPECT_EQ(segunda->Pessoa().Nome, U"ANA BEATRIZ CONCEICAO");
  p.Aciona("mnuJanelaLadoLado");
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return !primeira->parentWidget()->geometry().intersects(segunda->parentWidget()->geometry());
  }));

}

// Two analyses open: printing (the PDF's name is the person's), the export
// (the text the command line writes for that person) and the formula
// editor's sample each follow the one in front, and a changed option
// rebuilds both at once.
TEST(frmPrincipal, SaidasSeguemAAnaliseDaFrente) {
  Programa p;
  frmPrincipal& j = *p.janela;
  frmExibeRelatorio* maria = j.CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}});
  frmExibeRelatorio* joao = j.CriaAnalise({U"JOAO PEDRO ARAUJO", {5, 3, 1980}});
  ASSERT_TRUE(maria && joao);
  for (auto [exibidor, nome, data] : {std::tuple{maria, "MARIA DA SILVA", "12/08/1978"},
                                      {joao, "JOAO PEDRO ARAUJO", "05/03/1980"}, {maria, "MARIA DA SILVA", "12/08/1978"}}) {
    SCOPED_TRACE(nome);
    j.Area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(exibidor->parentWidget()));
    ASSERT_EQ(j.ExibidorAtivo(), exibidor);
    QString valor;
    QuandoAbrir<cifra::frmEditaCalculo> calculo([&](cifra::frmEditaCalculo& c) {
      valor = c.findChild<QLabel*>(QStringLiteral("lblValor"))->text();
      c.QDialog::reject();
    });
    RespondeCaixas caixas;  // the clipboard's notice
    const QString oferecido = PdfOferecido(j);
    j.DefinirCalculoA();
    p.Ativa();  // the export by its button, or by its shortcut in the viewer
    if (exibidor == joao) {
      QTest::keyClick(&joao->Vista(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      QTest::mouseClick(p.Botao("cmdExportar"), Qt::LeftButton);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), TextoDaLinhaDeComando(p, nome, data));
    EXPECT_TRUE(oferecido.contains(QStringLiteral(" - %1 - ").arg(QLatin1String(nome)))) << oferecido.toStdString();
    EXPECT_TRUE(valor.startsWith(QStringLiteral("Valor para %1,").arg(QLatin1String(nome)))) << valor.toStdString();
  }
  // The karmic map off, then on again: its pages leave both documents and come back.
  const auto paginas = [&] { return std::pair(maria->TotalDePaginas(), joao->TotalDePaginas()); };
  const auto comOMapa = paginas();
  ClicaNasOpcoes(j, "chkIncluirMapaCarmico");
  EXPECT_FALSE(j.Configuracao().opcoes.IncluirMapaCarmico);
  EXPECT_LT(maria->TotalDePaginas(), comOMapa.first);
  EXPECT_LT(joao->TotalDePaginas(), comOMapa.second);
  ClicaNasOpcoes(j, "chkIncluirMapaCarmico");
  EXPECT_EQ(paginas(), comOMapa);
}

// A forecast asked from its button opens beside an analysis, named after
// the person and the years in the viewer and the Window menu; its pages are
// those the core composes; the clipboard gets the text the command line
// writes and printing offers the forecast's file name. An option changed
// builds it again as the same forecast, the analysis as an analysis.
TEST(frmPrincipal, PrevisaoAoLadoDaAnaliseSegueComoPrevisao) {
  Programa p;
  frmPrincipal& j = *p.janela;
  frmExibeRelatorio* analise = j.CriaAnalise({U"JOAO PEDRO ARAUJO", {5, 3, 1980}});
  ASSERT_TRUE(analise);
  cifra::teste::QuandoAbrirModal([](QWidget* w) {
    DigitaMaria(w);
    cifra::teste::Substitui(w->findChild<QSpinBox*>(QStringLiteral("txtAnoInicial")), QStringLiteral("2027"));
    cifra::teste::Substitui(w->findChild<QSpinBox*>(QStringLiteral("txtAnoFinal")), QStringLiteral("2028"));
    cifra::teste::Clica(*w, QStringLiteral("cmdOk"));
  });
  QTest::mouseClick(p.Botao("cmdCriaPrevisao"), Qt::LeftButton);
  p.Ativa();
  frmExibeRelatorio* previsao = j.ExibidorAtivo();
  ASSERT_TRUE(previsao && previsao != analise);
  EXPECT_EQ(previsao->windowTitle(), QStringLiteral("MARIA DA SILVA – Previsão 2027–2028"));

  // What the core composes for that forecast with the configuration in force.
  const cifra::PaginasDaTela esperadas = cifra::ImprimirAnaliseNoMonitor(cifra::ConteudoDaPrevisao(
      cifra::MontaPrevisao(previsao->Pessoa(), 2027, 2028, j.Configuracao().opcoes, j.Configuracao().pasta),
      j.Configuracao()));
  const int total = previsao->TotalDePaginas();
  EXPECT_EQ(static_cast<size_t>(total), esperadas.picFolha.size());
  EXPECT_EQ(previsao->Documento().Folha(1).Textos(), esperadas.picFolha[0].Textos());
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 1 de %1").arg(total));
  {  // The picture of the manual: the two side by side, each under its title.
    p.Aciona("mnuJanelaLadoLado");
    cifra::teste::GuardaImagem(j.grab().toImage(), QStringLiteral("previsao-janela.png"));
  }
  cifra::teste::GuardaImagem(cifra::ImagemDaPagina(previsao->Documento().Paginas(), 1, 4),
                             QStringLiteral("previsao-pagina1.png"));

  auto* imprimir = j.findChild<QAction*>(QStringLiteral("cmdImprimir"));
  EXPECT_EQ(imprimir->text(), QStringLiteral("&Imprimir Previsão..."));
  j.Area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(analise->parentWidget()));
  EXPECT_EQ(imprimir->text(), QStringLiteral("&Imprimir Análise..."));
  j.Area().setActiveSubWindow(qobject_cast<QMdiSubWindow*>(previsao->parentWidget()));

  {
    RespondeCaixas caixas;  // the clipboard's notice, the missing printer
    QTest::mouseClick(p.Botao("cmdExportar"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              TextoDaLinhaDeComando(p, "Maria da Silva", "12/08/1978", {"--de", "2027", "--ate", "2028"}));
    ASSERT_FALSE(caixas.Vistas().empty());
    EXPECT_TRUE(caixas.Vistas()[0].texto.startsWith(QStringLiteral("O texto da previsão atualmente exibida")));
    const QString oferecido = PdfOferecido(j);
    EXPECT_TRUE(oferecido.endsWith(QStringLiteral("/Previsao - MARIA DA SILVA - 2027-2028.pdf")))
        << oferecido.toStdString();
  }

  // Descriptions off: fewer pages, still the forecast of 2027 to 2028.
  ClicaNasOpcoes(j, "chkImprimirDescricao");
  ASSERT_FALSE(j.Configuracao().opcoes.ImprimirDescricao);
  const cifra::Previsao* refeita = previsao->Documento().ComoPrevisao();
  ASSERT_TRUE(refeita);
  EXPECT_EQ(std::pair(refeita->AnoInicial, refeita->AnoFinal), std::pair(2027, 2028));
  EXPECT_LT(previsao->TotalDePaginas(), total);
  EXPECT_FALSE(analise->Documento().ComoPrevisao());
}

// The compatibility's request: the second person recalled from the register
// lands in the second person's boxes. The viewer shows the report of those
// two, and stays their compatibility, as the core composes it, when an
// option changes its pages.
TEST(frmPrincipal, CompatibilidadePedeDuasPessoasEAbreOSeuRelatorio) {
  Programa p;
  frmPrincipal& j = *p.janela;
  cifra::AcrescentarCliente(cifra::PastaDeDados(p.pasta.Caminho()),
                            {"Ana Beatriz Conceição", "", "Recife/PE", "", "", "07/11/1985"});
  QString primeiraDepoisDoCadastro;
  cifra::teste::QuandoAbrirModal([&](QWidget* w) {
    DigitaMaria(w);
    cifra::teste::QuandoAbrirModal([](QWidget* cadastro) { cifra::teste::Clica(*cadastro, QStringLiteral("cmdRetrieve")); });
    cifra::teste::Clica(*w, QStringLiteral("cmdCadastro2"));
    primeiraDepoisDoCadastro = w->findChild<QLineEdit*>(QStringLiteral("txtNome"))->text();
    cifra::teste::Retrata(w, QStringLiteral("compatibilidade-dialogo"));
    cifra::teste::Clica(*w, QStringLiteral("cmdOk"));
  });
  QTest::mouseClick(p.Botao("cmdCompatibilidade"), Qt::LeftButton);
  p.Ativa();
  EXPECT_EQ(primeiraDepoisDoCadastro, QStringLiteral("Maria da Silva"));
  frmExibeRelatorio* c = j.ExibidorAtivo();
  ASSERT_TRUE(c && c->Documento().ComoCompatibilidade());
  EXPECT_EQ(c->Documento().SegundaPessoa().Nome, U"ANA BEATRIZ CONCEICAO");
  EXPECT_EQ(c->windowTitle(), QStringLiteral("MARIA DA SILVA e ANA BEATRIZ CONCEIÇÃO – Compatibilidade"));
  const auto textos = c->Documento().Folha(1).Textos();
  EXPECT_EQ(j.InfoNavega(), QStringLiteral("Navegando: Página 1 de %1").arg(c->TotalDePaginas()));
  cifra::teste::GuardaImagem(j.grab().toImage(), QStringLiteral("compatibilidade-janela.png"));

  // The print dialog offers the two names for the PDF.
  const QString oferecido = PdfOferecido(j);
  EXPECT_TRUE(oferecido.endsWith(QStringLiteral("/Compatibilidade - MARIA DA SILVA e ANA BEATRIZ CONCEIÇÃO.pdf")))
      << oferecido.toStdString();

  ClicaNasOpcoes(j, "chkImprimirDescricao");
  ASSERT_FALSE(j.Configuracao().opcoes.ImprimirDescricao);
  ASSERT_TRUE(c->Documento().ComoCompatibilidade());
  // Rebuilt, not left as it was: the pages are those composed without descriptions.
  const cifra::PaginasDaTela semDescricao = cifra::ImprimirAnaliseNoMonitor(cifra::ConteudoDaCompatibilidade(
      cifra::MontaCompatibilidade(c->Pessoa(), c->Documento().SegundaPessoa(), j.Configuracao().opcoes,
                                  j.Configuracao().pasta),
      j.Configuracao()));
  ASSERT_EQ(static_cast<size_t>(c->TotalDePaginas()), semDescricao.picFolha.size());
  EXPECT_EQ(c->Documento().Folha(1).Textos(), semDescricao.picFolha[0].Textos());
  EXPECT_NE(c->Documento().Folha(1).Textos(), textos);
}

// Candidate names typed for one date in the harmonisation window: the table
// follows every change, the best harmony first, a refused name said below
// the date; a click on a column sorts by it. "Analisar" on the row chosen
// opens that name's full analysis here, while the window stays open for the
// next; the command again brings the same window forward.
TEST(frmPrincipal, HarmonizacaoOrdenaOsNomesEAnalisaOEscolhido) {
  using cifra::ModeloDosNomes;
  Programa p;
  frmPrincipal& j = *p.janela;
  p.Aciona("cmdHarmonizaNome");
  frmHarmonizaNome* h = j.Harmonizacao();
  ASSERT_TRUE(h);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(h));
  auto* tabela = h->findChild<QTableView*>(QStringLiteral("tblNomes"));
  cifra::teste::Digita(h->findChild<QLineEdit*>(QStringLiteral("txtData")), QStringLiteral("12081978"));
  cifra::teste::Digita(h->findChild<QPlainTextEdit*>(QStringLiteral("txtNomes")),
                       QStringLiteral("Maria da Silva\nMarya Silva\nAna\nMaria Silva\nMariah da Silva\nMaria Conceição"));
  const QString info = h->findChild<QLabel*>(QStringLiteral("lblInfo"))->text();
  ASSERT_EQ(tabela->model()->rowCount(), 5);
  EXPECT_TRUE(info.contains(QStringLiteral("Caminho da Vida: 9")));
  EXPECT_TRUE(info.contains(QStringLiteral("Ana: "))) << info.toStdString();
  auto celula = [&](int linha, int coluna) { return tabela->model()->index(linha, coluna).data().toString(); };
  EXPECT_EQ(celula(0, ModeloDosNomes::kHarmonia), "Natural");
  for (int r = 1; r < 5; ++r) EXPECT_NE(celula(r, ModeloDosNomes::kHarmonia), "Natural") << r;
  EXPECT_EQ(celula(0, ModeloDosNomes::kNome), "Maria Silva");
  EXPECT_TRUE(h->TabelaEmHtml().contains(QStringLiteral("Maria Conceição")));
  QCoreApplication::processEvents();  // the label's new height is laid out as on screen
  cifra::teste::Retrata(h, QStringLiteral("harmonizacao-nome"));
  // Sorted by the Expressão, the 11 of a master number sorts by its value.
  QTest::mouseClick(tabela->horizontalHeader()->viewport(), Qt::LeftButton, {},
                    QPoint(tabela->horizontalHeader()->sectionViewportPosition(ModeloDosNomes::kExpressao) + 5, 5));
  for (int r = 1; r < 5; ++r) {
    EXPECT_LE(tabela->model()->index(r - 1, ModeloDosNomes::kExpressao).data(Qt::UserRole).toInt(),
              tabela->model()->index(r, ModeloDosNomes::kExpressao).data(Qt::UserRole).toInt());
  }
  const QModelIndex segunda = tabela->model()->index(1, ModeloDosNomes::kNome);
  const QString escolhido = segunda.data().toString();
  tabela->scrollTo(segunda);
  QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, tabela->visualRect(segunda).center());
  cifra::teste::Clica(*h, QStringLiteral("cmdAnalisar"));
  frmExibeRelatorio* analise = j.ExibidorAtivo();
  ASSERT_TRUE(analise);
  EXPECT_FALSE(analise->Documento().ComoCompatibilidade());
  EXPECT_EQ(analise->windowTitle(), escolhido.toUpper() + QStringLiteral(" – 12/08/1978"));
  EXPECT_TRUE(h->isVisible());
  p.Aciona("cmdHarmonizaNome");
  EXPECT_EQ(j.Harmonizacao(), h);
  h->close();
}

// The register's forecasts, each client's PDF named after the client and
// the years; the first client, whose date is impossible, is skipped and
// named with why in the end's warning. "Cancelar" at the first client done:
// the batch stops once the clients being written are done and keeps them;
// the progress window kept answering meanwhile, and the end says how many
// were written. Two writers at most, so that "the clients in progress"
// means the same on every machine.
TEST(frmPrincipal, PrevisoesDoCadastroPulamORecusadoECanceladasGuardamOQueEstavaSendoGravado) {
  QThreadPool& nucleos = *QThreadPool::globalInstance();
  const int antes = nucleos.maxThreadCount();
  nucleos.setMaxThreadCount(2);
  Programa p;
  // Enough that the batch outlasts a busy machine's pause before the window
  // shows the first one; cancelled, only the first few are written.
  constexpr int kClientes = 24;
  for (int i = 0; i < kClientes; ++i) {
    cifra::AcrescentarCliente(cifra::PastaDeDados(p.pasta.Caminho()),
                              {"Cliente Número " + std::to_string(i + 1), "", "", "", "", i ? "12/08/1978" : "31/02/1980"});
  }
  const fs::path saida = p.pasta / "previsões";
  int vistosAoCancelar = -1;
  QString rotulo;
  // The progress window is watched until it shows the first client done;
  // it can only show it if the window's thread is free meanwhile.
  QPointer<QProgressDialog> janela;
  std::function<void()> espera = [&] {
    if (!janela) return;
    if (janela->value() < 1) return void(QTimer::singleShot(5, janela.data(), espera));
    vistosAoCancelar = janela->value();
    rotulo = janela->labelText();
    cifra::teste::Retrata(janela, QStringLiteral("previsoes-cadastro-progresso"));
    cifra::teste::Clica(janela->findChild<QPushButton*>());
  };
  QuandoAbrir<QProgressDialog> progresso([&](QProgressDialog& d) {
    janela = &d;
    espera();
  });
  RespondeCaixas fim;
  std::optional<cifra::ResultadoDoLote> resultado;
  QuandoAbrir<cifra::frmPrevisoesDoCadastro> lote([&](cifra::frmPrevisoesDoCadastro& d) {
    cifra::teste::Substitui(d.findChild<QSpinBox*>(QStringLiteral("txtAnoInicial")), QStringLiteral("2027"));
    cifra::teste::Substitui(d.findChild<QSpinBox*>(QStringLiteral("txtAnoFinal")), QStringLiteral("2036"));
    auto* pastaDeSaida = d.findChild<QLineEdit*>(QStringLiteral("txtPasta"));
    if (!qEnvironmentVariableIsEmpty("CIFRA_GRAVAR_IMAGENS")) {  // the manual's picture, with a homely folder
      cifra::teste::Substitui(pastaDeSaida, QStringLiteral("/home/maria/Documentos/Previsões"));
      cifra::teste::Retrata(&d, QStringLiteral("previsoes-cadastro-dialogo"));
    }
    cifra::teste::Substitui(pastaDeSaida, QString::fromStdString(saida.string()));
    cifra::teste::Clica(d, QStringLiteral("cmdGerar"));
    resultado = d.Resultado();
  });
  p.Aciona("mnuPrevisoesDoCadastro");
  nucleos.setMaxThreadCount(antes);
  ASSERT_TRUE(resultado);
  ASSERT_GE(vistosAoCancelar, 1);
  EXPECT_TRUE(rotulo.contains(QStringLiteral(" concluída.\n%1 de %2").arg(vistosAoCancelar).arg(kClientes)))
      << rotulo.toStdString();
  EXPECT_TRUE(resultado->cancelado);
  EXPECT_EQ(resultado->pulados.size(), 1u);
  EXPECT_TRUE(fs::exists(saida / "Previsao - CLIENTE NÚMERO 2 - 2027-2036.pdf"));
  EXPECT_LT(resultado->gravados, kClientes) << "first seen: " << vistosAoCancelar;
  // Stopped short, at the client reported next and, for each of the two
  // writers, the one it finished meanwhile and the one it had in hand.
  EXPECT_LE(resultado->gravados, vistosAoCancelar + 1 + 2 * 2) << "first seen: " << vistosAoCancelar;
  EXPECT_EQ(std::distance(fs::directory_iterator(saida), fs::directory_iterator()), resultado->gravados);
  ASSERT_EQ(fim.Vistas().size(), 1u);
  const QString& texto = fim.Vistas()[0].texto;
  EXPECT_TRUE(texto.startsWith(QStringLiteral("Gravação cancelada. %1 previsões gravadas em ").arg(resultado->gravados)))
      << texto.toStdString();
  EXPECT_TRUE(texto.contains(QStringLiteral("\n• Cliente Número 1 (registro 1): "))) << texto.toStdString();
  EXPECT_EQ(fim.Vistas()[0].icone, QMessageBox::Warning);
}

// The progress line: the count, then the time left in seconds under a
// minute and in minutes above, singular where it is one; nothing about time
// once the last client is done or before there is a pace to go by.
TEST(frmPrevisoesDoCadastro, TextoDoProgresso) {
  const std::pair<cifra::ProgressoDoLote, const char*> casos[] = {
      {{1, 10, "", 0}, "1 de 10"},
      {{1, 10, "", 0.6}, "1 de 10 — falta cerca de 1 segundo"},
      {{2, 10, "", 12.4}, "2 de 10 — faltam cerca de 12 segundos"},
      {{2, 10, "", 59.4}, "2 de 10 — faltam cerca de 59 segundos"},
      {{3, 10, "", 89}, "3 de 10 — falta cerca de 1 minuto"},
      {{3, 300, "", 754}, "3 de 300 — faltam cerca de 13 minutos"},
      {{10, 10, "", 0}, "10 de 10"},
  };
  for (const auto& [progresso, texto] : casos) {
    EXPECT_EQ(cifra::TextoDoProgresso(progresso), QString::fromUtf8(texto)) << progresso.segundosRestantes;
  }
}

// Just below the bar, 8 pixels right of the button; pulled left near the
// screen's right edge (on whichever screen the bar is).
TEST(Dicas, PosicaoAbaixoDaBarraEPuxadaNaBordaDaTela) {
  const QRect tela(0, 0, 800, 600), barra(100, 80, 700, 49);
  const QSize dica(200, 40);
  EXPECT_EQ(cifra::PosicaoDaDica(QRect(148, 83, 43, 40), barra, dica, tela), QPoint(156, 129));
  EXPECT_EQ(cifra::PosicaoDaDica(QRect(740, 83, 43, 40), barra, dica, tela), QPoint(587, 129));
  EXPECT_EQ(cifra::PosicaoDaDica(QRect(1700, 83, 43, 40), QRect(1000, 80, 800, 49), dica, QRect(800, 0, 1024, 768)),
            QPoint(1611, 129));
}

// The options reach their file when the dialog is confirmed; a way out (the
// button, Ctrl+Q, the menu, the close box) keeps only the window's size, which the next start opens at. An options
// file that cannot be read is reported at the start and never written over.
TEST(frmPrincipal, OpcoesGravadasAoConfirmarSaidasGuardamAJanela) {
  enum Saida { SairSim, SairNao, Encerrar, FecharJanela, Ilegivel };
  for (Saida saida : {SairSim, SairNao, Encerrar, FecharJanela, Ilegivel}) {
    Programa p;
    if (saida == Ilegivel) {
      p.janela->close();
      fs::remove(p.pasta / "cifralumina.dat");
      fs::create_directory(p.pasta / "cifralumina.dat");
      RespondeCaixas aviso;
      p.Abre();
      ASSERT_EQ(aviso.Vistas().size(), 1u);
      EXPECT_TRUE(aviso.Vistas()[0].titulo == "Atenção:" && aviso.Vistas()[0].texto.contains("cifralumina.dat"));
      p.janela->close();
      EXPECT_TRUE(fs::is_directory(p.pasta / "cifralumina.dat"));
      continue;
    }
    ClicaNasOpcoes(*p.janela, "chkEscutarSons");
    EXPECT_FALSE(cifra::CarregarEstadoPrograma(p.janela->Configuracao().pasta).EscutarSons);
    const auto antes = cifra::teste::LeBytes(p.pasta / "cifralumina.dat");
    const auto extrasAntes = cifra::teste::LeBytes(p.pasta / "extras.dat");
    p.janela->Configuracao().opcoes.IncluirMapaCarmico = false;  // not confirmed anywhere
    p.janela->resize(700, 500);
    if (saida == SairSim || saida == SairNao) {
      RespondeCaixas pergunta({saida == SairSim ? QMessageBox::Yes : QMessageBox::No});
      if (saida == SairSim) {
        QTest::mouseClick(p.Botao("cmdSair"), Qt::LeftButton);
      } else {  // by the menu's shortcut
        p.Ativa();
        QTest::keyClick(p.janela.get(), Qt::Key_Q, Qt::ControlModifier);
      }
      ASSERT_EQ(pergunta.Vistas().size(), 1u);
      EXPECT_EQ(pergunta.Vistas()[0].texto, QStringLiteral("Está certo de que deseja encerrar este programa agora?"));
    } else if (saida == Encerrar) {
      p.Aciona("mnuEncerrar");
    } else {
      p.janela->close();
    }
    const auto depois = cifra::teste::LeBytes(p.pasta / "cifralumina.dat");
    EXPECT_EQ(p.janela->isVisible(), saida == SairNao) << saida;
    EXPECT_EQ(depois, antes);
    EXPECT_EQ(cifra::teste::LeBytes(p.pasta / "extras.dat"), extrasAntes);
    if (saida == SairNao) continue;
    p.Abre(false);
    EXPECT_EQ(p.janela->size(), QSize(700, 500));
  }
}

// A formula file grown to 1 GB (sparse): the analysis comes at once, and the
// operator is told which file was read only in part.
TEST(frmPrincipal, ArquivoGrandeDemaisEhAvisado) {
  Programa p;
  cifra::teste::EscreveBytes(p.pasta / "DEFUSERA.CFG", {});
  fs::resize_file(p.pasta / "DEFUSERA.CFG", uintmax_t{1} << 30);
  RespondeCaixas caixas;
  EXPECT_NE(p.janela->CriaAnalise({U"MARIA DA SILVA", {12, 8, 1978}}), nullptr);
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].titulo, QStringLiteral("Atenção:"));
  EXPECT_TRUE(caixas.Vistas()[0].texto.startsWith(
      QStringLiteral("Ao ler o arquivo \"%1\"").arg(QString::fromStdString((p.pasta / "DEFUSERA.CFG").string()))));
}

// Ended by the system (SIGTERM at a shutdown) during start-up: the clean
// exit of the menu, status 0, the window's size kept, the folder's lock given back.
TEST(frmPrincipal, SigtermEncerraComoOMenu) {
  cifra::teste::PastaTemporaria pasta;
  const std::string raiz = pasta.Caminho().string();
  const pid_t filho = cifra::teste::Inicia([&] {
    ::execl(CIFRA_PROGRAMA, CIFRA_PROGRAMA, "--pasta", raiz.c_str(), static_cast<char*>(nullptr));
    return 127;
  });
  // Its signals are taken before the lock is: once the lock is there, a
  // SIGTERM is the program's to handle.
  for (int i = 0; i < 3000 && !fs::exists(pasta / "cifralumina.trava"); ++i) ::usleep(10000);
  ::kill(filho, SIGTERM);
  EXPECT_EQ(cifra::teste::Termina(filho), 0);  // 100: killed by the signal
  EXPECT_TRUE(fs::exists(pasta / "janela.ini"));
  EXPECT_FALSE(fs::exists(pasta / "cifralumina.trava"));
}

// The opening window: the cover grows frame by frame under the hourglass, with
// the event loop running between frames, and the window closes itself; closed
// early by its frame, it leaves no hourglass behind. Its own timers are run at
// a millisecond's pace, so the test does not sit through the real 4.6 seconds.
TEST(frmEntrada, CresceAFiguraSobAAmpulhetaEFechaSozinhaOuPelaMoldura) {
  for (const bool pelaMoldura : {false, true}) {
    frmEntrada janela;
    auto* relogio = janela.findChild<QTimer*>(QStringLiteral("relogio"));
    auto* espera = janela.findChild<QTimer*>(QStringLiteral("esperaFinal"));
    ASSERT_TRUE(relogio && espera);
    const int total = janela.TotalDeQuadros();
    const int duracao = relogio->interval() * total + espera->interval();  // the real pace
    EXPECT_TRUE(duracao >= 4000 && duracao <= 9000) << duracao;
    relogio->setInterval(1);
    espera->setInterval(1);
    std::vector<int> quadros;  // seen between two frames, from the event loop
    bool ampulheta = true;
    QObject::connect(relogio, &QTimer::timeout, &janela, [&] {
      quadros.push_back(janela.QuadrosMostrados());
      const QCursor* c = QApplication::overrideCursor();
      ampulheta = ampulheta && c && c->shape() == Qt::WaitCursor;
      if (quadros.size() == 16) cifra::teste::Retrata(&janela, QStringLiteral("frm-entrada"));
      if (pelaMoldura && quadros.size() == 3) janela.close();
    });
    QTimer::singleShot(5000, &janela, &QDialog::reject);  // it did not close by itself
    EXPECT_EQ(janela.exec(), pelaMoldura ? QDialog::Rejected : QDialog::Accepted);
    EXPECT_TRUE(ampulheta);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (pelaMoldura) {
      EXPECT_EQ(janela.QuadrosMostrados(), 4);  // the first frame comes on showing
      continue;
    }
    ASSERT_EQ(static_cast<int>(quadros.size()), total);  // the last tick starts the final pause
    for (int i = 0; i + 1 < total; ++i) EXPECT_EQ(quadros[static_cast<size_t>(i)], i + 2);
    EXPECT_EQ(janela.QuadrosMostrados(), total);
  }
}

}  // namespace
}  // namespace cifra
