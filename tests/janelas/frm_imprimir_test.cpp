// The print dialog driven as the operator drives it, on a machine without a
// printer (as the test machines are): A4 page, preview, PDF and the
// editable document, for an analysis and for a forecast.
#include "janelas/frm_imprimir.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include "apoio/janelas.h"
#include "engine/numerologia.h"
#include "presentation/conteudo_do_documento.h"

namespace cifra {
namespace {

namespace fs = std::filesystem;
using teste::RespondeCaixas;

struct Dialogo : teste::ComConfiguracao {
  std::unique_ptr<frmImprimir> janela;
  LembrancasDaImpressao lembrancas;
  const PessoaAnalisada pessoa{Utf32("MARIA DA SILVA"), Data{12, 8, 1978}};
  const Analise analise = MontaAnalise(pessoa, DataDeHoje(), configuracao.opcoes, configuracao.titulos,
                                       configuracao.pasta);

  // The document as the main window hands it over: its content and name.
  void Abre(const DocumentoDaAnalise& documento) {
    janela = std::make_unique<frmImprimir>(ConteudoDoDocumento(documento, configuracao),
                                           NomeDoArquivoDoDocumento(documento), configuracao.pasta,
                                           configuracao.opcoes, configuracao.margens, lembrancas, QPrinterInfo());
    janela->show();
    QCoreApplication::processEvents();  // the notice about the missing printer, if it comes
    janela->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  }
  void Abre() { Abre(DocumentoDaAnalise(pessoa, analise, {})); }
  QWidget* Controle(const char* nome) const { return teste::Controle(*janela, QString::fromLatin1(nome)); }
  void Digita(const char* caixa, const char* texto) { teste::Substitui(Controle(caixa), QString::fromLatin1(texto)); }
};

// Saves under `arquivo` from the file dialog that opens while it lives, as its
// "Save" button does; oferecido, when given, gets the name first offered.
struct SalvaComo : teste::QuandoAbrir<QFileDialog> {
  explicit SalvaComo(const fs::path& arquivo, QString* oferecido = nullptr)
      : QuandoAbrir([=](QFileDialog& e) {
          if (oferecido) *oferecido = e.selectedFiles().value(0);
          e.selectFile(QString::fromStdString(arquivo.string()));
          static_cast<QDialog&>(e).accept();
        }) {}
};

// A margin over a fifth of the page is refused and the last one accepted
// comes back. Cancel keeps the check boxes but not the margins. The preview
// shows the job's sheets; the PDF is saved under the offered name, and the
// margins and choice kept.
TEST(frmImprimir, SemImpressoraMargensCancelarVisualizarESalvarPdf) {
  RespondeCaixas caixas;
  Dialogo d;
  d.Abre();
  EXPECT_DOUBLE_EQ(d.janela->AlturaUtil(), 297);
  EXPECT_FALSE(d.Controle("cmdImprimir")->isEnabled());
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_TRUE(caixas.Vistas()[0].texto.startsWith("Nenhuma impressora foi encontrada"));
  teste::Retrata(d.janela.get(), QStringLiteral("impressao-dialogo"));
  d.janela.reset();
  d.Abre();
  EXPECT_EQ(caixas.Vistas().size(), 1u);  // not said again
  d.Digita("txtEsquerda", "43");
  ASSERT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(caixas.Vistas()[1].texto, "A margem esquerda não pode ser maior que 42mm");
  // Typed key by key, "4" was accepted and became the margin in force: it comes back.
  EXPECT_EQ(static_cast<QLineEdit*>(d.Controle("txtEsquerda"))->text(), "4");
  d.Digita("txtEsquerda", "42");
  d.Digita("txtInferior", "59.4");
  EXPECT_EQ(caixas.Vistas().size(), 2u);
  EXPECT_EQ(d.janela->MargensAtuais, (Margens{42, 10, 10, 59.4f}));
  teste::Clica(d.Controle("chkImprimirFolhaRosto"));
  teste::Clica(d.Controle("cmdCancelar"));
  EXPECT_EQ(d.janela->result(), QDialog::Rejected);
  EXPECT_TRUE(d.configuracao.opcoes.ImprimirFolhaRosto);
  EXPECT_EQ(LerMargens(d.configuracao.pasta), Margens{});

  int paginas = -1;
  teste::QuandoAbrir<QPrintPreviewDialog> previa([&](QPrintPreviewDialog& p) {
    auto* w = p.findChild<QPrintPreviewWidget*>();
    if (w && QTest::qWaitFor([&] { return w->pageCount() > 0; })) paginas = w->pageCount();
    for (QAction* a : p.findChildren<QAction*>()) {  // no printer: no print button
      EXPECT_FALSE(a->isVisible() && a->text().remove(QLatin1Char('&')) == "Imprimir");
    }
    p.reject();
  });
  const fs::path arquivo = d.pasta / "saida.pdf";
  QString oferecido;
  SalvaComo escolha(arquivo, &oferecido);
  d.Abre();
  teste::Clica(d.Controle("cmdVisualizar"));
  ASSERT_EQ(previa.Abertas(), 1);
  const ConteudoDaAnalise conteudo{d.analise, d.configuracao.opcoes, d.configuracao.fontes, d.configuracao.linhas,
                                   Figura(), Figura()};
  EXPECT_EQ(paginas, GravarPdf((d.pasta / "x.pdf").string(), conteudo,
                               {Margens{}, true, true, TipoDeImpressao::Ambos, DataDeHoje()}));
  EXPECT_TRUE(d.janela->isVisible());
  d.Digita("txtDireita", "20");
  teste::Clica(d.Controle("optImprimir0"));
  teste::Clica(d.Controle("cmdSalvarPdf"));
  EXPECT_TRUE(oferecido.endsWith("/Analise - MARIA DA SILVA - " + QDate::currentDate().toString("yyyy-MM-dd") + ".pdf"))
      << oferecido.toStdString();
  EXPECT_EQ(d.janela->result(), QDialog::Accepted);
  const auto pdf = teste::LeTexto(arquivo);
  EXPECT_TRUE(pdf.size() > 1000 && pdf.starts_with("%PDF-"));
  EXPECT_EQ(LerMargens(d.configuracao.pasta), (Margens{10, 10, 20, 10}));
  EXPECT_EQ(d.configuracao.margens, (Margens{10, 10, 20, 10}));
  EXPECT_EQ(d.configuracao.opcoes.TipoImpressao, 0);
}

// "Salvar como documento" writes the analysis and the forecast as files
// another reader opens, under the names offered, and closes the dialog
// without touching the margins or the print choices. A forecast prints
// alone: the chart and cover are not offered, and the choices the analyses
// keep stay as they were.
TEST(frmImprimir, DocumentoEditavelEPrevisaoSozinha) {
  for (const bool previsao : {false, true}) {
    SCOPED_TRACE(previsao);
    RespondeCaixas caixas;  // the notice of no printer
    Dialogo d;
    d.configuracao.opcoes.TipoImpressao = 0;
    d.configuracao.opcoes.ImprimirFolhaRosto = true;
    const auto documento =
        previsao ? std::make_unique<DocumentoDaAnalise>(
                       d.pessoa, MontaPrevisao(d.pessoa, 2027, 2028, d.configuracao.opcoes, d.configuracao.pasta),
                       PaginasDaTela{})
                 : std::make_unique<DocumentoDaAnalise>(d.pessoa, d.analise, PaginasDaTela{});
    d.Abre(*documento);
    EXPECT_EQ(d.Controle("frmTipoImpressao")->isEnabled(), !previsao);
    EXPECT_EQ(d.Controle("chkImprimirFolhaRosto")->isEnabled(), !previsao);
    const fs::path odt = d.pasta / "saida.odt";
    QString oferecido;
    {
      SalvaComo escolha(odt, &oferecido);
      teste::Clica(d.Controle("cmdSalvarOdt"));
    }
    EXPECT_EQ(QFileInfo(oferecido).fileName(),
              previsao ? QStringLiteral("Previsao - MARIA DA SILVA - 2027-2028.odt")
                       : "Analise - MARIA DA SILVA - " + QDate::currentDate().toString("yyyy-MM-dd") + ".odt");
    EXPECT_EQ(d.janela->result(), QDialog::Accepted);
    const std::string texto = teste::TextoDoOdt(odt);
    size_t onde = 0;
    for (const std::string& trecho :
         {previsao ? std::string("Previsão Numerológica 2027–2028") : d.configuracao.linhas.LinhaCabecalho,
          std::string("MARIA DA SILVA"),
          previsao ? std::string("Previsão para 2028") : d.analise.ResultadoAnalise[1].Titulo}) {
      onde = texto.find(trecho, onde);
      EXPECT_NE(onde, std::string::npos) << trecho << "\n" << texto.substr(0, 400);
    }
    EXPECT_EQ(LerMargens(d.configuracao.pasta), Margens{});
    if (!previsao) continue;
    // The forecast's PDF: its pages alone, though the choices kept say
    // "the chart, with a cover".
    d.Abre(*documento);
    const fs::path pdf = d.pasta / "previsao.pdf";
    SalvaComo escolhaDoPdf(pdf);
    teste::Clica(d.Controle("cmdSalvarPdf"));
    ASSERT_EQ(d.janela->result(), QDialog::Accepted);
    const std::string bytes = teste::LeTexto(pdf);
    int folhas = 0;
    for (size_t i = 0; (i = bytes.find("/Type /Page", i)) != std::string::npos; i += 11) {
      folhas += bytes.compare(i, 12, "/Type /Pages") != 0;
    }
    EXPECT_EQ(folhas, GravarPdf((d.pasta / "x.pdf").string(), ConteudoDoDocumento(*documento, d.configuracao),
                                {Margens{}, false, false, TipoDeImpressao::Analise, DataDeHoje()}));
    EXPECT_EQ(d.configuracao.opcoes.TipoImpressao, 0);
    EXPECT_TRUE(d.configuracao.opcoes.ImprimirFolhaRosto);
  }
}

}  // namespace
}  // namespace cifra
