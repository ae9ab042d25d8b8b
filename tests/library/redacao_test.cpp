// Editorial rules of the default texts, checked on the sources so that a new
// text that breaks one fails the build's tests, not the client's reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/analise.h"
#include "library/fonte_textos.h"

namespace cifra {
namespace {

// The builder adds "." after the texts of topics 7 to 15.
const std::vector<std::string> kArquivosComPontoDoMontador = {"PRESNASC", "APICES", "DESVIDA"};

// Forms that address the reader as a man, and forms the house style replaced.
const std::vector<std::string> kFormasEvitadas = {
    "alguém o chama", "o conhece", "seja lembrado", "ser lembrado", "consigo mesmo",
    "a si mesmo",     "de si mesmo", "sozinho",     "fique atento", "é procurado",
    "seja procurado", "ser procurado", "o procurem", "lembre que",  "partilhar",
    "partilha",       "parceria à altura", "o torna", "o tornam", "sofrer calado",
    "parecer fraco",  "um agente",   "desconfiado", "amoroso"};

std::string Minusculas(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string CincoPrimeiras(const std::string& texto) {
  std::istringstream in(Minusculas(texto));
  std::string palavra, r;
  for (int i = 0; i < 5 && in >> palavra; ++i) {
    while (!palavra.empty() && std::ispunct(static_cast<unsigned char>(palavra.back()))) {
      palavra.pop_back();
    }
    r += (i ? " " : "") + palavra;
  }
  return r;
}

bool ContemPalavras(const std::string& texto, const std::string& forma) {
  const std::string t = Minusculas(texto);
  auto letra = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80); };
  for (size_t p = t.find(forma); p != std::string::npos; p = t.find(forma, p + 1)) {
    const bool inicio = p == 0 || !letra(t[p - 1]);
    const size_t fim = p + forma.size();
    if (inicio && (fim == t.size() || !letra(t[fim]))) return true;
  }
  return false;
}

// Every rule broken by the records of one file, one line each.
std::vector<std::string> ProblemasDeRedacao(const std::string& codigo,
                                            const std::map<int, std::string>& registros) {
  std::vector<std::string> problemas;
  const bool pontoDoMontador =
      std::find(kArquivosComPontoDoMontador.begin(), kArquivosComPontoDoMontador.end(), codigo) !=
      kArquivosComPontoDoMontador.end();
  std::map<std::string, int> aberturas;
  for (const auto& [n, texto] : registros) {
    const std::string onde = codigo + " [" + std::to_string(n) + "]: ";
    // The linking templates are sentences of their own, followed by a text.
    const bool modelo = n == kModeloDeLigacaoRealizacao || n == kModeloDeLigacaoDesafio;
    if (pontoDoMontador && !modelo && !texto.empty() && texto.back() == '.') {
      problemas.push_back(onde + "termina com ponto, e o programa acrescenta outro");
    }
    const std::string abertura = CincoPrimeiras(texto);
    const auto [it, nova] = aberturas.emplace(abertura, n);
    if (!nova) {
      problemas.push_back(onde + "começa como o registro " + std::to_string(it->second) + ": " +
                          abertura);
    }
    for (const std::string& forma : kFormasEvitadas) {
      if (ContemPalavras(texto, forma)) problemas.push_back(onde + "usa \"" + forma + "\"");
    }
  }
  return problemas;
}

// A sentence of eight words or more read in two records makes the library
// sound like a form: each such sentence, with the two records, one line each.
// Sentences end at . ! ? ; : and at line breaks; case and punctuation aside.
std::vector<std::string> FrasesRepetidas(
    const std::vector<std::pair<std::string, std::map<int, std::string>>>& arquivos) {
  std::map<std::string, std::string> onde;  // sentence → first record that has it
  std::vector<std::string> problemas;
  for (const auto& [codigo, registros] : arquivos) {
    for (const auto& [n, texto] : registros) {
      const std::string registro = codigo + " [" + std::to_string(n) + "]";
      std::string frase;
      int palavras = 0;
      bool naPalavra = false;
      auto fecha = [&] {
        if (palavras >= 8) {
          const auto [it, nova] = onde.emplace(frase, registro);
          if (!nova && it->second != registro) {
            problemas.push_back(registro + " repete " + it->second + ": " + frase);
          }
        }
        frase.clear();
        palavras = 0;
        naPalavra = false;
      };
      for (const char c : Minusculas(texto)) {
        if (std::string_view(".!?;:\r\n").find(c) != std::string_view::npos) {
          fecha();
        } else if (std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80) || c == '-') {
          if (!naPalavra) frase += frase.empty() ? "" : " ";
          if (!naPalavra) ++palavras;
          naPalavra = true;
          frase += c;
        } else {
          naPalavra = false;
        }
      }
      fecha();
    }
  }
  return problemas;
}

