// The request's rules (folding a name, completing a date) and the builder,
// on a library whose every record says which file and record it is.
#include "analysis/analise.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "analysis/pedido.h"
#include "apoio/pasta_temporaria.h"
#include "library/arquivo_registros.h"
#include "library/formulas.h"
#include "library/interpretacoes.h"
#include "library/textos_carmicos.h"

namespace cifra {
namespace {

// A library in which every record says which file and record it is, so the
// test can see exactly which text each topic picked.
class Construtor : public ::testing::Test {
 protected:
  void SetUp() override {
    std::set<std::string> codigos{"CDATA", "DESCCARM"};
    for (const ParteDoMapa& p : PartesDoMapa()) codigos.insert(std::string(p.arquivo, 0, p.arquivo.size() - 4));
    for (const Topico& t : Catalogo()) codigos.insert(std::string(t.codigo));
    for (const std::string& c : codigos) {
      std::string bytes(120 * kRegistroTexto, ' ');
      std::vector<int> registros{90};
      for (int r = 1; r <= 53; ++r) registros.push_back(r);
      for (int r = 100; r <= 119; ++r) registros.push_back(r);
      for (int r : registros) {
        // The linking templates show what they were given.
        const std::string texto = r == kModeloDeLigacaoRealizacao || r == kModeloDeLigacaoDesafio
                                      ? c + "<{topico}|{periodo}|{numero}|{anterior}>"
                                      : c + "#" + std::to_string(r);
        bytes.replace((r - 1) * kRegistroTexto, texto.size(), texto);
      }
      GravaArquivoInteiro(raiz / (c + ".DAT"), bytes);
    }
    std::string titulos(kTopicos * kRegistroTitulo, ' ');
    for (int t = 1; t <= kTopicos; ++t) {
      const std::string titulo = "H" + std::to_string(t);
      titulos.replace((t - 1) * kRegistroTitulo, titulo.size(), titulo);
    }
    GravaArquivoInteiro(raiz / "Header.DAT", titulos);
    opcoes.NumerosMagicos = true;
  }
  void Monta() { a = MontaAnalise(pessoa, hoje, opcoes, LerTitulos(pasta), pasta); }
  const LinhaResultado& L(int t) const { return a.ResultadoAnalise[t]; }

