#include "shell/linha_comando.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "apoio/executa.h"
#include "apoio/pasta_temporaria.h"

namespace cifra {
namespace {

using teste::Executa;
using teste::Resultado;

TEST(LinhaDeComando, RecusaEntradasComAMensagemDoDialogo) {
  teste::PastaTemporaria raiz;
  const std::string pasta = raiz.Caminho().string();
  struct Caso { std::vector<std::string> args; const char* trecho; };
  const Caso casos[] = {
      {{"ANA", "12/08/1978", "--pasta", pasta}, "nome completo"},
      {{"Maria da Silva", "31/02/1978", "--pasta", pasta}, "não é uma data válida"},
      {{"Maria da Silva"}, "Uso:"},
      {{"Maria da Silva", "12/08/1978", "--cor", "azul"}, "Opção desconhecida"},
  };
  for (const Caso& c : casos) {
    const Resultado r = Executa(c.args);
    EXPECT_EQ(r.status, 2) << c.trecho;
    EXPECT_NE(r.erros.find(c.trecho), std::string::npos) << r.erros;
    EXPECT_TRUE(r.saida.empty());
  }
}

TEST(LinhaDeComando, JsonDaAnaliseNumaPastaNova) {
  teste::PastaTemporaria raiz;
  const std::string pasta = (raiz / "dados").string();
  const Resultado r = Executa({"maria da silva", "12/8/78", "--hoje", "06/12/2026", "--pasta",
                               pasta, "--json", "-"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_NE(r.saida.find("\"NomeCompleto\": \"MARIA DA SILVA\""), std::string::npos);
  EXPECT_NE(r.saida.find("\"DataNascimento\": \"12/08/1978\""), std::string::npos);
  EXPECT_NE(r.saida.find("\"Hoje\": \"06/12/2026\""), std::string::npos);
  EXPECT_NE(r.saida.find("{\"Topico\": 30, \"Nome\": \"Número Definido B\""), std::string::npos);
  EXPECT_NE(r.saida.find("\\r\\n"), std::string::npos);  // CR LF kept, escaped
  // The settings files were created as at start-up.
  for (const char* f : {"ordem.dat", "cifralumina.dat", "fontes.dat", "CVIDA.DAT", "Header.DAT"}) {
    EXPECT_TRUE(std::filesystem::exists(raiz / "dados" / f)) << f;
  }
  // The same run into a file gives the same bytes.
  const std::string arquivo = (raiz / "a.json").string();
  ASSERT_EQ(Executa({"maria da silva", "12/8/78", "--hoje", "06/12/2026", "--pasta", pasta,
                     "--json", arquivo}).status, 0);
  std::ifstream f(arquivo, std::ios::binary);
  std::ostringstream conteudo;
  conteudo << f.rdbuf();
  EXPECT_EQ(conteudo.str(), r.saida);
}

TEST(LinhaDeComando, PastaDoAmbienteQuandoNaoHaPastaPedida) {
  teste::PastaTemporaria raiz;
  ::setenv("CIFRALUMINA_PASTA", (raiz / "ambiente").c_str(), 1);
  EXPECT_EQ(Executa({"Maria da Silva", "12/08/1978", "--texto", (raiz / "a.txt").string()}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(raiz / "ambiente" / "cifralumina.dat"));
  // --pasta comes first.
  EXPECT_EQ(Executa({"Maria da Silva", "12/08/1978", "--pasta", (raiz / "pedida").string()}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(raiz / "pedida" / "cifralumina.dat"));
  ::unsetenv("CIFRALUMINA_PASTA");
  EXPECT_EQ(PastaDosArgumentos({"-style", "fusion", "--pasta", "/dados"}), "/dados");
  EXPECT_EQ(PastaDosArgumentos({"--pasta"}), std::nullopt);
}

// A full disk and a folder in the file's place are tried with the program
// itself; here, an output whose folder does not exist.
TEST(LinhaDeComando, SaidaQueNaoPodeSerGravadaTerminaComStatus1) {
  teste::PastaTemporaria raiz;
  const std::string pasta = (raiz / "dados").string();
  for (const char* opcao : {"--texto", "--json"}) {
    const Resultado r = Executa({"Maria da Silva", "12/08/1978", "--pasta", pasta, opcao,
                                 (raiz / "nao-existe" / "a.txt").string()});
    EXPECT_EQ(r.status, 1) << opcao;
    EXPECT_NE(r.erros.find("Não foi possível gravar o arquivo"), std::string::npos) << r.erros;
  }
}

TEST(LinhaDeComando, PastaQueNaoPodeSerCriada) {
  teste::PastaTemporaria raiz;
  teste::EscreveBytes(raiz / "arquivo", {1});
  const Resultado r = Executa({"Maria da Silva", "12/08/1978", "--pasta", (raiz / "arquivo" / "x").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erros.find("pasta de dados"), std::string::npos) << r.erros;
}

}  // namespace
}  // namespace cifra