std::map<int, std::string> Registros(const std::string& codigo) {
  std::ifstream f(std::string(CIFRA_DADOS_DIR) + "/textos/" + codigo + ".txt", std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return LeFonteDeTextos(s.str());
}

TEST(Redacao, CadaRegraApontaOTextoQueAQuebra) {
  struct Caso {
    const char* codigo;
    std::map<int, std::string> registros;
    size_t problemas;
  };
  const Caso casos[] = {
      {"APICES", {{1, "Uma etapa de começos"}, {2, "Outra etapa, de encontros"}}, 0},
      {"APICES", {{1, "Uma etapa de começos."}}, 1},
      {"CVIDA", {{1, "Um texto que termina com ponto."}}, 0},
      {"CVIDA", {{1, "Hoje é um dia bom."}, {2, "Hoje, é um dia bom!"}}, 1},
      {"CVIDA", {{1, "Esta realização abre uma etapa"}, {2, "Esta realização abre uma fase"}}, 0},
      {"CDATA", {{12, "Acompanha você sempre que alguém o chama pelo nome."}}, 1},
      {"CVIDA", {{1, "Sozinhos, não. Um sozinhozinho não conta."}}, 0},
  };
  for (const Caso& c : casos) {
    const auto problemas = ProblemasDeRedacao(c.codigo, c.registros);
    EXPECT_EQ(problemas.size(), c.problemas)
        << c.codigo << " " << c.registros.begin()->second
        << (problemas.empty() ? "" : "\n  " + problemas.front());
  }
}

TEST(Redacao, FraseLongaEmDoisRegistrosEhApontada) {
  const std::string oito = "A vida pede calma, escuta e um pouco de coragem";
  struct Caso {
    std::vector<std::pair<std::string, std::map<int, std::string>>> arquivos;
    size_t problemas;
  };
  const Caso casos[] = {
      {{{"CVIDA", {{1, oito + "."}}}, {"CFORM", {{3, "Outra frase. " + oito + "!"}}}}, 1},
      {{{"CVIDA", {{1, oito + "."}, {2, "A VIDA pede calma,  escuta e um pouco de coragem"}}}}, 1},
      {{{"CVIDA", {{1, oito + ". " + oito + "."}}}}, 0},  // once per record is no form
      {{{"CVIDA", {{1, "Pede calma, escuta e pouco de coragem."}}},
        {"CFORM", {{1, "Pede calma, escuta e pouco de coragem."}}}},
       0},  // seven words
  };
  for (const Caso& c : casos) EXPECT_EQ(FrasesRepetidas(c.arquivos).size(), c.problemas);
}

TEST(Redacao, TextosPadraoSeguemAsRegras) {
  std::vector<std::pair<std::string, std::map<int, std::string>>> biblioteca;
  for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(CIFRA_DADOS_DIR) / "textos")) {
    const std::string codigo = e.path().stem().string();
    if (e.path().extension() != ".txt" || codigo == "Header") continue;
    const auto registros = Registros(codigo);
    ASSERT_FALSE(registros.empty()) << codigo;
    for (const std::string& p : ProblemasDeRedacao(codigo, registros)) ADD_FAILURE() << p;
    biblioteca.emplace_back(codigo, registros);
  }
  EXPECT_GE(biblioteca.size(), 35u);  // every source but the titles
  for (const std::string& p : FrasesRepetidas(biblioteca)) ADD_FAILURE() << p;
}

}  // namespace
}  // namespace cifra
