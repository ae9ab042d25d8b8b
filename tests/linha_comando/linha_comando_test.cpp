#include "linha_comando/linha_comando.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "apoio/executa.h"
#include "apoio/pasta_temporaria.h"

namespace cifra {
namespace {

using teste::Executa;
using teste::Resultado;

// Bad requests end with status 2, the dialog's message or the usage, and no output.
TEST(LinhaDeComando, RecusaEntradasComAMensagemDoDialogo) {
  teste::PastaTemporaria raiz;
  const std::string pasta = raiz.Caminho().string();
  struct Caso { std::vector<std::string> args; const char* trecho; };
  const Caso casos[] = {
      {{"ANA", "12/08/1978", "--pasta", pasta}, "nome completo"},
      {{"Maria da Silva", "31/02/1978", "--pasta", pasta}, "não é uma data válida"},
      {{"Maria da Silva"}, "Uso:"},
      {{"Maria da Silva", "12/08/1978", "--cor", "azul"}, "Opção desconhecida"},
      {{"Maria da Silva", "12/08/1978", "--hoje", "--pasta", pasta}, "Falta o valor da opção --hoje."},
      {{"Maria da Silva", "12/08/1978", "--json", "", "--pasta", pasta}, "opção --json não pode ficar vazio"},
      {{"Maria da Silva", "12/08/1978", "--pasta", pasta, "--hoje", "11/08/1978"},
       "A data de hoje informada (11/08/1978) é anterior à data do nascimento (12/08/1978)."},
  };
  for (const Caso& c : casos) {
    const Resultado r = Executa(c.args);
    EXPECT_EQ(r.status, 2) << c.trecho;
    EXPECT_NE(r.erros.find(c.trecho), std::string::npos) << r.erros;
    EXPECT_TRUE(r.saida.empty());
  }
}

// A new folder is made ready as at start-up; the same run into a file gives
// the same bytes; a name of bytes that are no UTF-8 still gives valid JSON,
// and its accents stay in the name shown.
TEST(LinhaDeComando, JsonDaAnaliseNumaPastaNova) {
  teste::PastaTemporaria raiz;
  const std::string pasta = (raiz / "dados").string();
  const std::string arquivo = (raiz / "a.json").string();
  const Resultado r = Executa({"Ana \xFF\xFE Sá", "12/8/78", "--hoje", "061226", "--pasta", pasta, "--json", "-"});
  ASSERT_EQ(r.status, 0) << r.erros;
  // The numbers see the folded name; the client reads it as typed.
  EXPECT_NE(r.saida.find("\"NomeCompleto\": \"ANA \xEF\xBF\xBD\xEF\xBF\xBD SA\""), std::string::npos);
  EXPECT_NE(r.saida.find("\"NomeExibido\": \"ANA \xEF\xBF\xBD\xEF\xBF\xBD SÁ\""), std::string::npos);
  EXPECT_NE(r.saida.find("\"DataNascimento\": \"12/08/1978\""), std::string::npos);
  EXPECT_NE(r.saida.find("\"Hoje\": \"06/12/2026\""), std::string::npos);
  EXPECT_NE(r.saida.find("\\r\\n"), std::string::npos);  // CR LF kept, escaped
  QStringDecoder utf8(QStringDecoder::Utf8);
  (void)utf8.decode(QByteArrayView(r.saida.data(), static_cast<qsizetype>(r.saida.size())));
  EXPECT_FALSE(utf8.hasError());
  for (const char* f : {"ordem.dat", "cifralumina.dat", "fontes.dat", "CVIDA.DAT", "Header.DAT"}) {
    EXPECT_TRUE(std::filesystem::exists(raiz / "dados" / f)) << f;
  }
  ASSERT_EQ(Executa({"Ana \xFF\xFE Sá", "12/8/78", "--hoje", "6-12-26", "--pasta", pasta, "--json", arquivo}).status, 0);
  std::ifstream f(arquivo, std::ios::binary);
  std::ostringstream conteudo;
  conteudo << f.rdbuf();
  EXPECT_EQ(conteudo.str(), r.saida);
}

TEST(LinhaDeComando, PastaDoAmbienteQuandoNaoHaPastaPedida) {
  teste::PastaTemporaria raiz;
  ::setenv("CIFRALUMINA_PASTA", (raiz / "ambiente").c_str(), 1);
  EXPECT_EQ(Executa({"Maria da Silva", "12/08/1978", "--texto", (raiz / "a.txt").string()}).status, 0);
  EXPECT_EQ(Executa({"Maria da Silva", "12/08/1978", "--pasta", (raiz / "pedida").string()}).status, 0);
  ::unsetenv("CIFRALUMINA_PASTA");
  EXPECT_TRUE(std::filesystem::exists(raiz / "ambiente" / "cifralumina.dat"));
  EXPECT_TRUE(std::filesystem::exists(raiz / "pedida" / "cifralumina.dat"));  // --pasta comes first
}

}  // namespace
}  // namespace cifra
