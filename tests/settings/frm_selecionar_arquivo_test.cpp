#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "apoio/janelas.h"
#include "settings/frm_selecionar_arquivo.h"

namespace cifra {
namespace {

using teste::PastaTemporaria;
using teste::RespondeCaixas;

struct PastaDeFiguras : teste::ComEstado {
  PastaTemporaria figuras;
  QString foto = QString::fromStdString((figuras / "Foto.PNG").string());
  PastaDeFiguras() {
    QImage imagem(40, 30, QImage::Format_RGB32);
    imagem.fill(Qt::darkCyan);
    imagem.save(foto, "PNG");
    teste::EscreveBytes(figuras / "quebrada.jpg", teste::Bytes("isto não é uma figura"));
    teste::EscreveBytes(figuras / "notas.txt", teste::Bytes("texto"));
    std::filesystem::create_directory(figuras / "sub");
  }
};

QListWidget* Lista(QWidget& j, const char* nome) {
  return teste::Controle<QListWidget>(j, QString::fromLatin1(nome));
}
void Clica(QWidget& j, const char* nome) { teste::Clica(j, QString::fromLatin1(nome)); }
// A click on an entry of a list, as the operator picks a file.
void ClicaNaEntrada(QListWidget* lista, const QString& texto) {
  const auto achados = lista->findItems(texto, Qt::MatchExactly);
  ASSERT_EQ(achados.size(), 1) << texto.toStdString();
  const QRect r = lista->visualItemRect(achados[0]);
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
}

TEST(frmSelecionarArquivo, AbreNaFiguraEmUsoMostraAsFigurasERecusaAQueNaoCarrega) {
  PastaDeFiguras f;
  f.estado.opcoes.ImagemCabecalho = f.foto.toStdString();
  frmSelecionarArquivo janela(nullptr, f.estado);
  janela.DefineCaminho(f.foto);
  janela.AtualizaCaminho();
  janela.show();
  auto* arquivo = Lista(janela, "arquivo");
  ASSERT_EQ(arquivo->count(), 2);  // the picture patterns only, in name order
  EXPECT_EQ(arquivo->currentItem()->text(), "Foto.PNG");
  EXPECT_FALSE(janela.findChild<QLabel*>(QStringLiteral("picPreview"))->pixmap().isNull());
  EXPECT_TRUE(Lista(janela, "pasta")->findItems(QStringLiteral("sub"), Qt::MatchExactly).size() == 1);
  EXPECT_GT(janela.findChild<QComboBox*>(QStringLiteral("unidade"))->count(), 0);
  teste::Retrata(&janela, QStringLiteral("frmSelecionarArquivo"));

  ClicaNaEntrada(arquivo, QStringLiteral("quebrada.jpg"));
  RespondeCaixas caixas;
  Clica(janela, "cmdAlterarFigura");
  ASSERT_EQ(caixas.Vistas().size(), 1u);
  EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmSelecionarArquivo::kFiguraInvalida);
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(f.estado.opcoes.ImagemCabecalho, f.foto.toStdString());
}

TEST(frmSelecionarArquivo, DefinirAFiguraOuOsSignos) {
  PastaDeFiguras f;
  {
    frmSelecionarArquivo janela(nullptr, f.estado);
    janela.show();
    // From the home folder down to the pictures, by the folder list.
    janela.DefineCaminho(QString::fromStdString((f.figuras / "sub").string()) + QStringLiteral("/x.png"));
    janela.AtualizaCaminho();
    auto* pasta = Lista(janela, "pasta");
    pasta->setCurrentRow(0);
    ASSERT_EQ(pasta->currentItem()->text(), "..");
    QTest::keyClick(pasta, Qt::Key_Return);
    ClicaNaEntrada(Lista(janela, "arquivo"), QStringLiteral("Foto.PNG"));
    Clica(janela, "cmdAlterarFigura");
    EXPECT_EQ(janela.result(), QDialog::Accepted);
    EXPECT_EQ(f.estado.opcoes.ImagemCabecalho, f.foto.toStdString());
  }
  frmSelecionarArquivo janela(nullptr, f.estado);
  janela.show();
  Clica(janela, "cmdDefinirPadrao");
  EXPECT_EQ(f.estado.opcoes.ImagemCabecalho, "[Nulo]");
}

}  // namespace
}  // namespace cifra
