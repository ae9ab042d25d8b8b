#pragma once
// Runs `analise` (or `previsao`) in the test's own process and keeps what it said.
#include <sstream>
#include <string>
#include <vector>

#include "linha_comando/linha_comando.h"

namespace cifra::teste {

struct Resultado {
  int status;
  std::string saida, erros;
};

inline Resultado Executa(const std::vector<std::string>& args, bool previsao = false) {
  std::ostringstream saida, erros;
  const int status = (previsao ? ExecutaPrevisao : ExecutaAnalise)(args, saida, erros);
  return {status, saida.str(), erros.str()};
}

}  // namespace cifra::teste
