#include "edicao.h"

#include <algorithm>
#include <array>

#include "engine/numerologia.h"
#include "windows1252.h"

namespace cifra {

std::string NumeroDoBotao(int botao) {
  if (botao == 9) return "11";
  if (botao == 10) return "22";
  return std::to_string(botao + 1);
}

int RegistroDoTextoEditado(int topico, int botao) {
  const int n = botao + 1;
  if (topico == 6 || topico == 7) return n + 1;
  if (topico >= 12 && topico <= 15) return n == 9 ? 1 : n + 1;
  return n;
}

int RegistroDoNumeroZero(int topico) { return topico == 6 || topico == 7 ? 1 : 0; }

int RegistroDoNaoPossui(int topico) { return topico == 15 ? 90 : 0; }

bool TituloEditavel(int topico) {
  return !(topico >= 2 && topico <= 4) && !(topico >= 8 && topico <= 11);
}

std::string TextoParaRegistro(std::string_view caixa) {
  std::string r;
  r.reserve(caixa.size() + caixa.size() / 40);
  for (size_t i = 0; i < caixa.size(); ++i) {
    const char c = caixa[i];
    if (c == '\r') {
      r += "\r\n";
      if (i + 1 < caixa.size() && caixa[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      r += "\r\n";
    } else {
      r += c;
    }
  }
  return r;
}

std::string TextoParaCaixa(std::string_view registro) {
  std::string c;
  c.reserve(registro.size());
  for (size_t i = 0; i < registro.size(); ++i) {
    if (registro[i] == '\r' && i + 1 < registro.size() && registro[i + 1] == '\n') continue;
    c += registro[i];
  }
  return c;
}

int CaracteresRestantes(std::string_view caixa, size_t tamanhoDoRegistro) {
  const auto caracteres = Utf32(TextoParaRegistro(caixa)).size();
  return static_cast<int>(tamanhoDoRegistro) - static_cast<int>(caracteres);
}

std::vector<std::string> CaracteresSemLugar(std::string_view utf8) {
  std::vector<std::string> sem;
  for (char32_t c : Utf32(utf8)) {
    const std::string um = Utf8(std::u32string_view(&c, 1));
    if (CodificavelEmWindows1252(um)) continue;
    if (std::find(sem.begin(), sem.end(), um) == sem.end()) sem.push_back(um);
  }
  return sem;
}

std::string ListaDeCaracteres(const std::vector<std::string>& caracteres) {
  std::string lista;
  for (const auto& c : caracteres) {
    if (!lista.empty()) lista += ", ";
    lista += "“" + c + "”";
  }
  return lista;
}

std::string_view NomeDoBloco(int codigo) {
  static constexpr std::array<std::string_view, kBlocosDeFormula> kNomes = {
      "Dia de Hoje",        "Mês Atual",          "Ano Atual",
      "Vogais do Nome",     "Consoantes do Nome", "Dia do Nascimento",
      "Mês do Nascimento",  "Ano do Nascimento",  "Nome Completo",
      "Primeira Vogal do Nome", "Total de letras do Nome", "Apenas o primeiro Nome"};
  return codigo >= 0 && codigo < kBlocosDeFormula ? kNomes[static_cast<size_t>(codigo)]
                                                  : std::string_view("?");
}

std::string TextoDaFormula(std::span<const int16_t> codigos) {
  using namespace codigo_formula;
  std::string texto;
  for (int16_t c : codigos) {
    if (c == kFim) break;
    if (c == kSomar) {
      texto += " + ";
    } else if (c == kSubtrair) {
      texto += " − ";
    } else {
      texto += NomeDoBloco(c);
    }
  }
  return texto;
}

int ValorDaFormulaEmConstrucao(std::span<const int16_t> codigos, int blocoEscolhido,
                               bool mestresValidos, const ContextoFormula& pessoa) {
  using namespace codigo_formula;
  std::vector<int16_t> completa{mestresValidos ? kMestresValidos : kSemMestres};
  completa.insert(completa.end(), codigos.begin(), codigos.end());
  if (blocoEscolhido >= 0) completa.push_back(static_cast<int16_t>(blocoEscolhido));
  completa.push_back(kFim);
  return AvaliaFormula(completa, pessoa);
}

}  // namespace cifra
