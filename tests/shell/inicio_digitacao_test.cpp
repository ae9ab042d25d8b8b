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

// A folder where a settings file should be: it can be neither read nor
// written; the start goes on with first-run values and says so once.
TEST(Inicio, ArquivoIlegivelEhRelatadoEOInicioContinua) {
  for (const std::string arquivo : {"", "ordem.dat", "Header.DAT", "fontes.dat", "cifralumina.dat", "rodape.dat"}) {
    teste::PastaTemporaria raiz;
    if (!arquivo.empty()) std::filesystem::create_directory(raiz / arquivo);
    ProblemasDoInicio problemas;
    const EstadoDoPrograma e = CarregarEstado(raiz.Caminho().string(), &problemas);
    if (arquivo.empty()) {  // an empty folder has no problems
      EXPECT_TRUE(problemas.mensagens.empty());
      continue;
    }
    EXPECT_THROW(CarregarEstado(raiz.Caminho().string()), ErroDeArquivo) << arquivo;
    ASSERT_EQ(problemas.mensagens.size(), 1u) << arquivo;
    EXPECT_NE(problemas.mensagens[0].find(arquivo), std::string::npos) << problemas.mensagens[0];
    EXPECT_EQ(problemas.opcoesIlegiveis, arquivo == "cifralumina.dat");
    EXPECT_EQ(e.opcoes, ProgramOptions{});
    EXPECT_EQ(e.titulos[1].empty(), arquivo == "Header.DAT");
    EXPECT_TRUE(std::filesystem::is_directory(raiz / arquivo));
  }
}

// Types the keys into a box the way the dialog does: what passes is
// inserted at the end (backspace removes the last character).
QString Digita(QString texto, const QString& teclas, bool selecionado = false) {
  for (QChar c : teclas) {
    const DecisaoDaTecla d = FiltraTeclaDaData(texto, selecionado, c);
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
  struct Caso { const char* antes; const char16_t* teclas; const char* depois; bool selecionado; };
  const Caso casos[] = {
      {"", u"1a2b0/8x1978", "12/08/1978", false},  // letters and slashes refused where digits go
      {"12/", u"\b", "12", false},                   // backspace always passes
      {"12/08/1978", u"9x", "12/08/19789x", false},  // 10 and more: anything passes
      {"12/0", u"x", "12/0x", true},                 // over a selection anything passes
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Digita(QString::fromLatin1(c.antes), QString::fromUtf16(c.teclas), c.selecionado),
              QString::fromLatin1(c.depois))
        << c.antes;
  }
}

}  // namespace
}  // namespace cifra
