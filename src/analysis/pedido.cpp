#include "pedido.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <vector>

#include "engine/numerologia.h"
#include "engine/texto.h"

namespace cifra {
namespace {

char32_t SemAcento(char32_t c) {
  switch (c) {
    case U'Á': case U'À': case U'Â': case U'Ã': return U'A';
    case U'É': case U'Ê': return U'E';
    case U'Í': case U'Î': case U'Ï': return U'I';
    case U'Ó': case U'Ô': case U'Õ': return U'O';
    case U'Ú': case U'Û': case U'Ü': return U'U';
    case U'Ç': return U'C';
    default: return c;
  }
}

bool EhBranco(char32_t c) { return c == U' '; }

}  // namespace

std::u32string NormalizaNome(std::string_view utf8) {
  const std::u32string decodificado = Utf32(utf8);
  std::u32string texto =
      QString::fromUcs4(decodificado.data(), static_cast<qsizetype>(decodificado.size()))
          .normalized(QString::NormalizationForm_C)
          .toStdU32String();
  for (char32_t& c : texto) {
    // C0 and C1 controls (tabs, line breaks...) and the line and paragraph separators.
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) c = U' ';
  }
  const auto inicio = std::find_if_not(texto.begin(), texto.end(), EhBranco);
  const auto fim = std::find_if_not(texto.rbegin(), texto.rend(), EhBranco).base();
  return inicio < fim ? std::u32string(inicio, fim) : std::u32string();
}

std::u32string NomeEmMaiusculas(std::u32string_view nome) {
  std::u32string texto(nome);
  for (char32_t& c : texto) c = Maiuscula(c);
  return texto;
}

std::u32string DobraNome(std::u32string_view nome) {
  std::u32string texto(nome);
  for (char32_t& c : texto) c = SemAcento(Maiuscula(c));
  return texto;
}

bool NascimentoAceito(const Data& nascimento, const Data& hoje) {
  return !AntesDe(nascimento, Data{1, 1, 1000}) && !AntesDe(hoje, nascimento);
}

std::optional<PessoaAnalisada> AceitaPedido(std::string_view nome, std::string_view data,
                                            const Data& hoje, std::string* recusa) {
  const auto nascimento = InterpretaData(data, hoje);
  if (!nascimento) {
    if (recusa) *recusa = kMensagemDataInvalida;
    return std::nullopt;
  }
  if (!NascimentoAceito(*nascimento, hoje)) {
    if (recusa) *recusa = kMensagemDataForaDoIntervalo;
    return std::nullopt;
  }
  const std::u32string texto = NormalizaNome(nome);
  if (static_cast<int>(texto.size()) < kMinimoDeCaracteresDoNome) {
    if (recusa) *recusa = kMensagemNomeIncompleto;
    return std::nullopt;
  }
  if (static_cast<int>(texto.size()) > kMaximoDeCaracteresDoNome) {
    if (recusa) *recusa = kMensagemNomeLongo;
    return std::nullopt;
  }
  return PessoaAnalisada{DobraNome(texto), *nascimento, NomeEmMaiusculas(texto)};
}

std::optional<Data> InterpretaData(std::string_view digitado, const Data& hoje) {
  const std::string texto = AparaBrancos(digitado);
  std::vector<std::string> partes(1);
  for (char c : texto) {
    if (c >= '0' && c <= '9') {
      partes.back().push_back(c);
    } else if (c == '/' || c == '-' || c == '.') {
      partes.emplace_back();
    } else {
      return std::nullopt;
    }
  }
  if (partes.size() == 1 && (partes[0].size() == 6 || partes[0].size() == 8)) {
    const std::string s = partes[0];
    partes = {s.substr(0, 2), s.substr(2, 2), s.substr(4)};
  }
  if (partes.size() != 3) return std::nullopt;
  for (const auto& p : partes) {
    if (p.empty() || p.size() > 4) return std::nullopt;
  }
  if (partes[0].size() > 2 || partes[1].size() > 2 || partes[2].size() == 3) return std::nullopt;
  Data d{std::stoi(partes[0]), std::stoi(partes[1]), std::stoi(partes[2])};
  if (partes[2].size() <= 2) {
    const int seculo = hoje.ano - hoje.ano % 100;
    d.ano += d.ano <= hoje.ano % 100 ? seculo : seculo - 100;
  }
  if (!DataValida(d)) return std::nullopt;
  return d;
}

std::optional<std::string> CompletaData(std::string_view texto, const Data& hoje) {
  const auto d = InterpretaData(texto, hoje);
  if (!d) return std::nullopt;
  return FormataData(*d);
}

Data DataDeHoje() {
  const QDate hoje = QDate::currentDate();
  return {hoje.day(), hoje.month(), hoje.year()};
}

}  // namespace cifra
