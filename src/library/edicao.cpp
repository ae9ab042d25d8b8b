#include "edicao.h"

#include <algorithm>
#include <array>

#include "engine/numerologia.h"
#include "registros_de_texto.h"
#include "windows1252.h"

namespace cifra {

namespace {

// Titles the builder writes itself (cycles and realizations).
bool TituloEditavel(int topico) {
  return !(topico >= 2 && topico <= 4) && !(topico >= 8 && topico <= 11);
}

}  // namespace

std::string RotuloDoItem(int item) {
  if (const int t = TopicoDoItem(item)) return std::string(TopicoDoNumero(t).rotulo);
  if (const auto parte = ParteDoItem(item)) return std::string(ParteDoMapaDe(*parte).rotulo);
  return item == kItemDescricaoDoMapa ? std::string(kRotuloDescricaoDoMapa) : std::string();
}

int TopicoDoItem(int item) { return item >= 0 && item < kTopicos ? item + 1 : 0; }

std::optional<ParteCarmica> ParteDoItem(int item) {
  const int p = item - kTopicos;
  if (p < 0 || p >= static_cast<int>(PartesDoMapa().size())) return std::nullopt;
  return PartesDoMapa()[static_cast<size_t>(p)].parte;
}

std::vector<BotaoDeNumero> BotoesDoItem(int item) {
  static constexpr std::array<const char*, kBotoesDeNumero> kDosTopicos = {
      "Número 1 (ou \"a\")", "Número 2 (ou \"e\")", "Número 3 (ou \"i\")", "Número 4 (ou \"o\")",
      "Número 5 (ou \"u\")", "Número 6 (ou \"y\")", "Número 7", "Número 8", "Número 9",
      "Especial Número 11", "Especial Número 22"};
  std::vector<BotaoDeNumero> botoes;
  if (TopicoDoItem(item)) {
    for (int b = 0; b < kBotoesDeNumero; ++b) {
      botoes.push_back({b == 9 ? 11 : b == 10 ? 22 : b + 1, kDosTopicos[static_cast<size_t>(b)]});
    }
  } else if (const auto parte = ParteDoItem(item)) {
    const char* prefixo = *parte == ParteCarmica::Divida ? "Dívida " : "Número ";
    for (int n : NumerosDaParte(*parte)) botoes.push_back({n, prefixo + std::to_string(n)});
  }
  return botoes;
}

TextoDaBiblioteca TextoDoBotao(int item, int botao) {
  if (const int t = TopicoDoItem(item)) {
    if (botao < 0 || botao >= kBotoesDeNumero) return {};
    return {ArquivoDoTopico(t), RegistroDoTextoEditado(t, botao)};
  }
  if (const auto parte = ParteDoItem(item)) {
    const std::vector<int> numeros = NumerosDaParte(*parte);
    if (botao < 0 || botao >= static_cast<int>(numeros.size())) return {};
    return {std::string(ParteDoMapaDe(*parte).arquivo),
            RegistroCarmico(*parte, numeros[static_cast<size_t>(botao)])};
  }
  return CabecalhoDoItem(item);
}

TextoDaBiblioteca CabecalhoDoItem(int item) {
  if (const int t = TopicoDoItem(item)) {
    const int registro = TopicoDoNumero(t).registroDescricao;
    return registro ? TextoDaBiblioteca{kArquivoDescricoes, registro} : TextoDaBiblioteca{};
  }
  if (const auto parte = ParteDoItem(item)) {
    return {kArquivoDescricoesCarmicas, ParteDoMapaDe(*parte).registroDescricao};
  }
  if (item == kItemDescricaoDoMapa) return {kArquivoDescricoesCarmicas, kDescricaoDoMapaCarmico};
  return {};
}

TextoDaBiblioteca TituloDoItem(int item) {
  const int t = TopicoDoItem(item);
  if (!t || !TituloEditavel(t)) return {};
  return {kArquivoTitulos, t};
}

int RegistroDoTextoEditado(int topico, int botao) {
  const int n = botao + 1;
  if (topico == 6 || topico == 7) return n + 1;
  if (topico >= 12 && topico <= 15) return n == 9 ? 1 : n + 1;
  return n;
}

int RegistroDoNumeroZero(int topico) { return topico == 6 || topico == 7 ? 1 : 0; }

int RegistroDoNaoPossui(int topico) { return topico == 15 ? 90 : 0; }

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
