// The forecast's numbers are the analysis's own on the same dates: the
// personal and universal year on 31/12, the personal month (and the
// personal year it rests on) on the 15th of each month.
#include "analysis/previsao.h"

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.h"
#include "engine/numerologia.h"

namespace cifra {
namespace {

// Each person's forecast is checked against the analysis on the same dates,
// then where the rules bite, by hand.
TEST(Previsao, NumerosSaoOsDaAnaliseNasMesmasDatas) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const TitulosDosTopicos titulos{};
  struct Caso {
    const char* nome;
    PessoaAnalisada pessoa;
    int de, ate;
    bool considerarDia, mestres;
  };
  const Caso casos[] = {
      {"aniversário dia 10", {U"ANA LIMA", {10, 3, 1980}}, 2027, 2028, true, false},
      {"aniversário dia 20", {U"ANA LIMA", {20, 3, 1980}}, 2027, 2027, true, false},
      {"ano mestre", {U"MARIA DA SILVA", {12, 8, 1978}}, 2026, 2029, false, true},
      {"29 de fevereiro", {U"JOAO PEDRO", {29, 2, 1996}}, 2027, 2028, true, true},
      {"realização muda", {U"CLARA ROCHA MENDES", {16, 1, 1955}}, 2006, 2009, false, false},
  };
  std::vector<Previsao> p;
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    ProgramOptions o;
    o.ConsiderarDiaNascimento = c.considerarDia;
    o.NumerosMagicos = c.mestres;
    p.push_back(MontaPrevisao(c.pessoa, c.de, c.ate, o, pasta));
    ASSERT_EQ(p.back().Anos.size(), static_cast<size_t>(c.ate - c.de + 1));
    for (const AnoDaPrevisao& ano : p.back().Anos) {
      SCOPED_TRACE(ano.Ano);
      const Analise fim = MontaAnalise(c.pessoa, {31, 12, ano.Ano}, o, titulos, pasta);
      EXPECT_EQ(ano.AnoUniversal, fim.ResultadoAnalise[17].Numero);
      EXPECT_EQ(ano.AnoPessoal, fim.ResultadoAnalise[20].Numero);
      for (const MesDaPrevisao& mes : ano.Meses) {
        const Analise meio = MontaAnalise(c.pessoa, {15, mes.Mes, ano.Ano}, o, titulos, pasta);
        EXPECT_EQ(mes.AnoPessoal, meio.ResultadoAnalise[20].Numero) << mes.Mes;
        EXPECT_EQ(mes.MesPessoal, meio.ResultadoAnalise[21].Numero) << mes.Mes;
      }
      // 5 numbers of the year, then the 12 months.
      ASSERT_EQ(ano.Textos.size(), 17u);
      EXPECT_EQ(ano.Textos[3].Numero, fim.ResultadoAnalise[ano.Ciclo].Numero);
      EXPECT_EQ(ano.Textos[4].Numero, fim.ResultadoAnalise[ano.Realizacao].Numero);
    }
  }
  // 10/03/1980 in 2027: 1 + 3 + 2 = 6 from the birthday on (15/03), 5 before (15/02).
  EXPECT_EQ(p[0].Anos[0].Meses[1].AnoPessoal, "5");
  EXPECT_EQ(p[0].Anos[0].Meses[2].AnoPessoal, "6");
  // 20/03/1980: 2 + 3 + 2 = 7, and 6 on 15/03, the 20th not reached; the month 6 + 3.
  EXPECT_EQ(p[1].Anos[0].Meses[2].AnoPessoal, "6");
  EXPECT_EQ(p[1].Anos[0].Meses[2].MesPessoal, "9");
  EXPECT_EQ(p[2].Anos[1].AnoUniversal, "11");  // 2027: 2 + 0 + 2 + 7
  // Life path 1: the cycle is the productive one; the realizations change at
  // 35, 44 and 53, the fourth in 2008.
  EXPECT_EQ(p[4].Anos[0].Ciclo, 3);
  EXPECT_EQ(p[4].Anos[1].Realizacao, 10);
  EXPECT_EQ(p[4].Anos[2].Realizacao, 11);
  // The refusals and their words are the request dialog's test; ten years
  // from the year of birth are accepted, a year past 9999 is not.
  EXPECT_FALSE(RecusaDosAnos({16, 1, 1955}, 1955, 1964));
  EXPECT_TRUE(RecusaDosAnos({16, 1, 1955}, 9999, 10000));
}

}  // namespace
}  // namespace cifra

