// The default library must be complete: every record an analysis can read
// holds a real text that fits its record in Windows-1252.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "apoio/pasta_temporaria.h"
#include "library/fonte_textos.h"
#include "library/interpretacoes.h"
#include "library/padroes.h"
#include "library/windows1252.h"

namespace cifra {
namespace {

// Each source, its last record (DESVIDA also holds 90, "no challenge") and
// the length in words its texts must have.
struct Exigencia {
  const char* codigo;
  int ultimo, minimoPalavras, maximoPalavras;
};
const Exigencia kExigencias[] = {
    {"CVIDA", 11, 120, 400},    {"CFORM", 11, 120, 400},    {"CPROD", 11, 120, 400},
    {"CCOLH", 11, 120, 400},    {"APICES", 11, 120, 400},   {"INTANOUN", 11, 120, 400},
    {"INTMESUN", 11, 120, 400}, {"INTDIAUN", 11, 120, 400}, {"INTANOPS", 11, 120, 400},
    {"INTMESPS", 11, 120, 400}, {"INTDIAPS", 11, 120, 400}, {"INTEXEXP", 11, 120, 400},
    {"IMPXALMA", 11, 120, 400}, {"EUXSILEN", 11, 120, 400}, {"INTNOME", 11, 120, 400},
    {"INTREALI", 11, 120, 400}, {"DEFUSERA", 11, 120, 400}, {"DEFUSERB", 11, 120, 400},
    {"DESNASC", 10, 120, 400},  {"PRESNASC", 10, 120, 400}, {"INDSAUDE", 10, 120, 400},
    {"DESVIDA", 9, 120, 400},   {"CDNAS", 9, 120, 400},     {"INTVOG", 6, 120, 400},
    {"CDATA", 15, 60, 200},     {"Header", 30, 1, 30}};

int Palavras(const std::string& texto) {
  std::istringstream s(texto);
  return static_cast<int>(std::distance(std::istream_iterator<std::string>(s), std::istream_iterator<std::string>()));
}

std::string Fonte(const std::string& codigo) {
  std::ifstream f(std::string(CIFRA_DADOS_DIR) + "/textos/" + codigo + ".txt", std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(BibliotecaPadrao, FontesCompletasEQueCabemNosRegistros) {
  std::set<std::string> vistos;
  for (const Exigencia& e : kExigencias) {
    SCOPED_TRACE(e.codigo);
    const std::string fonte = Fonte(e.codigo);
    ASSERT_FALSE(fonte.empty()) << "missing source";
    const auto registros = LeFonteDeTextos(fonte);
    const size_t tamanho = TamanhoDoRegistroDe(std::string(e.codigo) + ".DAT");
    std::vector<int> exigidos;
    for (int r = 1; r <= e.ultimo; ++r) exigidos.push_back(r);
    if (std::string_view(e.codigo) == "DESVIDA") exigidos.push_back(90);
    for (int r : exigidos) {
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
