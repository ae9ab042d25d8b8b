// The print dialog driven as the operator drives it, on a machine without a
// printer (as the test machines are): A4 page, preview and PDF.
#include "printing/frm_imprimir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "apoio/pasta_temporaria.h"
#include "engine/numerologia.h"
#include "shell/estado.h"

namespace cifra {
namespace {

// Answers the modal windows that open while it lives: message boxes are
// noted and closed with OK; the first window of another kind goes to quem.
class Respondedor {
 public:
  explicit Respondedor(std::function<void(QWidget*)> quem = {}) : quem_(std::move(quem)) {
    QObject::connect(&relogio_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
        mensagens.push_back(caixa->windowTitle() + " " + caixa->text());
        caixa->button(QMessageBox::Ok)->click();
      } else if (modal && quem_ && !qobject_cast<frmImprimir*>(modal)) {
        auto f = std::move(quem_);
        quem_ = {};
        f(modal);
      }
    });
    relogio_.start(10);
  }
  QStringList mensagens;

 private:
  std::function<void(QWidget*)> quem_;
  QTimer relogio_;
};

struct Dialogo {
  teste::PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  std::unique_ptr<frmImprimir> janela;

  void Abre() {
    janela = std::make_unique<frmImprimir>(
        estado, PessoaAnalisada{Utf32("MARIA DA SILVA"), Data{12, 8, 1978}}, QPrinterInfo());
    janela->show();
    QTest::qWait(50);  // the message about the missing printer comes and goes
    janela->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  }
  template <class T>
  T* Controle(const char* nome) const {
    T* c = janela->findChild<T*>(nome);
    EXPECT_TRUE(c) << nome;
    return c;
  }
  // Types over the whole text of a margin box, as the operator does.
  void Digita(const char* caixa, const char* texto) {
    auto* c = Controle<QLineEdit>(caixa);
    c->setFocus();
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c, Qt::Key_Delete);
    QTest::keyClicks(c, texto);
    QTest::qWait(30);
  }
  Margens MargensDoArquivo() const { return LerMargens(estado.pasta); }
};

TEST(frmImprimir, AbreComEscolhasGuardadasMargensPadraoESemImpressora) {
  Respondedor respostas;
  Dialogo d;
  d.estado.opcoes.ImprimirPretoEmBranco = false;
  d.estado.opcoes.ImprimirFolhaRosto = true;
  d.estado.opcoes.TipoImpressao = 0;
  d.Abre();
  EXPECT_EQ(d.janela->windowTitle(), "Executar Impressão");
  // The missing file was created with 10 mm on every side.
  const auto bytes = teste::LeBytes(d.pasta / "margens.dat");
  ASSERT_GE(bytes.size(), 16u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 4 * i, bytes.begin() + 4 * i + 4),
              (std::vector<uint8_t>{0x00, 0x00, 0x20, 0x41}));
  }
  for (const char* caixa : {"txtSuperior", "txtInferior", "txtEsquerda", "txtDireita"}) {
    EXPECT_EQ(d.Controle<QLineEdit>(caixa)->text(), "10") << caixa;
  }
  EXPECT_FALSE(d.Controle<QCheckBox>("chkPretoEmBranco")->isChecked());
  EXPECT_TRUE(d.Controle<QCheckBox>("chkImprimirFolhaRosto")->isChecked());
  EXPECT_TRUE(d.Controle<QRadioButton>("optImprimir0")->isChecked());
  EXPECT_EQ(d.Controle<QRadioButton>("optImprimir0")->text(), "Quadro Numerológico");

  // No printer: an A4 page, said once, printing off, preview and PDF on.
  EXPECT_DOUBLE_EQ(d.janela->LarguraUtil(), 210);
  EXPECT_DOUBLE_EQ(d.janela->AlturaUtil(), 297);
  EXPECT_FALSE(d.Controle<QPushButton>("cmdImprimir")->isEnabled());
  EXPECT_TRUE(d.Controle<QPushButton>("cmdSalvarPdf")->isEnabled());
  EXPECT_TRUE(d.Controle<QPushButton>("cmdVisualizar")->isEnabled());
  EXPECT_TRUE(d.Controle<QLabel>("lblSemImpressora")->isVisible());
  ASSERT_EQ(respostas.mensagens.size(), 1);
  EXPECT_TRUE(respostas.mensagens[0].startsWith("Atenção: Nenhuma impressora foi encontrada"));
  d.janela->grab().save(CIFRA_IMAGENS_DIR "/impressao-dialogo.png");
  d.janela.reset();
  d.Abre();
  EXPECT_EQ(respostas.mensagens.size(), 1);  // not said again
}