#include "analysis/compatibilidade.h"
#include "library/interpretacoes.h"

namespace cifra {
namespace {

// The compatibility's numbers are each person's analysis's own, with the
// master numbers on and off; the pair and summary records cover the table.
// Each aspect is described for two people, not in the analysis's "você".
TEST(Compatibilidade, NumerosDasAnalisesEClasses) {
  teste::PastaTemporaria raiz;
  const PastaDeDados pasta(raiz.Caminho());
  const PessoaAnalisada maria{U"MARIA DA SILVA", {12, 8, 1978}};
  const PessoaAnalisada joao{U"JOAO SOUZA", {3, 4, 1980}};
  std::string euSilenciosoPadrao;
  for (const bool mestres : {false, true}) {
    ProgramOptions o;
    o.NumerosMagicos = mestres;
    const Compatibilidade c = MontaCompatibilidade(maria, joao, o, pasta);
    ASSERT_EQ(c.Aspectos.size(), 4u);
    for (int p = 0; p < 2; ++p) {
      const Analise a = MontaAnalise(p == 0 ? maria : joao, {1, 1, 2027}, o, {}, pasta);
      for (const AspectoComparado& aspecto : c.Aspectos) {
        EXPECT_EQ(aspecto.Numeros[static_cast<size_t>(p)], a.ResultadoAnalise[aspecto.Topico].Numero)
            << aspecto.Aspecto << " " << mestres;
      }
    }
    // Maria's Expressão is 11 with master numbers (2 for the rule), João's 6.
    EXPECT_EQ(c.Aspectos[1].Numeros[0], mestres ? "11" : "2");
    EXPECT_EQ(c.Aspectos[1].Classe, Harmonia::Complementar);
    EXPECT_EQ(c.Textos.size(), 6u);  // the people, four aspects, the summary
    for (size_t i = 1; i <= 4; ++i) {
      const std::string& d = c.Textos[i].Descricao;
      EXPECT_NE(d.find("cada pessoa"), std::string::npos) << i;
      EXPECT_EQ(d.find("você"), std::string::npos) << d;
    }
    euSilenciosoPadrao = c.Textos[4].Descricao;
  }
  // The folder's own texts win; an empty record shows the analysis's
  // description of the same number, and one past the end of the folder's
  // file the program's copy.
  GravarRegistroDeTexto(pasta, kArquivoDasDescricoesDosAspectos, 1, "DESCCOMP#1");
  GravarRegistroDeTexto(pasta, kArquivoDasDescricoesDosAspectos, 3, "");
  for (const int r : {1, 8, 9, 10}) {
    GravarRegistroDeTexto(pasta, kArquivoDescricoes, r, "CDATA#" + std::to_string(r));
  }
  const Compatibilidade c = MontaCompatibilidade(maria, joao, {}, pasta);
  const std::string descricoes[] = {"DESCCOMP#1", "CDATA#8", "CDATA#9", euSilenciosoPadrao};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(c.Textos[i + 1].Descricao, descricoes[i]) << i;
  EXPECT_EQ(RegistroDoPar(1, 1), 1);
  EXPECT_EQ(RegistroDoPar(9, 1), 9);
  EXPECT_EQ(RegistroDoPar(2, 2), 10);
  EXPECT_EQ(RegistroDoPar(22, 8), 29);  // (4, 8): after the 24 pairs of 1 to 3 and (4,4) to (4,7)
  EXPECT_EQ(RegistroDoPar(9, 9), 45);
  using H = Harmonia;
  auto resumo = [](std::vector<H> classes) {
    std::vector<AspectoComparado> a;
    for (H h : classes) a.push_back({1, "", {}, h});
    return RegistroDoResumo(a);
  };
  EXPECT_EQ(resumo({H::Natural, H::Natural, H::Desafiadora, H::Complementar}), 13);
  EXPECT_EQ(resumo({H::Desafiadora, H::Desafiadora, H::Desafiadora, H::Natural}), 15);
  EXPECT_EQ(resumo({H::Natural, H::Natural, H::Desafiadora, H::Desafiadora}), 16);
}

}  // namespace
}  // namespace cifra
