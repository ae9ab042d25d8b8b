// The default library must be complete: every record an analysis can read
// holds a real text that fits its record in Windows-1252.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "library/fonte_textos.h"
#include "library/interpretacoes.h"
#include "library/padroes.h"
#include "library/windows1252.h"

namespace cifra {
namespace {

struct Exigencia {
  const char* codigo;
  std::vector<int> registros;
  int minimoPalavras, maximoPalavras;
};

std::vector<int> Faixa(int de, int ate) {
  std::vector<int> r;
  for (int i = de; i <= ate; ++i) r.push_back(i);
  return r;
}

std::vector<Exigencia> Exigencias() {
  std::vector<Exigencia> e;
  for (const char* c : {"CVIDA", "CFORM", "CPROD", "CCOLH", "APICES", "INTANOUN", "INTMESUN",
                        "INTDIAUN", "INTANOPS", "INTMESPS", "INTDIAPS", "INTEXEXP", "IMPXALMA",
                        "EUXSILEN", "INTNOME", "INTREALI", "DEFUSERA", "DEFUSERB"}) {
    e.push_back({c, Faixa(1, 11), 120, 400});
  }
  for (const char* c : {"DESNASC", "PRESNASC", "INDSAUDE"}) e.push_back({c, Faixa(1, 10), 120, 400});
  auto desvida = Faixa(1, 9);
  desvida.push_back(90);
  e.push_back({"DESVIDA", desvida, 120, 400});
  e.push_back({"CDNAS", Faixa(1, 9), 120, 400});
  e.push_back({"INTVOG", Faixa(1, 6), 120, 400});
  e.push_back({"CDATA", Faixa(1, 15), 60, 200});
  e.push_back({"Header", Faixa(1, 30), 1, 30});
  return e;
}

int Palavras(const std::string& texto) {
  std::istringstream s(texto);
  std::string palavra;
  int n = 0;
  while (s >> palavra) ++n;
  return n;
}

std::string Fonte(const std::string& codigo) {
  std::ifstream f(std::string(CIFRA_DADOS_DIR) + "/textos/" + codigo + ".txt", std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(BibliotecaPadrao, FontesCompletasEQueCabemNosRegistros) {
  std::set<std::string> vistos;
  for (const Exigencia& e : Exigencias()) {
    SCOPED_TRACE(e.codigo);
    const std::string fonte = Fonte(e.codigo);
    ASSERT_FALSE(fonte.empty()) << "missing source";
    const auto registros = LeFonteDeTextos(fonte);
    const size_t tamanho = TamanhoDoRegistroDe(std::string(e.codigo) + ".DAT");
    for (int r : e.registros) {
      SCOPED_TRACE(r);
      const auto it = registros.find(r);
      ASSERT_NE(it, registros.end()) << "missing record";
      const std::string& texto = it->second;
      EXPECT_GE(Palavras(texto), e.minimoPalavras);
      EXPECT_LE(Palavras(texto), e.maximoPalavras);
      EXPECT_TRUE(CodificavelEmWindows1252(texto));
      EXPECT_LE(ParaWindows1252(texto).size(), tamanho);
      EXPECT_EQ(texto.find("\r\n\r\n\r\n"), std::string::npos);
      if (tamanho == kRegistroTexto) {
        EXPECT_TRUE(vistos.insert(texto).second) << "the same text twice";
      }
    }
  }
}

// Installing never overwrites what the operator has, whatever its case, and
// a second run writes nothing.
TEST(BibliotecaPadrao, InstalacaoNaoSobrescreveOQueJaExiste) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  teste::EscreveBytes(raiz / "cvida.dat", teste::Bytes("meu texto"));
  EXPECT_EQ(InstalarPadroes(pasta).size() + 1, ArquivosPadrao().size());
  EXPECT_EQ(teste::LeBytes(raiz / "cvida.dat"), teste::Bytes("meu texto"));
  EXPECT_TRUE(std::filesystem::exists(raiz / "virafolh.wav"));
  EXPECT_EQ(LeInterpretacao(pasta, 22, "INTEXEXP.DAT", true), LeFonteDeTextos(Fonte("INTEXEXP")).at(11));
  EXPECT_TRUE(InstalarPadroes(pasta).empty());
}

}  // namespace
}  // namespace cifra
