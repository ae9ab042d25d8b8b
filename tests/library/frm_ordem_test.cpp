#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "apoio/pasta_temporaria.h"
#include "apoio/respostas_de_caixas.h"
#include "library/frm_ordem.h"
#include "shell/estado.h"

namespace cifra {
namespace {

using teste::PastaTemporaria;

void Clica(QWidget& j, const char* nome) {
  teste::Clica(j.findChild<QPushButton*>(QString::fromLatin1(nome)));
}

// The 62 bytes of an order: element 0, then the topics in position order.
std::vector<uint8_t> BytesDaOrdem(std::initializer_list<int> topicos) {
  std::vector<uint8_t> b{0, 0};
  for (int t : topicos) b.insert(b.end(), {static_cast<uint8_t>(t), 0});
  return b;
}

TEST(frmOrdem, AceitarSemMoverRegravaOsMesmosBytes) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  const auto antes = teste::LeBytes(pasta / "ordem.dat");
  ASSERT_EQ(antes, BytesDaOrdem({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
  frmOrdem janela(nullptr, estado);
  janela.show();
  Clica(janela, "cmdOk");
  EXPECT_EQ(janela.result(), QDialog::Accepted);
  EXPECT_EQ(teste::LeBytes(pasta / "ordem.dat"), antes);
}

TEST(frmOrdem, OPrimeiroTopicoDesceAoFimEm29CliquesEO30oBipa) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmOrdem janela(nullptr, estado);
  janela.show();
  auto* lista = janela.findChild<QListWidget*>(QStringLiteral("lstPrioridade"));
  EXPECT_EQ(lista->currentItem()->text(), "Caminho da Vida");
  QSignalSpy bipes(&janela, &frmOrdem::Bipe);
  for (int i = 0; i < 29; ++i) Clica(janela, "cmdDespriorizar");
  EXPECT_EQ(bipes.count(), 0);
  EXPECT_EQ(lista->currentRow(), 29);
  EXPECT_EQ(lista->item(29)->text(), "Caminho da Vida");
  Clica(janela, "cmdDespriorizar");
  EXPECT_EQ(bipes.count(), 1);
  Clica(janela, "cmdPriorizar");  // the selection followed the topic: it climbs one place
  EXPECT_EQ(lista->item(28)->text(), "Caminho da Vida");
  Clica(janela, "cmdDespriorizar");
  teste::Retrata(&janela, QStringLiteral("frmOrdem"));
  Clica(janela, "cmdOk");
  EXPECT_EQ(teste::LeBytes(pasta / "ordem.dat"),
            BytesDaOrdem({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                          22, 23, 24, 25, 26, 27, 28, 29, 30, 1}));
  EXPECT_EQ(estado.OrdemTopicos[30], 1);
  EXPECT_EQ(estado.OrdemTopicos[1], 2);
}

TEST(frmOrdem, CancelarOuFecharDepoisDeMoverNaoMudaNada) {
  PastaTemporaria pasta;
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  const auto antes = teste::LeBytes(pasta / "ordem.dat");
  const OrdemDosTopicos ordem = estado.OrdemTopicos;
  for (const bool pelaCaixaDeFechar : {false, true}) {
    frmOrdem janela(nullptr, estado);
    janela.show();
    QSignalSpy bipes(&janela, &frmOrdem::Bipe);
    Clica(janela, "cmdPriorizar");  // the first one cannot climb
    EXPECT_EQ(bipes.count(), 1);
    Clica(janela, "cmdDespriorizar");
    if (pelaCaixaDeFechar) {
      teste::ClicaNaCaixaDeFechar(&janela);
    } else {
      Clica(janela, "cmdCancelar");
    }
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(estado.OrdemTopicos, ordem);
    EXPECT_EQ(teste::LeBytes(pasta / "ordem.dat"), antes);
  }
}

TEST(frmOrdem, UmArquivoDeOrdemEstragadoAbreNaParteValida) {
  PastaTemporaria pasta;
  // 5 first, 5 again, a 99, then 3: the rest follows in number order.
  std::vector<uint8_t> estragado = BytesDaOrdem({5, 5, 99, 3});
  estragado.resize(62, 0);
  teste::EscreveBytes(pasta / "ordem.dat", estragado);
  EstadoDoPrograma estado = CarregarEstado(pasta.Caminho().string());
  frmOrdem janela(nullptr, estado);
  janela.show();
  auto* lista = janela.findChild<QListWidget*>(QStringLiteral("lstPrioridade"));
  ASSERT_EQ(lista->count(), 30);
  EXPECT_EQ(lista->item(0)->text(), "Vibrações do Dia do Nascimento");
  EXPECT_EQ(lista->item(1)->text(), "Ciclo Produtivo");
  EXPECT_EQ(lista->item(2)->text(), "Caminho da Vida");
  EXPECT_EQ(lista->item(3)->text(), "Ciclo Formativo");
  EXPECT_EQ(lista->item(4)->text(), "Ciclo da Colheita");
  EXPECT_EQ(lista->item(5)->text(), "Desafios do Dia do Nascimento");
  Clica(janela, "cmdOk");
  EXPECT_EQ(teste::LeBytes(pasta / "ordem.dat"),
            BytesDaOrdem({5, 3, 1, 2, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                          21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
}

}  // namespace
}  // namespace cifra