TEST(frmImprimir, MargemAcimaDeUmQuintoDaPaginaERecusadaEVolta) {
  Respondedor respostas;
  Dialogo d;
  d.Abre();
  respostas.mensagens.clear();
  // A click into a margin box selects all of it, ready to be typed over.
  auto* direita = d.Controle<QLineEdit>("txtDireita");
  QTest::mouseClick(direita, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::qWait(30);
  EXPECT_EQ(direita->selectedText(), "10");

  d.Digita("txtEsquerda", "43");
  ASSERT_EQ(respostas.mensagens.size(), 1);
  EXPECT_EQ(respostas.mensagens[0], "Informação: A margem esquerda não pode ser maior que 42mm");
  // Typed key by key, "4" was accepted and became the margin in force: it comes back.
  EXPECT_EQ(d.Controle<QLineEdit>("txtEsquerda")->text(), "4");

  d.Digita("txtEsquerda", "42");  // exactly the limit
  d.Digita("txtInferior", "59.4");
  d.Digita("txtSuperior", "abc");  // reads as 0, accepted
  EXPECT_EQ(respostas.mensagens.size(), 1);
  d.Digita("txtInferior", "60");
  ASSERT_EQ(respostas.mensagens.size(), 2);
  EXPECT_EQ(respostas.mensagens[1], "Informação: A margem inferior não pode ser maior que 59mm");
  EXPECT_EQ(d.Controle<QLineEdit>("txtInferior")->text(), "6");
  EXPECT_EQ(d.janela->MargensAtuais, (Margens{42, 0, 10, 6}));
}

TEST(frmImprimir, CancelarGuardaAsCaixasDeMarcarMasNaoAsMargens) {
  Respondedor respostas;
  Dialogo d;
  d.Abre();
  d.Digita("txtSuperior", "15");
  QTest::mouseClick(d.Controle<QCheckBox>("chkImprimirFolhaRosto"), Qt::LeftButton);
  QTest::mouseClick(d.Controle<QRadioButton>("optImprimir1"), Qt::LeftButton);
  QTest::mouseClick(d.Controle<QPushButton>("cmdCancelar"), Qt::LeftButton);
  EXPECT_EQ(d.janela->result(), QDialog::Rejected);
  EXPECT_TRUE(d.estado.opcoes.ImprimirFolhaRosto);
  EXPECT_EQ(d.estado.opcoes.TipoImpressao, 2);  // the option is not kept on cancel
  EXPECT_EQ(d.MargensDoArquivo(), Margens{});

  // The close box cancels as well.
  d.Abre();
  EXPECT_EQ(d.Controle<QLineEdit>("txtSuperior")->text(), "10");
  QTest::mouseClick(d.Controle<QCheckBox>("chkPretoEmBranco"), Qt::LeftButton);
  d.janela->close();
  EXPECT_FALSE(d.estado.opcoes.ImprimirPretoEmBranco);
}

TEST(frmImprimir, SalvarPdfGravaOArquivoEscolhidoEGuardaMargensEEscolhas) {
  Dialogo d;
  const QString arquivo = QString::fromStdString((d.pasta / "saida.pdf").string());
  QString oferecido;
  Respondedor respostas([&](QWidget* modal) {
    auto* escolha = qobject_cast<QFileDialog*>(modal);
    ASSERT_TRUE(escolha);
    oferecido = escolha->selectedFiles().value(0);
    escolha->selectFile(arquivo);
    static_cast<QDialog*>(escolha)->accept();  // what its "Save" button does
  });
  d.Abre();
  d.Digita("txtDireita", "20");
  QTest::mouseClick(d.Controle<QRadioButton>("optImprimir0"), Qt::LeftButton);
  QTest::mouseClick(d.Controle<QPushButton>("cmdSalvarPdf"), Qt::LeftButton);
  QTest::qWait(50);
  EXPECT_TRUE(oferecido.endsWith("/Analise - MARIA DA SILVA - " +
                                 QDate::currentDate().toString("yyyy-MM-dd") + ".pdf"))
      << oferecido.toStdString();
  EXPECT_EQ(d.janela->result(), QDialog::Accepted);
  const auto pdf = teste::LeBytes(arquivo.toStdString());
  ASSERT_GT(pdf.size(), 1000u);
  EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
  EXPECT_EQ(d.MargensDoArquivo(), (Margens{10, 10, 20, 10}));
  EXPECT_EQ(d.estado.opcoes.TipoImpressao, 0);
}

TEST(frmImprimir, VisualizarMostraAsMesmasFolhasDaImpressao) {
  Dialogo d;
  int paginas = -1;
  Respondedor respostas([&](QWidget* modal) {
    auto* previa = qobject_cast<QPrintPreviewDialog*>(modal);
    ASSERT_TRUE(previa);
    QTest::qWait(200);
    if (auto* w = previa->findChild<QPrintPreviewWidget*>()) paginas = w->pageCount();
    previa->resize(900, 1000);
    QTest::qWait(100);
    previa->grab().save(CIFRA_IMAGENS_DIR "/impressao-visualizar.png");
    previa->reject();
  });
  d.estado.opcoes.ImprimirFolhaRosto = true;
  d.estado.opcoes.TipoImpressao = 2;
  d.Abre();
  QTest::mouseClick(d.Controle<QPushButton>("cmdVisualizar"), Qt::LeftButton);
  QTest::qWait(50);
  // Cover, chart and the analysis pages: as many as the PDF of the same choices.
  const ConteudoDaAnalise conteudo{d.estado.analise, d.estado.opcoes, d.estado.fontes,
                                   d.estado.linhas, Figura(), Figura()};
  const int esperadas = GravarPdf((d.pasta / "x.pdf").string(), conteudo,
                                  {Margens{}, true, true, TipoDeImpressao::Ambos, DataDeHoje()});
  EXPECT_GE(esperadas, 3);
  EXPECT_EQ(paginas, esperadas);
  EXPECT_TRUE(d.janela->isVisible());  // the preview does not close the dialog
  EXPECT_FALSE(std::filesystem::exists(d.pasta / "margens.dat") &&
               d.MargensDoArquivo() != Margens{});
}

}  // namespace
}  // namespace cifra
