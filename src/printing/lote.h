#pragma once
// The forecast of every client of the register, one PDF each, written on
// every core: the configuration, the fonts and Qt start once for the batch.
#include <functional>
#include <string>
#include <vector>

#include "engine/data.h"
#include "settings/configuracao.h"

namespace cifra {

// "Previsao - MARIA DA SILVA - 2027.pdf", or "… - 2027-2028.pdf" for a range;
// characters a file name cannot carry are left out of the name.
std::string NomeDoPdfDaPrevisao(const std::string& nome, int anoInicial, int anoFinal);

struct ProgressoDoLote {
  int feitos = 0;       // clients done (written or skipped)
  int total = 0;
  std::string cliente;  // the last client done, as registered
  double segundosRestantes = 0;  // estimated from the pace so far; 0 at the start
};

struct ResultadoDoLote {
  int gravados = 0;
  // A client that could not be forecast or written, with why: "MARIA
  // (registro 3): a data de nascimento 31/02/1980 não é válida."
  std::vector<std::string> pulados;
  bool cancelado = false;
};

// Writes into pastaSaida (created when missing) the forecast of anoInicial
// to anoFinal of every client, as the command line's `previsao --pdf` would
// write each one. A damaged record, a name or date the request would refuse
// and a file that cannot be written skip that client and are listed; the
// batch goes on. progresso is called on the calling thread after each
// client; when it returns false the batch stops once the clients being
// written are done, keeping what is written. Two clients of the same name
// get "(2)", "(3)"… after it. The range must pass RecusaDosAnos for every
// client it writes (a client born after anoInicial is skipped).
ResultadoDoLote GravaPrevisoesDoCadastro(const Configuracao& configuracao, int anoInicial,
                                         int anoFinal, const std::string& pastaSaida,
                                         const Data& hoje,
                                         const std::function<bool(const ProgressoDoLote&)>& progresso);

}  // namespace cifra
