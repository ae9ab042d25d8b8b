#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>

#include "apoio/janelas.h"
#include "janelas/frm_selecionar_arquivo.h"

namespace cifra {
namespace {

// A click on an entry of a list, as the operator picks a file.
void ClicaNaEntrada(QWidget& janela, const char* lista, const QString& texto) {
  auto* l = teste::Controle<QListWidget>(janela, QString::fromLatin1(lista));
  const auto achados = l->findItems(texto, Qt::MatchExactly);
  ASSERT_EQ(achados.size(), 1) << texto.toStdString();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(achados[0]).center());
}

// Only pictures are listed; one that does not load is refused and the one in
// use stays; a good one is chosen; "Padrão" brings the signs back.
TEST(frmSelecionarArquivo, EscolheAFiguraRecusaAQueNaoCarregaEVoltaAosSignos) {
  teste::ComConfiguracao s;
  teste::PastaTemporaria figuras;
  const QString foto = QString::fromStdString((figuras / "Foto.PNG").string());
  QImage imagem(40, 30, QImage::Format_RGB32);
  imagem.fill(Qt::darkCyan);
  imagem.save(foto, "PNG");
  teste::EscreveBytes(figuras / "quebrada.jpg", teste::Bytes("isto não é uma figura"));
  teste::EscreveBytes(figuras / "notas.txt", teste::Bytes("texto"));

  frmSelecionarArquivo janela(nullptr, s.configuracao.opcoes);
  janela.DefineCaminho(foto);
  janela.AtualizaCaminho();
  janela.show();
  EXPECT_EQ(teste::Controle<QListWidget>(janela, QStringLiteral("arquivo"))->count(), 2);
  ClicaNaEntrada(janela, "arquivo", QStringLiteral("quebrada.jpg"));
  {
    teste::RespondeCaixas caixas;
    teste::Clica(janela, QStringLiteral("cmdAlterarFigura"));
    ASSERT_EQ(caixas.Vistas().size(), 1u);
    EXPECT_EQ(caixas.Vistas()[0].texto.toStdString(), frmSelecionarArquivo::kFiguraInvalida);
  }
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, "[Nulo]");
  ClicaNaEntrada(janela, "arquivo", QStringLiteral("Foto.PNG"));
  EXPECT_FALSE(teste::Controle<QLabel>(janela, QStringLiteral("picPreview"))->pixmap().isNull());
  teste::Retrata(&janela, QStringLiteral("frmSelecionarArquivo"));
  teste::Clica(janela, QStringLiteral("cmdAlterarFigura"));
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, foto.toStdString());

  frmSelecionarArquivo outra(nullptr, s.configuracao.opcoes);
  outra.show();
  teste::Clica(outra, QStringLiteral("cmdDefinirPadrao"));
  EXPECT_EQ(s.configuracao.opcoes.ImagemCabecalho, "[Nulo]");
}

}  // namespace
}  // namespace cifra
