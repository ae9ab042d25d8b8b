// Start-up with files that cannot be read, and the date box's keystroke
// filter, both without windows.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio/pasta_temporaria.h"
#include "library/arquivo_registros.h"
#include "shell/digitacao_data.h"
#include "shell/estado.h"

namespace cifra {
namespace {

// A folder where a settings file should be: it can be neither read nor written.
TEST(Inicio, ArquivoIlegivelEhRelatadoEOInicioContinua) {
  for (const std::string arquivo :
       {"ordem.dat", "Header.DAT", "fontes.dat", "cifralumina.dat", "rodape.dat"}) {
    teste::PastaTemporaria raiz;
    std::filesystem::create_directory(raiz / arquivo);
    EXPECT_THROW(CarregarEstado(raiz.Caminho().string()), ErroDeArquivo) << arquivo;
    ProblemasDoInicio problemas;
    const EstadoDoPrograma e = CarregarEstado(raiz.Caminho().string(), &problemas);
    ASSERT_EQ(problemas.mensagens.size(), 1u) << arquivo;
    EXPECT_NE(problemas.mensagens[0].find(arquivo), std::string::npos) << problemas.mensagens[0];
    EXPECT_EQ(problemas.opcoesIlegiveis, arquivo == "cifralumina.dat");
    // First-run values stand in; the other files were read (and created).
    EXPECT_EQ(e.OrdemTopicos, OrdemPadrao());
    EXPECT_EQ(e.opcoes, ProgramOptions{});
    EXPECT_EQ(e.linhas, LinhasRodape{});
    EXPECT_EQ(e.titulos[1].empty(), arquivo == "Header.DAT");
    EXPECT_TRUE(std::filesystem::is_directory(raiz / arquivo));
  }
}

TEST(Inicio, PastaVaziaNaoTemProblemas) {
  teste::PastaTemporaria raiz;
  ProblemasDoInicio problemas;
  CarregarEstado(raiz.Caminho().string(), &problemas);
  EXPECT_TRUE(problemas.mensagens.empty());
  EXPECT_FALSE(problemas.opcoesIlegiveis);
  EXPECT_EQ(teste::LeBytes(raiz / "cifralumina.dat").size(), 168u);
}

// Types the keys into a box the way the dialog does: what passes is
// inserted at the end (backspace removes the last character).
QString Digita(QString texto, const QString& teclas) {
  for (QChar c : teclas) {
    const DecisaoDaTecla d = FiltraTeclaDaData(texto, false, c);
    if (d.acao == DecisaoDaTecla::Substitui) {
      EXPECT_EQ(d.cursor, d.texto.size());
      texto = d.texto;
    } else if (d.acao == DecisaoDaTecla::Passa) {
      if (c == QChar(8)) texto.chop(1);
      else texto += c;
    }
  }
  return texto;
}

TEST(DigitacaoDaData, BarrasPostasPelaCaixa) {
  struct Caso {
    const char* antes;
    const char16_t* teclas;
    const char* depois;
  };
  const Caso casos[] = {
      {"", u"12081978", "12/08/1978"},
      {"", u"1a2b0/8x1978", "12/08/1978"},  // letters and slashes refused where digits go
      {"12/", u"\b", "12"},                   // backspace always passes
      {"12", u"/", "12/"},                    // a slash typed by hand after deleting one
      {"12", u"x", "12x"},                    // lengths 2 and 5 take anything
      {"12/08", u"-", "12/08-"},
      {"12/08/1978", u"9x", "12/08/19789x"},  // 10 and more: anything passes
      {"1", u"/", "1"},
      {"12/0", u"a8", "12/08/"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Digita(QString::fromLatin1(c.antes), QString::fromUtf16(c.teclas)),
              QString::fromLatin1(c.depois))
        << c.antes;
  }
}

TEST(DigitacaoDaData, TextoSelecionadoECopiarColarPassam) {
  for (int tamanho = 0; tamanho <= 11; ++tamanho) {
    const QString texto(tamanho, QLatin1Char('1'));
    EXPECT_EQ(FiltraTeclaDaData(texto, true, QLatin1Char('x')).acao, DecisaoDaTecla::Passa);
    for (char16_t c : {u'\x03', u'\x16', u'\b'}) {
      EXPECT_EQ(FiltraTeclaDaData(texto, false, QChar(c)).acao, DecisaoDaTecla::Passa);
    }
  }
}

}  // namespace
}  // namespace cifra