  teste::PastaTemporaria raiz;
  PastaDeDados pasta{raiz.Caminho()};
  PessoaAnalisada pessoa{U"MARIA DA SILVA", {12, 8, 1978}};
  Analise a;
  ProgramOptions opcoes;
  const Data hoje{6, 12, 2026};
};

// Maria da Silva with master numbers on, each topic's number and the record
// it reads, is the recorded pages' analysis (the real texts show the record).
// Without master numbers 11 and 22 read the texts of 2 and 4; a challenge 0
// reads its own text alone; a name without vowels has no first vowel, and a
// defined formula is read from its file.
TEST_F(Construtor, SemMestresDesafioZeroNomeSemVogalEFormulas) {
  opcoes.NumerosMagicos = false;
  Monta();
  EXPECT_EQ(L(23).Numero, "2");
  EXPECT_EQ(L(23).Interpretacao, "INTEXEXP#2");
  EXPECT_EQ(L(24).Numero, "4");

  opcoes.NumerosMagicos = true;
  pessoa.Nascimento = {22, 2, 1990};
  Monta();
  EXPECT_EQ(L(6).Numero, "0");
  EXPECT_EQ(L(6).Interpretacao, "DESNASC#1");  // one text speaks of all nine lessons
  EXPECT_EQ(L(7).Interpretacao, "PRESNASC#10.");
  EXPECT_EQ(L(5).Numero, "22");
  EXPECT_EQ(L(5).Interpretacao, "CDNAS#4");  // the plain reduction picks the text

  pessoa = {U"BRST KLMN", {12, 8, 1978}};
  const std::vector<int16_t> formula{8, 101, 5, 103};
  GravarFormula(pasta, kFormulaA, true, formula);
  Monta();
  EXPECT_EQ(L(26).Numero, "");
  EXPECT_EQ(L(26).Interpretacao, "");
  EXPECT_EQ(L(24).Numero, "0");
  EXPECT_EQ(L(24).Interpretacao, "");  // record 0 reads as empty
  // BRST KLMN = 9+2+1+2+2+3+4+5 = 28 -> 1; + day 12 -> 3 = 4.
  EXPECT_EQ(L(29).Numero, "4");
  EXPECT_EQ(L(29).Interpretacao, "DEFUSERA#4");
}

// An empty folder: empty texts, and the topics whose texts take a final
// period do not get a lone one.
TEST_F(Construtor, PastaVaziaDaTextosVaziosSemFalhar) {
  teste::PastaTemporaria vazia;
  const PastaDeDados outra(vazia.Caminho());
  const Analise b = MontaAnalise({U"ANA B", {29, 2, 1996}}, {28, 2, 2023}, opcoes, LerTitulos(outra), outra);
  EXPECT_EQ(b.ResultadoAnalise[1].Interpretacao, "");
  EXPECT_EQ(b.ResultadoAnalise[7].Interpretacao, "");
}

// 01/01/2000: realizations 2, 3, 5, 3 and challenges 1, 0, 1. A number that
// comes back is told in full where it is first shown, in the operator's
// order and among the topics on; later it links back to that topic.
TEST_F(Construtor, NumeroRepetidoLigaAoPrimeiroMostrado) {
  pessoa.Nascimento = {1, 1, 2000};
  opcoes.TopicoAtivo.fill(true);
  Monta();
  EXPECT_EQ(L(9).Interpretacao, "APICES#3.");
  EXPECT_EQ(L(11).Interpretacao,
            "APICES<Quarta Realização|dos 50 anos em diante|3|Segunda Realização> APICES#45.");
  EXPECT_EQ(L(12).Interpretacao, "DESVIDA#2.");
  EXPECT_EQ(L(14).Interpretacao,
            "DESVIDA<Segundo Desafio Menor||1|Desafio Maior> DESVIDA#112.");

  // The second realization switched off: the fourth tells the 3 in full.
  opcoes.TopicoAtivo[9] = false;
  Monta();
  EXPECT_EQ(L(11).Interpretacao, "APICES#3.");

  // The fourth shown before the second: the second links back to it.
  opcoes.TopicoAtivo[9] = true;
  OrdemDosTopicos ordem = OrdemPadrao();
  std::swap(ordem[9], ordem[11]);
  a = MontaAnalise(pessoa, hoje, opcoes, LerTitulos(pasta), pasta, ordem);
  EXPECT_EQ(L(11).Interpretacao, "APICES#3.");
  EXPECT_EQ(L(9).Interpretacao,
            "APICES<Segunda Realização|dos 32 aos 41 anos|3|Quarta Realização> APICES#23.");
}

// The karmic map after the topics: one text per lesson, per hidden passion,
// for the response and per debt, each from its record; the part's
// description on its first text only; a debt met from two origins told
// once. Master numbers change the Expressão, not the map.
TEST_F(Construtor, MapaCarmicoComTextosDeCadaParte) {
  struct Item {
    std::string titulo, descricao, interpretacao;
  };
  auto confere = [&](const std::vector<Item>& esperados) {
    const auto& obtidos = a.Carmico.Itens;
    ASSERT_EQ(obtidos.size(), esperados.size());
    for (size_t i = 0; i < esperados.size(); ++i) {
      EXPECT_EQ(obtidos[i].Titulo, esperados[i].titulo);
      EXPECT_EQ(obtidos[i].Descricao, esperados[i].descricao) << esperados[i].titulo;
      EXPECT_EQ(obtidos[i].Interpretacao, esperados[i].interpretacao) << esperados[i].titulo;
    }
  };
  Monta();
  EXPECT_EQ(a.Carmico.Titulo, "Mapa Cármico");
  EXPECT_EQ(a.Carmico.Descricao, "DESCCARM#1");
  confere({{"Lição Cármica: 2", "DESCCARM#2", "LICOCARM#2"},
           {"Lição Cármica: 5", "", "LICOCARM#5"},
           {"Lição Cármica: 6", "", "LICOCARM#6"},
           {"Lição Cármica: 7", "", "LICOCARM#7"},
           {"Lição Cármica: 8", "", "LICOCARM#8"},
           {"Tendência Oculta: 1", "DESCCARM#3", "TENDOCUL#1"},
           {"Resposta Subconsciente: 4", "DESCCARM#4", "RESPSUBC#4"}});
  const Analise comMestres = a;
  opcoes.NumerosMagicos = false;
  Monta();
  EXPECT_NE(a.ResultadoAnalise[23].Numero, comMestres.ResultadoAnalise[23].Numero);  // 11 and 2
  EXPECT_EQ(a.Carmico, comMestres.Carmico);

  pessoa = {U"CLARA ROCHA MENDES", {16, 1, 1955}};
  Monta();
  confere({{"Lição Cármica: 2", "DESCCARM#2", "LICOCARM#2"},
           {"Lição Cármica: 7", "", "LICOCARM#7"},
           {"Tendência Oculta: 1", "DESCCARM#3", "TENDOCUL#1"},
           {"Resposta Subconsciente: 7", "DESCCARM#4", "RESPSUBC#7"},
           {"Dívida Cármica: 19 (Caminho da Vida e Impulso da Alma)", "DESCCARM#5", "DIVCARM#4"},
           {"Dívida Cármica: 14 (Número da Expressão)", "", "DIVCARM#2"},
           {"Dívida Cármica: 13 (Eu Silencioso)", "", "DIVCARM#1"},
           {"Dívida Cármica: 16 (Dia do Nascimento)", "", "DIVCARM#3"}});
}

TEST(DobraNome, MaiusculasSemOsAcentosComuns) {
  const std::pair<const char32_t*, const char32_t*> casos[] = {
      {U"joão da conceição", U"JOAO DA CONCEICAO"},
      {U"àÀâÂãÃéÉêÊíÍîÎïÏóÓôÔõÕúÚûÛüÜçÇ", U"AAAAAAEEEEIIIIIIOOOOOOUUUUUUCC"},
      {U"Hélène d'Ávila-Souza 2", U"HELÈNE D'AVILA-SOUZA 2"},
      {U"Ñúñez", U"ÑUÑEZ"},
  };
  for (const auto& [entrada, saida] : casos) EXPECT_TRUE(DobraNome(entrada) == saida);
}

// Two-digit years fall in the hundred years up to this one.
TEST(CompletaData, FormasAceitasERecusadas) {
  const Data hoje{6, 12, 2026};
  const std::pair<const char*, const char*> aceitas[] = {
      {"12/8/78", "12/08/1978"}, {"1/2/3", "01/02/2003"},     {"5-6-26", "05/06/2026"},
      {"5.6.27", "05/06/1927"},  {"12081978", "12/08/1978"},  {" 29/02/2000 ", "29/02/2000"},
      {"31/12/0999", "31/12/0999"}};
  for (const auto& [entrada, saida] : aceitas) {
    EXPECT_EQ(CompletaData(entrada, hoje).value_or("recusada"), saida) << entrada;
  }
  for (const char* recusada : {"", "12/08", "31/02/1990", "29/02/1900", "00/01/1990", "12/13/1990",
                               "12/08/197", "12/08/1978/1", "1234567", "12/08/19780"}) {
    EXPECT_FALSE(CompletaData(recusada, hoje).has_value()) << recusada;
  }
}

}  // namespace
}  // namespace cifra
