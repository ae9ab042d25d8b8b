#include "pedido.h"

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

}  // namespace

std::u32string DobraNome(std::u32string_view nome) {
  std::u32string texto(nome);
  for (char32_t& c : texto) c = SemAcento(Maiuscula(c));
  return texto;
}

std::optional<PessoaAnalisada> AceitaPedido(std::string_view nome, std::string_view data,
                                            const Data& hoje, std::string* recusa) {
  const auto nascimento = InterpretaData(data, hoje);
  if (!nascimento) {
    if (recusa) *recusa = kMensagemDataInvalida;
    return std::nullopt;
  }
  const std::u32string texto = Utf32(nome);
  if (static_cast<int>(texto.size()) < kMinimoDeCaracteresDoNome) {
    if (recusa) *recusa = kMensagemNomeIncompleto;
    return std::nullopt;
  }
  return PessoaAnalisada{DobraNome(texto), *nascimento};
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

}  // namespace cifra
